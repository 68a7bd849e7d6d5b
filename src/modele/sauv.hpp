#pragma once
// The one saved game, "save.dat".

#include "modele/structures.hpp"

bool sauverPartie(const Tparam& pParam);
bool restaurerPartie(Tparam& pParam);
