#pragma once
// The game's one random sequence: seeded once, drawn by placement, the first player and the
// computer's shots.

#include <optional>

// Seeds with pGraine, or with the clock when there is none (a run without a seed set).
void initRandom(std::optional<unsigned> pGraine = std::nullopt);
int nombreAleatoire(int pMin, int pMax);
