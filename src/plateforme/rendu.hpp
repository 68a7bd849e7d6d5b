#pragma once
// Turns the screen model into the bytes that bring a terminal up to date with it. It keeps what
// the terminal shows and sends only the cells that differ, with cursor moves and colour changes
// only where needed, the whole frame wrapped in synchronized output. Where the terminal can, and
// it is shorter, runs of blanks are erased and runs of one character repeated rather than written.
// A blank shows nothing of its foreground, so blanks are compared and written by their background
// alone, under whatever foreground is in force; the one exception is the blank under the visible
// text cursor, whose colours the cursor may show.

#include <array>
#include <cstddef>
#include <string>

#include "plateforme/ecran.hpp"
#include "plateforme/terminfo.hpp"

namespace plateforme {

// SGR parameters of a console colour: console index (bit 0 blue, bit 2 red) to ANSI order
// (bit 0 red, bit 2 blue), the bright bit choosing the 90/100 range.
int codeAnsiAvantPlan(int pCouleur);
int codeAnsiArrierePlan(int pCouleur);

class Rendu {
 public:
  // Without capacities (the default) every changed cell is written. Without colour (NO_COLOR)
  // no colour is ever selected: a cell on a background other than black shows in reverse video,
  // a bright foreground in bold, and nothing is erased, since an erase would take a colour.
  explicit Rendu(CapacitesTerminal pCapacites = {}, bool pSansCouleur = false)
      : capacites_(pCapacites), sansCouleur_(pSansCouleur) {
    if (sansCouleur_) capacites_.effaceEnCouleur = false;
  }

  // The bytes of one frame; empty when the terminal already shows the screen.
  std::string trame(const Ecran& pEcran);
  // The terminal's content is unknown (start, resize, return from suspension): the next frame
  // repaints every cell.
  void invalider() { connu_ = false; }

 private:
  // What a trial of the whole-screen erase may change, to undo it: where the terminal's cursor is
  // and which colours are in force.
  struct EtatTerminal {
    int x;
    int y;
    int attribut;
  };
  EtatTerminal etatTerminal() const { return {terminalX_, terminalY_, terminalAttribut_}; }
  void remettre(const EtatTerminal& pEtat);

  // Whether a cell written as pEcrite shows the screen's pVoulue at index i.
  bool montrerait(const Cellule& pEcrite, const Cellule& pVoulue, std::size_t i) const;
  bool aChanger(const Ecran& pEcran, int x, int y) const;
  // Records that the terminal shows the screen's cell at index i, in its exact colours or not.
  void montrer(std::size_t i, const Cellule& pCellule, bool pExacte);
  // The first column from x on row y that the terminal does not show yet, LARGEUR + 1 if none;
  // the cells passed over that only look the same are recorded as the screen's.
  int prochaineAChanger(const Ecran& pEcran, int x, int y);
  void peindre(std::string& pSortie, const Ecran& pEcran);
  // Writes the changed cell at x and, when the terminal repeats characters and that is shorter,
  // the run of cells that look the same after it, up to column pFin; gives the next column.
  int ecrireSuite(std::string& pSortie, const Ecran& pEcran, int x, int y, int pFin);
  // The changed blanks of one background from x, erased or written by a rule of their cost in
  // bytes; gives the column after the last of them.
  int effacerOuEcrire(std::string& pSortie, const Ecran& pEcran, int x, int y);
  // Erases the whole screen in the given colours; every cell then shows a blank of that
  // background.
  void effacerEcran(std::string& pSortie, int pAttribut);
  // After the diff, erases the whole screen and draws the rest instead when that is shorter.
  void repeindreApresEffacementSiPlusCourt(std::string& pSortie, const Ecran& pEcran,
                                           const EtatTerminal& pAvant);
  void rapprocher(std::string& pSortie, const Ecran& pEcran, int x, int y);
  void allerA(std::string& pSortie, int x, int y);
  void changerAttribut(std::string& pSortie, int pAttribut);
  // The colours to write a blank in: its background under the foreground in force, or the
  // foreground the next cell to draw needs when the background has to change anyway.
  int attributDuBlanc(const Ecran& pEcran, int x, int y) const;
  Cellule poserCellule(std::string& pSortie, const Ecran& pEcran, int x, int y);
  void placerCurseurTexte(std::string& pSortie, const Ecran& pEcran);

  static constexpr std::size_t SANS_CURSEUR = LARGEUR * HAUTEUR;

  // What the terminal shows, as the screen's cells it looks like; exact_: in their very colours
  // (a blank written under another foreground, or erased, looks the same without them).
  std::array<Cellule, LARGEUR * HAUTEUR> affiche_{};
  std::array<bool, LARGEUR * HAUTEUR> exact_{};
  // Blanks in affiche_ by background, then the other cells: at start every cell is a blank on
  // black.
  static constexpr std::size_t AUCUN_FOND = 16;
  std::array<int, AUCUN_FOND + 1> blancsAffiches_{LARGEUR * HAUTEUR};
  CapacitesTerminal capacites_;
  bool sansCouleur_ = false;
  bool connu_ = false;
  int terminalX_ = 0;  // 0: the terminal's cursor position is not known
  int terminalY_ = 0;
  int terminalAttribut_ = -1;  // -1: not known
  bool curseurMontre_ = false;
  std::size_t indiceCurseur_ = SANS_CURSEUR;  // the cell under the visible text cursor
};

// A renderer with no memory: every frame clears and repaints every cell. Only for comparison.
std::string trameNaive(const Ecran& pEcran);

}  // namespace plateforme
