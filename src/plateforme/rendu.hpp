#pragma once
// Turns the screen model into the bytes that bring a terminal up to date with it. It keeps what
// the terminal shows and sends only the cells that differ, with cursor moves and colour changes
// only where needed, the whole frame wrapped in synchronized output. Where the terminal can, and
// it is shorter, runs of blanks are erased and runs of one character repeated rather than written.

#include <array>
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
  // What a trial on one row may change, to undo it: where the terminal's cursor is and which
  // colours are in force.
  struct EtatTerminal {
    int x;
    int y;
    int attribut;
  };
  EtatTerminal etatTerminal() const { return {terminalX_, terminalY_, terminalAttribut_}; }
  void remettre(const EtatTerminal& pEtat);

  bool aChanger(const Ecran& pEcran, int x, int y) const;
  void peindre(std::string& pSortie, const Ecran& pEcran);
  // Writes the changed cell at x and, when the terminal repeats characters and that is shorter,
  // the run of the same cell after it, up to column pFin; gives the next column.
  int ecrireSuite(std::string& pSortie, const Ecran& pEcran, int x, int y, int pFin);
  // The cells from x to the end of the run of blanks of one colour that starts there, erased or
  // written, whichever costs fewer bytes up to the next cell to change; gives that cell's column.
  int effacerOuEcrire(std::string& pSortie, const Ecran& pEcran, int x, int y);
  // Erases the whole screen in the colours of the most common blank, when that and drawing the
  // rest cost fewer bytes than the diff alone.
  void peindreApresEffacementSiPlusCourt(std::string& pSortie, const Ecran& pEcran);
  void rapprocher(std::string& pSortie, int x, int y);
  void allerA(std::string& pSortie, int x, int y);
  void changerAttribut(std::string& pSortie, int pAttribut);
  void poserCellule(std::string& pSortie, int x, int y, const Cellule& pCellule);
  void placerCurseurTexte(std::string& pSortie, const Ecran& pEcran);

  std::array<Cellule, LARGEUR * HAUTEUR> affiche_{};
  CapacitesTerminal capacites_;
  bool sansCouleur_ = false;
  bool connu_ = false;
  int terminalX_ = 0;  // 0: the terminal's cursor position is not known
  int terminalY_ = 0;
  int terminalAttribut_ = -1;  // -1: not known
  bool curseurMontre_ = false;
};

// A renderer with no memory: every frame clears and repaints every cell. Only for comparison.
std::string trameNaive(const Ecran& pEcran);

}  // namespace plateforme
