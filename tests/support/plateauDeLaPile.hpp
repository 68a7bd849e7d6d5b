#pragma once
// The board a stack's cells give, walked from scratch apart from pile.cpp: what it keeps.

#include "modele/structures.hpp"

inline TPlateauTirs reconstruirePlateau(const TPile& pPile) {
  TPlateauTirs plateau;
  // From the top: a cell shot more than once shows its latest shot's mark.
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    ++plateau.longueur;
    if (estMarqueDeTouche(c->coup.couleur)) ++plateau.touches;
    if (c->coup.position < 0 || c->coup.position > TPlateauTirs::CODE_MAX) continue;
    const auto i = static_cast<std::size_t>(c->coup.position);
    if (plateau.nombre[i]++ == 0) plateau.marque[i] = static_cast<std::uint8_t>(c->coup.couleur);
  }
  return plateau;
}
