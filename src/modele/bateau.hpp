#pragma once
// One ship: accessors, committing its cells, placement moves and sinking.

#include <string>

#include "modele/structures.hpp"

int getCouleur(const TInfoBateau& pB);
EType getForme(const TInfoBateau& pB);
std::string getBNom(const TInfoBateau& pB);
TInfoBateau& getInfoBateau(int pNum, Tparam& pParam);
const TInfoBateau& getInfoBateau(int pNum, const Tparam& pParam);
int getNbCases(const Tparam& pParam);

// True when no cell of ship pIdBateau is among the owner's committed cells. Touching is allowed.
bool estLibre(const TJoueur& pJoueur, int pIdBateau);
void enregistrerPos(TJoueur& pJoueur, int pIdBateau);
// The key that turns the ship being placed (R is read as it too).
inline constexpr int TOUCHE_TOURNER = 'r';
// Moves (arrows), turns (TOUCHE_TOURNER) or commits (Enter, when free) ship pIdBateau; true once
// it is committed.
bool actionBateau(TJoueur& pJoueur, int pIdBateau, int pAction);
bool estCoule(int pIdBateau, const TJoueur& pTireur, const TJoueur& pCible);
