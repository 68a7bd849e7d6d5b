#pragma once
// Ships on a board, the placement screens and the lines of the settings listing.

#include <string_view>

#include "modele/reglages.hpp"
#include "modele/structures.hpp"

void afficherBateau(const TInfoBateau& pBateau, int pPositionXGrille, int pPositionYGrille,
                    const Reglages& pReglages);
bool estAlea();
void afficherInfoPlacement(int pNbBateau, std::string_view pNom);
void afficherInfoBateau(const TInfoBateau& pB);
void afficherType(int pI);
