#pragma once
// Ships on a board, the placement screens and the lines of the settings listing.

#include <string_view>

#include "modele/reglages.hpp"
#include "modele/structures.hpp"
#include "vue/disposition.hpp"

void afficherBateau(const TInfoBateau& pBateau, const Grille& pGrille, const Reglages& pReglages);
bool estAlea(const Reglages& pReglages);
void afficherInfoPlacement(int pNbBateau, std::string_view pNom, const Disposition& pDisposition);
// Blanks the name of the ship being placed, so that a shorter one does not show the end of it.
void effacerBateauCourant(const Disposition& pDisposition);
void afficherInfoBateau(const TInfoBateau& pB);
void afficherType(int pI);
