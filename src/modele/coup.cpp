#include "modele/coup.hpp"

bool existePos(const TPile& pPile, int pPosition) {
  if (pPosition < 0 || pPosition > TPlateauTirs::CODE_MAX) return false;
  return pPile.plateau.nombre[static_cast<std::size_t>(pPosition)] > 0;
}

namespace {

// Walks the stack only when a shot at the cell does not carry the mark yet: a ship's marks
// change when it sinks or an undo refloats it, not on every turn.
void marquerCase(TPile& pPile, int pCase, int pMarque) {
  if (pCase < 0 || pCase > TPlateauTirs::CODE_MAX) return;
  const auto i = static_cast<std::size_t>(pCase);
  const int nombre = pPile.plateau.nombre[i];
  if (nombre == 0 || (nombre == 1 && pPile.plateau.marque[i] == pMarque)) return;
  for (TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    if (c->coup.position != pCase) continue;
    pPile.plateau.touches += estMarqueDeTouche(pMarque) - estMarqueDeTouche(c->coup.couleur);
    c->coup.couleur = pMarque;
  }
  pPile.plateau.marque[i] = static_cast<std::uint8_t>(pMarque);
}

}  // namespace

void setCouleurCoupPile(const std::vector<TInfoBateau>& pBateau, int pIdBateau, TPile& pPile,
                        int pEstCoule) {
  const int marque = pEstCoule != 0 ? MARQUE_COULE : MARQUE_TOUCHE;
  const TInfoBateau& bateau = pBateau[static_cast<std::size_t>(pIdBateau)];
  for (int j = 0; j < bateau.mType; ++j)
    marquerCase(pPile, caseDuBateau(bateau.mCoordonnees, j), marque);
}
