#include "modele/coup.hpp"

#include "modele/pile.hpp"

bool existePos(const TPile& pPile, int pPosition) {
  if (pPosition < 0 || pPosition > TPlateauTirs::CODE_MAX) return false;
  return pPile.plateau.nombre[static_cast<std::size_t>(pPosition)] > 0;
}

void setCouleurCoupPile(const std::vector<TInfoBateau>& pBateau, int pIdBateau, TPile& pPile,
                        int pEstCoule) {
  const int marque = pEstCoule != 0 ? MARQUE_COULE : MARQUE_TOUCHE;
  const TInfoBateau& bateau = pBateau[static_cast<std::size_t>(pIdBateau)];
  for (int j = 0; j < bateau.mType; ++j)
    remarquerCase(pPile, caseDuBateau(bateau.mCoordonnees, j), marque);
}
