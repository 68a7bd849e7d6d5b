#pragma once
// Counts drawn from a shot stack, and the best-scores file "meilleurs.dat".

#include <optional>
#include <vector>

#include "modele/fichier.hpp"
#include "modele/structures.hpp"

int getScore(const TPile& pPile);
int getTouche(const TPile& pPile);
int getNbTir(const TPile& pPile);

int getNbScore();
bool chargerScores(std::vector<TScore>& pScore);
// The table as it stands, before it is read: handed to ajouterScore, it makes the rewrite fail
// rather than lose a record another game wrote in between.
std::optional<IdentiteFichier> identiteScores();
bool ajouterScore(TScore pScore, std::vector<TScore>& pListeScores, int pNbScore,
                  bool pListeAgrandie,
                  const std::optional<IdentiteFichier>& pTableLue = std::nullopt);
void triListeScores(std::vector<TScore>& pListeScores, int pNbScore);
