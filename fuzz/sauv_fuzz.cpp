// Throws arbitrary bytes at the saved-game decoder. An accepted file must be a whole game that
// encodes to as many bytes and decodes again to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "modele/pile.hpp"
#include "modele/sauv.hpp"

namespace {

void exiger(bool pCondition) {
  if (!pCondition) std::abort();
}

void verifierPartie(const Tparam& pParam, std::size_t pTaille) {
  const int n = pParam.mNombreInstanceBateaux;
  exiger(n >= 1 && n <= 3);
  exiger(pParam.aCommence == 1 || pParam.aCommence == 2);
  for (const TJoueur* joueur : {pParam.joueur1.get(), pParam.joueur2.get()}) {
    exiger(joueur->nbCasesPrises == 14 * n);
    exiger(joueur->mBateauxDuJoueur.size() == static_cast<std::size_t>(4 * n));
    exiger(joueur->nomJoueur.size() <= TAILLE_NOM);
  }
  const int l1 = getLongPile(*pParam.joueur1->pileCoup);
  const int l2 = getLongPile(*pParam.joueur2->pileCoup);
  exiger(pTaille == static_cast<std::size_t>(46 + 320 * n + 8 * (l1 + l2)));
  exiger((l1 + l2 + pParam.aCommence) % 2 == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t pTaille) {
  const auto partie = decoderPartie(std::span(pOctets, pTaille));
  if (!partie) return 0;
  verifierPartie(*partie, pTaille);
  // What was accepted encodes whole; the filler and the bytes after a name's NUL carry nothing,
  // so it is the second encoding that must give the first one back.
  const auto premiere = encoderPartie(*partie);
  exiger(premiere && premiere->size() == pTaille);
  const auto relue = decoderPartie(*premiere);
  exiger(relue && encoderPartie(*relue) == premiere);
  return 0;
}
