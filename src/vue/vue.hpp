#pragma once
// The text-file screens, the game's shots, names and key line, the name prompt and the
// settings listing.

#include <string>
#include <string_view>

#include "modele/structures.hpp"

void afficherStartScreen();
void afficherRegles();

// The character of a shot: an X; with readable marks '.' for a miss, 'X' for a hit, '#' for a hit
// on a sunk ship.
char glypheDuTir(int pMarque);
void afficherTirs(const TPile& pPile, int pHaut, int pGauche);
void afficherNom(std::string_view pNom, int pIdJoueur);
void afficherTouchesJeu();

std::string saisirPseudo();
void afficherParam(const Tparam& pParam);
void afficherCouleur(int pI);
