#include "modele/chasseur.hpp"

#include <algorithm>

namespace {

struct Direction {
  int dLigne;
  int dColonne;
};
constexpr Direction DIRECTIONS[] = {{0, 1}, {1, 0}};  // along a row, down a column

bool estTouchee(const CarteTirs& pCarte, int pLigne, int pColonne) {
  return pCarte.dansGrille(pLigne, pColonne) && pCarte.etat(pLigne, pColonne) == EtatCase::touchee;
}

bool estInconnue(const CarteTirs& pCarte, int pLigne, int pColonne) {
  return pCarte.dansGrille(pLigne, pColonne) && pCarte.etat(pLigne, pColonne) == EtatCase::inconnue;
}

void ajouterSiInconnue(const CarteTirs& pCarte, int pLigne, int pColonne,
                       std::vector<int>& pCases) {
  if (estInconnue(pCarte, pLigne, pColonne)) pCases.push_back(indiceCase(pLigne, pColonne));
}

// The open cells just beyond both ends of every line of two or more hits not yet sunk.
std::vector<int> boutsDesLignes(const CarteTirs& pCarte) {
  std::vector<int> cases;
  for (int l = 1; l <= COTE_CARTE; ++l) {
    for (int c = 1; c <= COTE_CARTE; ++c) {
      for (const auto [dl, dc] : DIRECTIONS) {
        // Each line is taken from its first hit: one hit there, the next one hit too.
        if (!estTouchee(pCarte, l, c) || estTouchee(pCarte, l - dl, c - dc) ||
            !estTouchee(pCarte, l + dl, c + dc)) {
          continue;
        }
        int k = 1;
        while (estTouchee(pCarte, l + k * dl, c + k * dc)) ++k;
        ajouterSiInconnue(pCarte, l - dl, c - dc, cases);
        ajouterSiInconnue(pCarte, l + k * dl, c + k * dc, cases);
      }
    }
  }
  return cases;
}

bool estPossible(const CarteTirs& pCarte, int pLigne, int pColonne) {
  return estInconnue(pCarte, pLigne, pColonne) || estTouchee(pCarte, pLigne, pColonne);
}

// Cells a ship could still take, counted from (l, c) in one direction, the cell itself excluded.
int libres(const CarteTirs& pCarte, int pLigne, int pColonne, Direction pDir) {
  int k = 1;
  while (estPossible(pCarte, pLigne + k * pDir.dLigne, pColonne + k * pDir.dColonne)) ++k;
  return k - 1;
}

// The open neighbours of the hits not yet sunk, on the side where a ship through the hit has
// the most room.
std::vector<int> voisinsDesTouches(const CarteTirs& pCarte) {
  std::vector<int> cases;
  int meilleur = 0;
  for (int l = 1; l <= COTE_CARTE; ++l) {
    for (int c = 1; c <= COTE_CARTE; ++c) {
      if (!estTouchee(pCarte, l, c)) continue;
      for (const auto [dl, dc] : DIRECTIONS) {
        const int place = 1 + libres(pCarte, l, c, {dl, dc}) + libres(pCarte, l, c, {-dl, -dc});
        for (const int sens : {-1, 1}) {
          if (!estInconnue(pCarte, l + sens * dl, c + sens * dc) || place < meilleur) continue;
          if (place > meilleur) cases.clear();
          meilleur = place;
          cases.push_back(indiceCase(l + sens * dl, c + sens * dc));
        }
      }
    }
  }
  std::sort(cases.begin(), cases.end());
  cases.erase(std::unique(cases.begin(), cases.end()), cases.end());
  return cases;
}

// Open cells counted from (l, c) in one direction, the cell itself excluded.
int ouvertes(const CarteTirs& pCarte, int pLigne, int pColonne, Direction pDir) {
  int k = 1;
  while (estInconnue(pCarte, pLigne + k * pDir.dLigne, pColonne + k * pDir.dColonne)) ++k;
  return k - 1;
}

// How many ways a ship of this length could lie across the open cell, along a row or a column.
int placesDuBateau(const CarteTirs& pCarte, int pLigne, int pColonne, int pLongueur) {
  int places = 0;
  for (const auto [dl, dc] : DIRECTIONS) {
    const int avant = ouvertes(pCarte, pLigne, pColonne, {-dl, -dc});
    const int apres = ouvertes(pCarte, pLigne, pColonne, {dl, dc});
    // The ship's first cell lies from min(avant, L - 1) cells before this one to this one, and
    // its last cell no further than apres cells after it.
    const int premier = -std::min(avant, pLongueur - 1);
    const int dernier = std::min(0, apres - (pLongueur - 1));
    places += std::max(0, dernier - premier + 1);
  }
  return places;
}

// A ship of length L covers one cell of every class of (row + column) mod L, so one class is
// enough to find it; of that class, the cells where it could lie the most ways come first.
std::vector<int> casesDeChasse(const CarteTirs& pCarte, int pLongueur) {
  std::vector<int> cases;
  int meilleur = 1;
  for (int l = 1; l <= COTE_CARTE; ++l) {
    for (int c = 1; c <= COTE_CARTE; ++c) {
      if (!estInconnue(pCarte, l, c) || (l + c) % pLongueur != 0) continue;
      const int places = placesDuBateau(pCarte, l, c, pLongueur);
      if (places < meilleur) continue;
      if (places > meilleur) cases.clear();
      meilleur = places;
      cases.push_back(indiceCase(l, c));
    }
  }
  return cases;
}

}  // namespace

int choisirChasseur(const CarteTirs& pCarte, const std::vector<int>& pLongueursAFlot) {
  std::vector<int> cases = boutsDesLignes(pCarte);
  if (cases.empty()) cases = voisinsDesTouches(pCarte);
  if (cases.empty()) {
    const auto plusPetite = std::min_element(pLongueursAFlot.begin(), pLongueursAFlot.end());
    cases =
        casesDeChasse(pCarte, plusPetite == pLongueursAFlot.end() ? 1 : std::max(*plusPetite, 1));
  }
  if (cases.empty()) cases = casesInconnues(pCarte);
  return tirerParmi(cases);
}
