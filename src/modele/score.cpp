#include "modele/score.hpp"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "modele/fichier.hpp"

namespace {

const std::string FICHIER_SCORES = "meilleurs.dat";

// One record on disk: score, hits and shots, the 15-byte name and one filler byte.
constexpr std::size_t TAILLE_SCORE = 28;
// The game writes ten records at most. A table far beyond that is damaged: it is treated as
// unreadable rather than loaded into memory whole.
constexpr std::size_t TAILLE_TABLE_MAX = 1000 * TAILLE_SCORE;

// The best score a record can be beaten from: a table whose records all reach it is never
// entered into.
constexpr int SCORE_PLAFOND = 100;

TScore decoderScore(std::span<const std::uint8_t> pEnregistrement) {
  LecteurOctets lecteur(pEnregistrement);
  TScore score;
  score.score = lecteur.lireEntier().value_or(0);
  score.nbTouche = lecteur.lireEntier().value_or(0);
  score.nbTir = lecteur.lireEntier().value_or(0);
  score.nom =
      nomCoupe(lecteur.lireOctets(TAILLE_CHAMP_NOM).value_or(std::span<const std::uint8_t>{}));
  return score;
}

void encoderScore(Octets& pTampon, const TScore& pScore) {
  ajouterEntier(pTampon, pScore.score);
  ajouterEntier(pTampon, pScore.nbTouche);
  ajouterEntier(pTampon, pScore.nbTir);
  ajouterNom(pTampon, pScore.nom);
  ajouterOctet(pTampon, 0);
}

// The slot holding the lowest score below the ceiling, the first of equals; none when every
// record reaches the ceiling.
std::optional<std::size_t> plusBasScore(const std::vector<TScore>& pListe, std::size_t pNombre) {
  std::optional<std::size_t> choisi;
  int minimum = SCORE_PLAFOND;
  for (std::size_t i = 0; i < pNombre; ++i) {
    if (pListe[i].score < minimum) {
      minimum = pListe[i].score;
      choisi = i;
    }
  }
  return choisi;
}

}  // namespace

int getScore(const TPile& pPile) {
  return SCORE_PLAFOND - getNbTir(pPile);
}

// Both read the board the stack keeps rather than walk it.
int getTouche(const TPile& pPile) {
  return pPile.plateau.touches;
}

int getNbTir(const TPile& pPile) {
  return pPile.plateau.longueur;
}

std::optional<std::vector<TScore>> decoderScores(std::span<const std::uint8_t> pOctets) {
  if (pOctets.size() > TAILLE_TABLE_MAX) return std::nullopt;
  // A trailing incomplete record does not count.
  std::vector<TScore> table(pOctets.size() / TAILLE_SCORE);
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = decoderScore(pOctets.subspan(i * TAILLE_SCORE, TAILLE_SCORE));
  }
  return table;
}

Octets encoderScores(std::span<const TScore> pScores) {
  Octets octets;
  octets.reserve(pScores.size() * TAILLE_SCORE);
  for (const TScore& score : pScores) encoderScore(octets, score);
  return octets;
}

std::optional<std::vector<TScore>> lireScores() {
  const ContenuFichier fichier = lireFichier(FICHIER_SCORES, TAILLE_TABLE_MAX);
  if (fichier.etat != EtatLecture::lu) return std::nullopt;
  return decoderScores(fichier.octets);
}

int getNbScore() {
  const auto table = lireScores();
  return table ? static_cast<int>(table->size()) : -1;
}

bool chargerScores(std::vector<TScore>& pScore) {
  auto table = lireScores();
  // A list too short for the file would lose records when it is written back: refuse it whole.
  if (!table || table->size() > pScore.size()) return false;
  std::move(table->begin(), table->end(), pScore.begin());
  return true;
}

std::optional<IdentiteFichier> identiteScores() {
  return identiteFichier(FICHIER_SCORES);
}

bool placerScore(TScore pScore, std::vector<TScore>& pListeScores, int pNbScore,
                 bool pListeAgrandie) {
  if (pNbScore < 0 || std::cmp_greater(pNbScore, pListeScores.size())) return false;
  const auto nombre = static_cast<std::size_t>(pNbScore);
  if (pListeAgrandie) {
    if (nombre == 0) return false;
    pListeScores[nombre - 1] = std::move(pScore);
  } else if (const auto choisi = plusBasScore(pListeScores, nombre);
             choisi && pScore.score > pListeScores[*choisi].score) {
    pListeScores[*choisi] = std::move(pScore);
  }
  triListeScores(pListeScores, pNbScore);
  return true;
}

bool ajouterScore(TScore pScore, std::vector<TScore>& pListeScores, int pNbScore,
                  bool pListeAgrandie, const std::optional<IdentiteFichier>& pTableLue) {
  if (!placerScore(std::move(pScore), pListeScores, pNbScore, pListeAgrandie)) return false;
  const auto octets =
      encoderScores(std::span(pListeScores).first(static_cast<std::size_t>(pNbScore)));
  return remplacerFichier(FICHIER_SCORES, octets, pTableLue);
}

// A bubble sort: equal scores are never exchanged, so the older record stays above.
void triListeScores(std::vector<TScore>& pListeScores, int pNbScore) {
  const std::size_t nombre =
      std::min(pListeScores.size(), static_cast<std::size_t>(std::max(pNbScore, 0)));
  bool echange = true;
  while (echange) {
    echange = false;
    for (std::size_t i = 0; i + 1 < nombre; ++i) {
      if (pListeScores[i].score < pListeScores[i + 1].score) {
        std::swap(pListeScores[i], pListeScores[i + 1]);
        echange = true;
      }
    }
  }
}
