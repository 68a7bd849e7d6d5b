#pragma once
// The 16 console colours and their French names.

#include <array>
#include <string>

#include "modele/coniocouleur.hpp"

struct Couleur {
  const char* nom;  // the described name, and its message id
  COLORS num;
};

extern const std::array<Couleur, 16> tableCouleurs;

Couleur getCouleurFromNum(int pI);
COLORS getColor(Couleur pCouleur);
std::string getNom(Couleur pCouleur);
// The name of colour pI as the player reads it, in the run's language.
std::string nomCouleur(int pI);
