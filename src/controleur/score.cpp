#include "controleur/score.hpp"

#include <cstddef>
#include <utility>
#include <vector>

#include "modele/score.hpp"

namespace {

// A table keeps growing by one record per win up to this size, and then only replaces its lowest.
constexpr std::size_t TAILLE_TABLE = 10;

}  // namespace

bool enregistrerScore(const TJoueur& pJoueur) {
  if (!pJoueur.pileCoup) return false;
  const TPile& pile = *pJoueur.pileCoup;
  TScore nouveau{getScore(pile), getTouche(pile), getNbTir(pile), couperNom(pJoueur.nomJoueur)};

  // A missing or unreadable table is never created here: recording fails. The record is added to
  // the table as read here, and only if no other game has changed it since.
  const auto tableLue = identiteScores();
  auto liste = lireScores();
  if (!tableLue || !liste) return false;
  const bool agrandie = liste->size() < TAILLE_TABLE;
  if (agrandie) liste->emplace_back();
  const int places = static_cast<int>(liste->size());
  return ajouterScore(std::move(nouveau), *liste, places, agrandie, tableLue);
}
