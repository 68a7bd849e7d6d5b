#pragma once
// Searching and re-marking the shots of a stack.

#include <vector>

#include "modele/structures.hpp"

bool existePos(const TPile& pPile, int pPosition);
void setCouleurCoupPile(const std::vector<TInfoBateau>& pBateau, int pIdBateau, TPile& pPile,
                        int pEstCoule);
