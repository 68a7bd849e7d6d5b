#pragma once
// Turns the screen model into the bytes that bring a terminal up to date with it. It keeps what
// the terminal shows and sends only the cells that differ, with cursor moves and colour changes
// only where needed, the whole frame wrapped in synchronized output.

#include <array>
#include <string>

#include "plateforme/ecran.hpp"

namespace plateforme {

// SGR parameters of a console colour: console index (bit 0 blue, bit 2 red) to ANSI order
// (bit 0 red, bit 2 blue), the bright bit choosing the 90/100 range.
int codeAnsiAvantPlan(int pCouleur);
int codeAnsiArrierePlan(int pCouleur);

class Rendu {
 public:
  // The bytes of one frame; empty when the terminal already shows the screen.
  std::string trame(const Ecran& pEcran);
  // The terminal's content is unknown (start, resize, return from suspension): the next frame
  // repaints every cell.
  void invalider() { connu_ = false; }

 private:
  void allerA(std::string& pSortie, int x, int y);
  void changerAttribut(std::string& pSortie, int pAttribut);
  void poserCellule(std::string& pSortie, int x, int y, const Cellule& pCellule);
  void placerCurseurTexte(std::string& pSortie, const Ecran& pEcran);

  std::array<Cellule, LARGEUR * HAUTEUR> affiche_{};
  bool connu_ = false;
  int terminalX_ = 0;  // 0: the terminal's cursor position is not known
  int terminalY_ = 0;
  int terminalAttribut_ = -1;  // -1: not known
  bool curseurMontre_ = false;
};

// A renderer with no memory: every frame clears and repaints every cell. Only for comparison.
std::string trameNaive(const Ecran& pEcran);

}  // namespace plateforme
