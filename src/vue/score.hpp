#pragma once
// A player's score panel in a game, and the best-scores table.

#include <vector>

#include "modele/structures.hpp"
#include "vue/disposition.hpp"

void afficherScore(int pScore, int pIdJoueur, int pNbTouche, int pNbTir,
                   const Disposition& pDisposition);
void afficherMeilleurScore(const std::vector<TScore>& pListeScores, int pNbScore,
                           const Disposition& pDisposition);
