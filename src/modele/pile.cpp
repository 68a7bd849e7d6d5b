#include "modele/pile.hpp"

std::unique_ptr<TPile> creerPile() {
  return std::make_unique<TPile>();
}

bool pileVide(const TPile& pPile) {
  return pPile.debut == nullptr;
}

void empiler(TPile& pPile, TCoup pCoup) {
  auto cellule = std::make_unique<TCellule>();
  cellule->coup = pCoup;
  cellule->lien = std::move(pPile.debut);
  pPile.debut = std::move(cellule);
}

// Popping an empty stack is harmless: no caller should ask for it, and none can break it.
int depiler(TPile& pPile) {
  if (pPile.debut) pPile.debut = std::move(pPile.debut->lien);
  return 0;
}

int getLongPile(const TPile& pPile) {
  int longueur = 0;
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) ++longueur;
  return longueur;
}
