#pragma once
// The game's one random sequence: seeded once, drawn by placement, the first player and the
// computer's shots.

void initRandom();
int nombreAleatoire(int pMin, int pMax);
// Makes the next initRandom seed with pGraine instead of the clock (tests, benchmarks).
void fixerGraine(unsigned pGraine);
