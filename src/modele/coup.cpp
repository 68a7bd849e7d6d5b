#include "modele/coup.hpp"

bool existePos(const TPile& pPile, int pPosition) {
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    if (c->coup.position == pPosition) return true;
  }
  return false;
}

namespace {

void marquerCase(TPile& pPile, int pCase, int pMarque) {
  for (TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    if (c->coup.position == pCase) c->coup.couleur = pMarque;
  }
}

}  // namespace

void setCouleurCoupPile(const std::vector<TInfoBateau>& pBateau, int pIdBateau, TPile& pPile,
                        int pEstCoule) {
  const int marque = pEstCoule != 0 ? MARQUE_COULE : MARQUE_TOUCHE;
  const TInfoBateau& bateau = pBateau[static_cast<std::size_t>(pIdBateau)];
  for (int j = 0; j < bateau.mType; ++j)
    marquerCase(pPile, caseDuBateau(bateau.mCoordonnees, j), marque);
}
