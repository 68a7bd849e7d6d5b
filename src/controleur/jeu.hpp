#pragma once
// One game: turns, aiming, shots, undo, save and quit.

#include "modele/reglages.hpp"
#include "modele/structures.hpp"
#include "vue/disposition.hpp"

int jouer(Tparam& pParam, int estReprise, const Reglages& pReglages);
void tir(TJoueur& pTireur, const TJoueur& pCible, int* pTour, int pPosition);
bool tirPossible(const TPile& pPile, int pPosition);
bool deplacerCurseur(int* pX, int* pY, int pTouche);
int estGagne(const Tparam& pParam);
// Undo on the human's turn: the last exchange, or the computer's only shot. Never pops an empty
// stack; leaves *pTour at pParam.aCommence + the shots left. Blanks both boards for the redraw.
void annulerCoup(Tparam& pParam, int* pTour, const Disposition& pEcran);
