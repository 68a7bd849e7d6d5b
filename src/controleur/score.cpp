#include "controleur/score.hpp"

#include <vector>

#include "modele/score.hpp"

namespace {

// A table keeps growing by one record per win up to this size, and then only replaces its lowest.
constexpr int TAILLE_TABLE = 10;

}  // namespace

bool enregistrerScore(const TJoueur& pJoueur) {
  if (!pJoueur.pileCoup) return false;
  const TPile& pile = *pJoueur.pileCoup;
  TScore nouveau{getScore(pile), getTouche(pile), getNbTir(pile), couperNom(pJoueur.nomJoueur)};

  // A missing or unreadable table is never created here: recording fails. The record is added to
  // the table as read here, and only if no other game has changed it since.
  const auto tableLue = identiteScores();
  const int stockes = getNbScore();
  if (!tableLue || stockes < 0) return false;
  const bool agrandie = stockes < TAILLE_TABLE;
  const int places = agrandie ? stockes + 1 : stockes;
  std::vector<TScore> liste(static_cast<std::size_t>(places));
  if (!chargerScores(liste)) return false;
  return ajouterScore(std::move(nouveau), liste, places, agrandie, tableLue);
}
