#pragma once
// Entering a won game in the best-scores table.

#include "modele/structures.hpp"

bool enregistrerScore(const TJoueur& pJoueur);
