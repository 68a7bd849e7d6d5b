#pragma once
// Placing the fleets, the settings dialogue, overlap and sinking over a whole fleet.

#include "modele/reglages.hpp"
#include "modele/structures.hpp"

bool checkPos(const TJoueur& pJoueur, int pIdBateau);
void placerBateau(Tparam& pParametre, const Reglages& pReglages);
void placementAlea(TJoueur& pJoueur, int pNbBateau);
void parametrerPartie(Tparam& pParam);
void checkBateauxCoules(int pNbBateau, TJoueur& pTireur, TJoueur& pCible);
