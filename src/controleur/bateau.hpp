#pragma once
// Placing the fleets, the settings dialogue, overlap and sinking over a whole fleet.

#include "modele/reglages.hpp"
#include "modele/structures.hpp"
#include "vue/disposition.hpp"

bool checkPos(const TJoueur& pJoueur, int pIdBateau);
// The placement choice: true when the player leaves placement to chance.
bool estAlea(const Reglages& pReglages);
void placerBateau(Tparam& pParametre, const Reglages& pReglages);
void placementAlea(TJoueur& pJoueur, int pNbBateau);
// With pEchap, Escape on any prompt leaves the settings as they were (SaisieAbandonnee).
void parametrerPartie(Tparam& pParam, bool pEchap = false);
void checkBateauxCoules(int pNbBateau, TJoueur& pTireur, TJoueur& pCible);
