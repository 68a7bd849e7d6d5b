#include "controleur/bateau.hpp"

#include <cstddef>

#include "modele/bateau.hpp"
#include "modele/coup.hpp"

// --- Overlap and sinking over a fleet ---

bool checkPos(const TJoueur& pJoueur, int pIdBateau) {
  return estLibre(pJoueur, pIdBateau);
}

void checkBateauxCoules(int pNbBateau, TJoueur& pTireur, TJoueur& pCible) {
  for (int i = 0; i < pNbBateau; ++i) {
    const bool coule = estCoule(i, pTireur, pCible);
    pCible.mBateauxDuJoueur[static_cast<std::size_t>(i)].estCoule = coule ? 1 : 0;
    setCouleurCoupPile(pCible.mBateauxDuJoueur, i, *pTireur.pileCoup, coule ? 1 : 0);
  }
}
