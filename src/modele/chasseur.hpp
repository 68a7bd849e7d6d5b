#pragma once
// The hunter: a checkerboard search fitted to the smallest ship afloat, then the rest of a ship
// once it is hit.

#include <vector>

#include "modele/carteTirs.hpp"

// The cell code to fire at next; -1 when every cell has been shot.
int choisirChasseur(const CarteTirs& pCarte, const std::vector<int>& pLongueursAFlot);
