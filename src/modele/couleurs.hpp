#pragma once
// The 16 console colours and their French names.

#include <array>
#include <string>

#include "modele/coniocouleur.hpp"

struct Couleur {
  char nom[14];
  COLORS num;
};

extern const std::array<Couleur, 16> tableCouleurs;

Couleur getCouleurFromNum(int pI);
COLORS getColor(Couleur pCouleur);
std::string getNom(Couleur pCouleur);
