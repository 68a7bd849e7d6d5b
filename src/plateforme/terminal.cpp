#include "plateforme/terminal.hpp"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "plateforme/fichiers.hpp"
#include "plateforme/langue.hpp"
#include "plateforme/utf8.hpp"

// Writes to the terminal use ecrireTout and let a failure pass: a terminal that is gone shows
// nothing more, and the next read says so.

namespace plateforme {
namespace {

[[noreturn]] void echec(const char* pAppel) {
  throw std::system_error(errno, std::generic_category(), pAppel);
}

std::optional<TailleTerminal> tailleActuelle() {
  for (int fd : {STDOUT_FILENO, STDIN_FILENO}) {
    winsize taille{};
    if (::ioctl(fd, TIOCGWINSZ, &taille) == 0 && taille.ws_col > 0 && taille.ws_row > 0) {
      return TailleTerminal{taille.ws_col, taille.ws_row};
    }
  }
  return std::nullopt;  // not a terminal: the game's size is assumed
}

// One line of the size notice, centred on row pLigne.
std::string ligneCentree(const std::string& pTexte, int pLigne, int pColonnes) {
  const int colonne = std::max(1, (pColonnes - static_cast<int>(largeurUtf8(pTexte))) / 2 + 1);
  return "\x1b[" + std::to_string(pLigne) + ";" + std::to_string(colonne) + "H" + pTexte;
}

}  // namespace

Terminal::Terminal(OptionsTerminal pOptions)
    : changements_(pOptions, tailleActuelle()), entreeTerminal_(::isatty(STDIN_FILENO) != 0) {
  mesurer();
  decodeur_.activerSouris((pOptions & OPTION_SOURIS) != 0);
  vi_ = (pOptions & OPTION_VI) != 0;
  compacteDemande_ = (pOptions & OPTION_COMPACT) != 0;
  compacte_ = fenetreCompacte();
  rendu_ = Rendu(capacitesTerminal(),
                 (pOptions & OPTION_SANS_COULEUR) !=
                     0);  // erase or repeat where the terminal can and it is shorter
  if (entreeTerminal_ && ::tcgetattr(STDIN_FILENO, &reglagesOrigine_) != 0) echec("tcgetattr");
  try {
    faire(Etape::Ecran);
  } catch (...) {
    restaurerUrgence();
    definirRestauration({}, nullptr);
    throw;
  }
}

Terminal::~Terminal() {
  restaurerUrgence();
  definirRestauration({}, nullptr);
}

void Terminal::faire(Etape pEtape) {
  // The undo is in place before the change is made: a signal in between finds it.
  faite_ = pEtape;
  definirRestauration(changements_.defaire(pEtape), entreeTerminal_ ? &reglagesOrigine_ : nullptr);
  if (pEtape == Etape::Ecran && entreeTerminal_) modeBrut();
  ecrireTout(STDOUT_FILENO, changements_.faire(pEtape));
}

void Terminal::modeBrut() {
  termios brut = reglagesOrigine_;
  brut.c_lflag &= ~static_cast<tcflag_t>(ECHO);    // keys are not echoed
  brut.c_lflag &= ~static_cast<tcflag_t>(ICANON);  // keys arrive one by one, no line editing
  brut.c_lflag &= ~static_cast<tcflag_t>(IEXTEN);  // Ctrl-V and the like reach the game
  brut.c_iflag &= ~static_cast<tcflag_t>(IXON);    // Ctrl-S and Ctrl-Q do not freeze the output
  brut.c_iflag &= ~static_cast<tcflag_t>(ICRNL);   // Enter arrives as CR
  brut.c_cc[VMIN] = 1;                             // a read waits for one byte at least
  brut.c_cc[VTIME] = 0;                            // and no longer than that
  // ISIG stays: Ctrl-C and Ctrl-Z are still signals.
  while (::tcsetattr(STDIN_FILENO, TCSAFLUSH, &brut) != 0) {
    if (errno != EINTR) echec("tcsetattr");
  }
}

void Terminal::preparerConsole() {
  if (faite_ != Etape::Console) faire(Etape::Console);
}

// Back from Ctrl-Z: the terminal was handed back as it was; make the changes again.
void Terminal::reprendre() {
  if (entreeTerminal_) modeBrut();
  ecrireTout(STDOUT_FILENO, changements_.faire(Etape::Ecran));
  if (faite_ == Etape::Console) ecrireTout(STDOUT_FILENO, changements_.faire(Etape::Console));
}

void Terminal::mesurer() {
  if (const std::optional<TailleTerminal> taille = tailleActuelle()) {
    colonnes_ = taille->colonnes;
    lignes_ = taille->lignes;
  }
}

void Terminal::traiterSignaux() {
  for (char evenement : signaux_.evenements()) {
    if (evenement == EVENEMENT_REPRISE) reprendre();
    mesurer();
    invalider();
    avisAJour_ = false;
  }
  if (!tropPetit() && fenetreCompacte() != compacte_) {
    compacte_ = !compacte_;
    basculer_ = true;
  }
}

void Terminal::invalider() {
  rendu_.invalider();
  amorcer_ = true;
}

bool Terminal::attendre(bool pAvecEntree, int pDelaiMs) {
  pollfd attentes[2] = {{signaux_.descripteur(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  entreeDisponible_ = false;
  const int pret = ::poll(attentes, pAvecEntree ? 2 : 1, pDelaiMs);
  if (pret < 0) {
    if (errno == EINTR) return true;  // a signal: its event waits in the pipe
    echec("poll");
  }
  entreeDisponible_ = pAvecEntree && attentes[1].revents != 0;
  return pret > 0;
}

void Terminal::lireEntree() {
  char octets[256];
  const ssize_t n = ::read(STDIN_FILENO, octets, sizeof octets);
  if (n > 0) {
    decodeur_.alimenter(std::string_view(octets, static_cast<std::size_t>(n)));
  } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
    fin_ = true;
    decodeur_.finEntree();
  }
}

// The player cannot see what keys typed at the size notice would do: they are dropped, with
// those pending when it appears. Keys from a file or a pipe are not typed at it and wait.
void Terminal::jeterTouches() {
  if (!entreeTerminal_) return;
  // A terminal that hung up cannot flush; the next read ends the input.
  if (::tcflush(STDIN_FILENO, TCIFLUSH) != 0 && errno != EIO) echec("tcflush");
  decodeur_.vider();
}

void Terminal::attendreAgrandissement() {
  if (!avisAffiche_) jeterTouches();
  afficherAvisTaille();
  if (attendre(entreeTerminal_, -1) && entreeDisponible_) {
    lireEntree();
    if (fin_) throw FinEntree{};
    decodeur_.vider();
  }
}

void Terminal::afficherAvisTaille() {
  avisAffiche_ = true;
  if (avisAJour_) return;
  const std::string avis =
      remplir(traduire("Agrandissez la fenetre: 80 x 24 caracteres (actuellement %d x %d)"),
              {std::to_string(colonnes_), std::to_string(lignes_)});
  const int ligne = std::max(1, (lignes_ + 1) / 2);
  std::string trame = "\x1b[?2026h\x1b[0m\x1b[2J" + ligneCentree(avis, ligne, colonnes_);
  if (ligne < lignes_) trame += ligneCentree(traduire("Ctrl-C pour quitter"), ligne + 1, colonnes_);
  ecrireTout(STDOUT_FILENO, trame + "\x1b[?2026l");
  invalider();
  avisAJour_ = true;
}

int Terminal::donner(int pCode, const Ecran& pEcran) {
  derniere_ = decodeur_.derniereTouche();
  // The game's cells are those of the compact screen, wherever it is centred.
  if (compacte_ && derniere_.clic) {
    derniere_.clic->x -= decalageX();
    derniere_.clic->y -= decalageY();
  }
  // A line being typed shows the text cursor: there h, j, k and l are letters.
  const int fleche = vi_ && !pEcran.curseurVisible() ? flecheVi(pCode) : -1;
  if (fleche < 0) return pCode;
  suiteFleche_ = fleche;
  derniere_ = Touche{CODE_PREFIXE, {}, std::nullopt};
  return CODE_PREFIXE;
}

int Terminal::lireCode(const Ecran& pEcran) {
  return *lireCodeJusqua(pEcran, std::nullopt);
}

std::optional<int> Terminal::lireCodeAvant(const Ecran& pEcran, std::chrono::milliseconds pDelai) {
  return lireCodeJusqua(pEcran, std::chrono::steady_clock::now() + pDelai);
}

std::optional<int> Terminal::lireCodeJusqua(
    const Ecran& pEcran, std::optional<std::chrono::steady_clock::time_point> pFin) {
  if (suiteFleche_) {
    derniere_ = Touche{*std::exchange(suiteFleche_, std::nullopt), {}, std::nullopt};
    return derniere_.code;
  }
  for (;;) {
    traiterSignaux();
    if (tropPetit()) {
      attendreAgrandissement();
      continue;
    }
    if (avisAffiche_) {
      // Keys that came while the notice showed, before the game could be seen again.
      jeterTouches();
      avisAffiche_ = false;
    }
    if (std::exchange(basculer_, false)) {
      derniere_ = Touche{CODE_DISPOSITION, {}, std::nullopt};
      return CODE_DISPOSITION;
    }
    if (auto code = decodeur_.code()) {
      // Whatever another program wrote over the game goes with the next frame.
      if (*code == CODE_REPEINDRE) {
        invalider();
        continue;
      }
      return donner(*code, pEcran);
    }
    if (fin_) throw FinEntree{};
    if (!attendre(true, 0) || !entreeDisponible_) {
      presenter(pEcran);
      const bool enCours = decodeur_.sequenceEnCours();
      int delai = enCours ? static_cast<int>(DELAI_ECHAP.count()) : -1;
      if (!enCours && pFin) {
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
            *pFin - std::chrono::steady_clock::now());
        delai = static_cast<int>(std::max<std::chrono::milliseconds::rep>(reste.count(), 0));
      }
      if (!attendre(true, delai)) {
        if (!enCours && pFin) return std::nullopt;
        decodeur_.attendre(DELAI_ECHAP);
        continue;
      }
    }
    if (entreeDisponible_) lireEntree();
  }
}

// In the compact layout the window may be smaller than the model: the renderer is given a screen
// of the model's size whose cells off the window stay blank, and, whenever the terminal's content
// is unknown, first a blank screen with the text cursor at (1, 1). Whatever that one writes off a
// smaller window clips, wraps or scrolls blanks only, and ends with the cursor home, so from then
// on the renderer knows the terminal and never sends a cell off the window again.
void Terminal::presenter(const Ecran& pEcran) {
  if (tropPetit()) return;
  if (!compacte_) {
    amorcer_ = false;
    ecrireTout(STDOUT_FILENO, rendu_.trame(pEcran));
    return;
  }
  std::string trame;
  if (std::exchange(amorcer_, false)) {
    Ecran vierge;
    vierge.montrerCurseur(true);
    trame = rendu_.trame(vierge);
  }
  trame += rendu_.trame(vueCompacte(pEcran));
  ecrireTout(STDOUT_FILENO, trame);
}

Ecran Terminal::vueCompacte(const Ecran& pEcran) const {
  Ecran vue;
  const int dx = decalageX();
  const int dy = decalageY();
  for (int y = 1; y <= HAUTEUR_COMPACTE; ++y) {
    for (int x = 1; x <= LARGEUR_COMPACTE; ++x)
      vue.poserCellule(x + dx, y + dy, pEcran.cellule(x, y));
  }
  const int x = std::min(pEcran.curseurX(), LARGEUR_COMPACTE);
  const int y = std::min(pEcran.curseurY(), HAUTEUR_COMPACTE);
  vue.placerCurseur(x + dx, y + dy);
  vue.montrerCurseur(pEcran.curseurVisible());
  return vue;
}

std::optional<std::string> terminalInutilisable() {
  if (::isatty(STDIN_FILENO) == 0 || ::isatty(STDOUT_FILENO) == 0) {
    return "standard input and output must be a terminal";
  }
  if (!capacitesTerminal().placeCurseur) {
    const char* type = std::getenv("TERM");
    return std::string("TERM=") + (type != nullptr ? type : "") +
           ": the terminal cannot place the cursor";
  }
  return std::nullopt;
}

}  // namespace plateforme
