#pragma once
// Games set up as the game itself would lay them, for the tests and the benchmarks.

#include "modele/structures.hpp"

// pParam emptied, then n ships of each type, all named "b" in colour 1, both fleets laid by the
// game's own random placement from this seed (the computer's first).
void flottesAuHasard(Tparam& pParam, int pN, unsigned pGraine);
