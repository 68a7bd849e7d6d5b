#include "modele/carteTirs.hpp"

#include <algorithm>
#include <utility>

#include "modele/random.hpp"

std::vector<int> longueursAFlot(std::span<const TInfoBateau> pFlotte) {
  std::vector<int> longueurs;
  for (const TInfoBateau& bateau : pFlotte) {
    if (bateau.estCoule == 0) longueurs.push_back(bateau.mType);
  }
  return longueurs;
}

std::vector<int> casesInconnues(const CarteTirs& pCarte) {
  std::vector<int> codes;
  for (int l = 1; l <= TAILLE_GRILLE; ++l) {
    for (int c = 1; c <= TAILLE_GRILLE; ++c) {
      if (pCarte.etat(l, c) == EtatCase::inconnue) codes.push_back(codeCase(l, c));
    }
  }
  return codes;
}

void ligneParLigne(std::vector<int>& pCodes) {
  const auto place = [](int pCode) { return std::pair(ligneDeCode(pCode), colonneDeCode(pCode)); };
  std::sort(pCodes.begin(), pCodes.end(), [&](int a, int b) { return place(a) < place(b); });
  pCodes.erase(std::unique(pCodes.begin(), pCodes.end()), pCodes.end());
}

int tirerParmi(const std::vector<int>& pCodes) {
  if (pCodes.empty()) return -1;
  if (pCodes.size() == 1) return pCodes.front();
  return pCodes[static_cast<std::size_t>(nombreAleatoire(0, static_cast<int>(pCodes.size()) - 1))];
}
