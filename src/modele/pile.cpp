#include "modele/pile.hpp"

std::unique_ptr<TPile> creerPile() {
  return std::make_unique<TPile>();
}

bool pileVide(const TPile& pPile) {
  return pPile.debut == nullptr;
}

namespace {

bool estCodeDuPlateau(int pCode) {
  return pCode >= 0 && pCode <= TPlateauTirs::CODE_MAX;
}

void poser(TPlateauTirs& pPlateau, const TCoup& pCoup) {
  ++pPlateau.longueur;
  if (estMarqueDeTouche(pCoup.couleur)) ++pPlateau.touches;
  if (!estCodeDuPlateau(pCoup.position)) return;
  const auto i = static_cast<std::size_t>(pCoup.position);
  ++pPlateau.nombre[i];
  pPlateau.marque[i] = static_cast<std::uint8_t>(pCoup.couleur);
}

}  // namespace

void empiler(TPile& pPile, TCoup pCoup) {
  poser(pPile.plateau, pCoup);
  auto cellule = std::make_unique<TCellule>();
  cellule->coup = pCoup;
  cellule->lien = std::move(pPile.debut);
  pPile.debut = std::move(cellule);
}

// Popping an empty stack is harmless: no caller should ask for it, and none can break it.
int depiler(TPile& pPile) {
  if (!pPile.debut) return 0;
  const int code = pPile.debut->coup.position;
  if (estMarqueDeTouche(pPile.debut->coup.couleur)) --pPile.plateau.touches;
  pPile.debut = std::move(pPile.debut->lien);
  --pPile.plateau.longueur;
  if (!estCodeDuPlateau(code)) return 0;
  const auto i = static_cast<std::size_t>(code);
  // A cell shot more than once (only a hand-made stack can hold one) keeps the mark of the shot
  // left on top of it.
  if (--pPile.plateau.nombre[i] == 0) {
    pPile.plateau.marque[i] = 0;
  } else {
    for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
      if (c->coup.position == code) {
        pPile.plateau.marque[i] = static_cast<std::uint8_t>(c->coup.couleur);
        break;
      }
    }
  }
  return 0;
}

int getLongPile(const TPile& pPile) {
  return pPile.plateau.longueur;
}

// Walks the stack only when a shot at the cell does not carry the mark yet: a ship's marks
// change when it sinks or an undo refloats it, not on every turn.
void remarquerCase(TPile& pPile, int pCode, int pMarque) {
  if (!estCodeDuPlateau(pCode)) return;
  const auto i = static_cast<std::size_t>(pCode);
  const int nombre = pPile.plateau.nombre[i];
  if (nombre == 0 || (nombre == 1 && pPile.plateau.marque[i] == pMarque)) return;
  for (TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    if (c->coup.position != pCode) continue;
    pPile.plateau.touches += estMarqueDeTouche(pMarque) - estMarqueDeTouche(c->coup.couleur);
    c->coup.couleur = pMarque;
  }
  pPile.plateau.marque[i] = static_cast<std::uint8_t>(pMarque);
}
