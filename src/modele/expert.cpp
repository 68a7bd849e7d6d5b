#include "modele/expert.hpp"

#include <algorithm>

namespace {

// Far above what every placement of every ship through one cell can add up to without a hit.
constexpr std::int64_t POIDS_PAR_TOUCHE = 1000;
constexpr int LONGUEUR_MAX = 5;

// Adds the placements of one ship length from every first cell, in both directions.
void compterLongueur(const CarteTirs& pCarte, int pLongueur, std::int64_t pNombre,
                     Densite& pDensite) {
  for (const auto [dl, dc] : DIRECTIONS) {
    for (int l = 1; l + dl * (pLongueur - 1) <= TAILLE_GRILLE; ++l) {
      for (int c = 1; c + dc * (pLongueur - 1) <= TAILLE_GRILLE; ++c) {
        std::int64_t poids = pNombre;
        bool possible = true;
        for (int j = 0; j < pLongueur && possible; ++j) {
          const EtatCase etat = pCarte.etat(l + j * dl, c + j * dc);
          possible = etat == EtatCase::inconnue || etat == EtatCase::touchee;
          if (etat == EtatCase::touchee) poids *= POIDS_PAR_TOUCHE;
        }
        if (!possible) continue;
        for (int j = 0; j < pLongueur; ++j) {
          pDensite[static_cast<std::size_t>(codeCase(l + j * dl, c + j * dc))] += poids;
        }
      }
    }
  }
}

}  // namespace

Densite compterPlacements(const CarteTirs& pCarte, const std::vector<int>& pLongueursAFlot) {
  Densite densite{};
  // Ships of one length share their placements: each length is counted once, times its ships.
  std::array<std::int64_t, LONGUEUR_MAX + 1> nombreParLongueur{};
  for (int longueur : pLongueursAFlot) {
    if (longueur >= 1 && longueur <= LONGUEUR_MAX)
      ++nombreParLongueur[static_cast<std::size_t>(longueur)];
  }
  for (int longueur = 1; longueur <= LONGUEUR_MAX; ++longueur) {
    const std::int64_t nombre = nombreParLongueur[static_cast<std::size_t>(longueur)];
    if (nombre > 0) compterLongueur(pCarte, longueur, nombre, densite);
  }
  // Only open cells can be fired at.
  for (int l = 1; l <= TAILLE_GRILLE; ++l) {
    for (int c = 1; c <= TAILLE_GRILLE; ++c) {
      if (pCarte.etat(l, c) != EtatCase::inconnue)
        densite[static_cast<std::size_t>(codeCase(l, c))] = 0;
    }
  }
  return densite;
}

int choisirExpert(const CarteTirs& pCarte, const std::vector<int>& pLongueursAFlot) {
  const Densite densite = compterPlacements(pCarte, pLongueursAFlot);
  const std::int64_t meilleur = *std::max_element(densite.begin(), densite.end());
  if (meilleur == 0) return tirerParmi(casesInconnues(pCarte));
  std::vector<int> meilleures;  // row by row, the order the draw is offered cells in
  for (int l = 1; l <= TAILLE_GRILLE; ++l) {
    for (int c = 1; c <= TAILLE_GRILLE; ++c) {
      if (densite[static_cast<std::size_t>(codeCase(l, c))] == meilleur)
        meilleures.push_back(codeCase(l, c));
    }
  }
  return tirerParmi(meilleures);
}
