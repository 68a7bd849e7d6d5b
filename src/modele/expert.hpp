#pragma once
// The expert: for every open cell, how many placements of the ships still afloat could cover it.

#include <array>
#include <cstdint>
#include <vector>

#include "modele/carteTirs.hpp"

// Indexed by cell code; codes off the board stay 0.
using Densite = std::array<std::int64_t, TPlateauTirs::CODE_MAX + 1>;

// Placements that cross a miss or a sunk ship are impossible. Each hit not yet sunk that a
// placement covers multiplies its weight, so a ship once found outweighs every search.
Densite compterPlacements(const CarteTirs& pCarte, const std::vector<int>& pLongueursAFlot);
// The cell code to fire at next; -1 when every cell has been shot.
int choisirExpert(const CarteTirs& pCarte, const std::vector<int>& pLongueursAFlot);
