#include "comparaisonNcurses.hpp"

#include <curses.h>
#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

struct FermerFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermerFichier>;

// ncurses writes straight to the descriptor: a file's size counts what it sent.
std::size_t taille(std::FILE* pFichier) {
  std::fflush(pFichier);
  struct stat etat {};
  fstat(fileno(pFichier), &etat);
  return static_cast<std::size_t>(etat.st_size);
}

// Console colour (bit 0 blue, bit 2 red, bit 3 bright) to a curses colour number.
short couleurCurses(int pCouleur) {
  const int ansi = (pCouleur & 2) | ((pCouleur & 1) << 2) | ((pCouleur & 4) >> 2);
  return static_cast<short>(ansi + (pCouleur & 8));
}

void dessiner(const plateforme::Ecran& pEcran) {
  for (int y = 1; y <= plateforme::HAUTEUR; ++y) {
    for (int x = 1; x <= plateforme::LARGEUR; ++x) {
      const plateforme::Cellule& c = pEcran.cellule(x, y);
      // The game's screens are ASCII.
      const chtype caractere = c.caractere < 0x80 ? static_cast<chtype>(c.caractere) : '?';
      // The bottom right cell cannot move the cursor on: ERR, but the cell is drawn.
      mvaddch(y - 1, x - 1, caractere | static_cast<chtype>(COLOR_PAIR(c.attribut + 1)));
    }
  }
}

}  // namespace

std::vector<std::size_t> octetsNcurses(const std::vector<plateforme::Ecran>& pVues,
                                       const char* pTerm, bool pRepeindre) {
  Fichier sortie(std::tmpfile());
  Fichier entree(std::fopen("/dev/null", "r"));
  if (!sortie || !entree) throw std::runtime_error("ncurses: no file");
  SCREEN* ecran = newterm(pTerm, sortie.get(), entree.get());
  if (ecran == nullptr) throw std::runtime_error(std::string("ncurses: no entry for ") + pTerm);
  set_term(ecran);
  resizeterm(plateforme::HAUTEUR, plateforme::LARGEUR);
  start_color();
  for (int a = 0; a < 256; ++a) {
    init_pair(static_cast<short>(a + 1), couleurCurses(a & 0x0F), couleurCurses(a >> 4));
  }
  curs_set(0);            // the game's cursor is hidden but while a line is typed
  leaveok(stdscr, TRUE);  // so no move to put it back after drawing
  typeahead(-1);
  std::vector<std::size_t> octets;
  for (std::size_t i = 0; i < pVues.size(); ++i) {
    dessiner(pVues[i]);
    if (pRepeindre && i > 0) clearok(curscr, TRUE);
    const std::size_t avant = taille(sortie.get());
    refresh();
    octets.push_back(taille(sortie.get()) - avant);
  }
  endwin();
  delscreen(ecran);
  return octets;
}
