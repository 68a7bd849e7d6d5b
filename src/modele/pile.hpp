#pragma once
// A player's stack of shots, the most recent on top, and the board it keeps (TPlateauTirs): the one
// record of that player's shots. Only these functions change either, so the two never part.

#include <memory>

#include "modele/structures.hpp"

std::unique_ptr<TPile> creerPile();
bool pileVide(const TPile& pPile);
void empiler(TPile& pPile, TCoup pCoup);
int depiler(TPile& pPile);
int getLongPile(const TPile& pPile);
// Gives every shot at the cell this mark; a cell never shot, or a code off the board, is left
// alone.
void remarquerCase(TPile& pPile, int pCode, int pMarque);
