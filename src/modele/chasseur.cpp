#include "modele/chasseur.hpp"

#include <algorithm>
#include <utility>

namespace {

bool estTouchee(const CarteTirs& pCarte, int pLigne, int pColonne) {
  return pCarte.dansGrille(pLigne, pColonne) && pCarte.etat(pLigne, pColonne) == EtatCase::touchee;
}

bool estInconnue(const CarteTirs& pCarte, int pLigne, int pColonne) {
  return pCarte.dansGrille(pLigne, pColonne) && pCarte.etat(pLigne, pColonne) == EtatCase::inconnue;
}

void ajouterSiInconnue(const CarteTirs& pCarte, int pLigne, int pColonne,
                       std::vector<int>& pCases) {
  if (estInconnue(pCarte, pLigne, pColonne)) pCases.push_back(codeCase(pLigne, pColonne));
}

// The open cells just beyond both ends of every line of two or more hits not yet sunk.
std::vector<int> boutsDesLignes(const CarteTirs& pCarte) {
  std::vector<int> cases;
  for (int l = 1; l <= TAILLE_GRILLE; ++l) {
    for (int c = 1; c <= TAILLE_GRILLE; ++c) {
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
  // A cell can end two lines.
  ligneParLigne(cases);
  return cases;
}

// Cells counted from (l, c) in one direction, the cell itself excluded, while they are open, or
// open or hit when pTouchesComprises: the room a ship has there.
int enfilade(const CarteTirs& pCarte, int pLigne, int pColonne, Direction pDir,
             bool pTouchesComprises) {
  int k = 1;
  for (;; ++k) {
    const int l = pLigne + k * pDir.dLigne;
    const int c = pColonne + k * pDir.dColonne;
    if (!estInconnue(pCarte, l, c) && !(pTouchesComprises && estTouchee(pCarte, l, c))) break;
  }
  return k - 1;
}

// The cells of the highest score offered, in the order offered; none below pPlancher.
class Meilleures {
 public:
  explicit Meilleures(int pPlancher) : score_(pPlancher) {}
  void proposer(int pIndice, int pScore) {
    if (pScore < score_) return;
    if (pScore > score_) cases_.clear();
    score_ = pScore;
    cases_.push_back(pIndice);
  }
  std::vector<int>& cases() { return cases_; }

 private:
  int score_;
  std::vector<int> cases_;
};

// The open neighbours of the hits not yet sunk, on the side where a ship through the hit has
// the most room.
std::vector<int> voisinsDesTouches(const CarteTirs& pCarte) {
  Meilleures meilleures(0);
  for (int l = 1; l <= TAILLE_GRILLE; ++l) {
    for (int c = 1; c <= TAILLE_GRILLE; ++c) {
      if (!estTouchee(pCarte, l, c)) continue;
      for (const auto [dl, dc] : DIRECTIONS) {
        const int place =
            1 + enfilade(pCarte, l, c, {dl, dc}, true) + enfilade(pCarte, l, c, {-dl, -dc}, true);
        for (const int sens : {-1, 1}) {
          if (estInconnue(pCarte, l + sens * dl, c + sens * dc)) {
            meilleures.proposer(codeCase(l + sens * dl, c + sens * dc), place);
          }
        }
      }
    }
  }
  ligneParLigne(meilleures.cases());
  return std::move(meilleures.cases());
}

// How many ways a ship of this length could lie across the open cell, along a row or a column.
int placesDuBateau(const CarteTirs& pCarte, int pLigne, int pColonne, int pLongueur) {
  int places = 0;
  for (const auto [dl, dc] : DIRECTIONS) {
    const int avant = enfilade(pCarte, pLigne, pColonne, {-dl, -dc}, false);
    const int apres = enfilade(pCarte, pLigne, pColonne, {dl, dc}, false);
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
  Meilleures meilleures(1);
  for (int l = 1; l <= TAILLE_GRILLE; ++l) {
    for (int c = 1; c <= TAILLE_GRILLE; ++c) {
      if (estInconnue(pCarte, l, c) && (l + c) % pLongueur == 0) {
        meilleures.proposer(codeCase(l, c), placesDuBateau(pCarte, l, c, pLongueur));
      }
    }
  }
  return std::move(meilleures.cases());
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
