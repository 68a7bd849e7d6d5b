#include "vue/lietrec.hpp"

#include <string>

#include "modele/coniocouleur.hpp"

void tracerLigneH(int px, int py, int plargeur) {
  gotoxy(px, py);
  if (plargeur > 0) ecrire(std::string(static_cast<std::size_t>(plargeur), '-'));
}

void tracerLigneV(int px, int py, int phauteur) {
  for (int i = 0; i < phauteur; ++i) {
    gotoxy(px, py + i);
    ecrire("|");
  }
}

void tracerRectangle(int px, int py, int plargeur, int phauteur) {
  tracerLigneH(px + 1, py, plargeur - 1);
  tracerLigneV(px, py + 1, phauteur - 1);
  tracerLigneV(px + plargeur, py + 1, phauteur - 1);
  tracerLigneH(px + 1, py + phauteur, plargeur - 1);
}
