#pragma once
// A player's stack of shots, the most recent on top.

#include <memory>

#include "modele/structures.hpp"

std::unique_ptr<TPile> creerPile();
bool pileVide(const TPile& pPile);
void empiler(TPile& pPile, TCoup pCoup);
int depiler(TPile& pPile);
int getLongPile(const TPile& pPile);
// The board as the cells of the stack give it, walked from scratch.
TPlateauTirs reconstruirePlateau(const TPile& pPile);
