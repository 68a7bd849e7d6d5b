#pragma once
// Counts drawn from a shot stack, and the best-scores file "meilleurs.dat".

#include <vector>

#include "modele/structures.hpp"

int getScore(const TPile& pPile);
int getTouche(const TPile& pPile);
int getNbTir(const TPile& pPile);

int getNbScore();
bool chargerScores(std::vector<TScore>& pScore);
bool ajouterScore(TScore pScore, std::vector<TScore>& pListeScores, int pNbScore,
                  bool pListeAgrandie);
void triListeScores(std::vector<TScore>& pListeScores, int pNbScore);
