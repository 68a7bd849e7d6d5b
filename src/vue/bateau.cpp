#include "vue/bateau.hpp"

#include "modele/coniocouleur.hpp"
#include "vue/vueGrille.hpp"

// --- A ship on a board ---

// A ship shows as a run of blank cells on its own colour; a sunk one is left to its shot marks.
void afficherBateau(const TInfoBateau& pBateau, int pPositionXGrille, int pPositionYGrille) {
  if (pBateau.estCoule != 0) return;
  int ligne = pBateau.mCoordonnees.mLatitude;
  int colonne = pBateau.mCoordonnees.mLongitude;
  for (int j = 0; j < pBateau.mType; ++j) {
    afficherCaractereDansGrille(BLACK, pBateau.mCouleur, ' ', pPositionXGrille, pPositionYGrille,
                                ligne, colonne);
    if (pBateau.mCoordonnees.mDirection == horizontal) {
      ++colonne;
    } else {
      ++ligne;
    }
  }
}
