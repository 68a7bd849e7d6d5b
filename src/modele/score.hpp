#pragma once
// Counts drawn from a shot stack, and the best-scores file "meilleurs.dat".

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "modele/fichier.hpp"
#include "modele/structures.hpp"

int getScore(const TPile& pPile);
int getTouche(const TPile& pPile);
int getNbTir(const TPile& pPile);

// The table these bytes hold, its records in order; a trailing incomplete record is dropped, and
// a name with no NUL is cut to 14 bytes. Nothing for a table far longer than the game writes.
std::optional<std::vector<TScore>> decoderScores(std::span<const std::uint8_t> pOctets);
Octets encoderScores(std::span<const TScore> pScores);

// The table on disk, read once; nothing when it is missing or unreadable.
std::optional<std::vector<TScore>> lireScores();
int getNbScore();
bool chargerScores(std::vector<TScore>& pScore);
// The table as it stands, before it is read: handed to ajouterScore, it makes the rewrite fail
// rather than lose a record another game wrote in between.
std::optional<IdentiteFichier> identiteScores();
// Enters pScore in the first pNbScore slots of the list, kept sorted: into the last slot when
// the list was grown for it, else in place of the lowest score it beats. False for a count the
// list cannot hold.
bool placerScore(TScore pScore, std::vector<TScore>& pListeScores, int pNbScore,
                 bool pListeAgrandie);
// placerScore, then the first pNbScore slots written as the table.
bool ajouterScore(TScore pScore, std::vector<TScore>& pListeScores, int pNbScore,
                  bool pListeAgrandie,
                  const std::optional<IdentiteFichier>& pTableLue = std::nullopt);
void triListeScores(std::vector<TScore>& pListeScores, int pNbScore);
