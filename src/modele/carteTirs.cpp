#include "modele/carteTirs.hpp"

#include "modele/random.hpp"

CarteTirs lireCarte(const TPile& pTirs) {
  CarteTirs carte;
  for (const TCellule* c = pTirs.debut.get(); c != nullptr; c = c->lien.get()) {
    const int code = c->coup.position;
    if (code < codeCase(1, 1) || code > codeCase(COTE_CARTE, COTE_CARTE)) continue;
    const EtatCase etat = c->coup.couleur == MARQUE_RATE    ? EtatCase::ratee
                          : c->coup.couleur == MARQUE_COULE ? EtatCase::coulee
                                                            : EtatCase::touchee;
    carte.cases[static_cast<std::size_t>(indiceCase(ligneDeCode(code), colonneDeCode(code)))] =
        etat;
  }
  return carte;
}

std::vector<int> longueursAFlot(std::span<const TInfoBateau> pFlotte) {
  std::vector<int> longueurs;
  for (const TInfoBateau& bateau : pFlotte) {
    if (bateau.estCoule == 0) longueurs.push_back(bateau.mType);
  }
  return longueurs;
}

std::vector<int> casesInconnues(const CarteTirs& pCarte) {
  std::vector<int> indices;
  for (int i = 0; i < NB_CASES_CARTE; ++i) {
    if (pCarte.cases[static_cast<std::size_t>(i)] == EtatCase::inconnue) indices.push_back(i);
  }
  return indices;
}

int tirerParmi(const std::vector<int>& pIndices) {
  if (pIndices.empty()) return -1;
  if (pIndices.size() == 1) return pIndices.front();
  return pIndices[static_cast<std::size_t>(
      nombreAleatoire(0, static_cast<int>(pIndices.size()) - 1))];
}
