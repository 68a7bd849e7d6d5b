// Throws arbitrary bytes at the best-scores decoder, draws the table, and enters a win into it:
// counts must agree, names stay short, the table decodes from its own encoding unchanged, and the
// table with the win is sorted.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "modele/coniocouleur.hpp"
#include "modele/score.hpp"
#include "vue/score.hpp"

namespace {

void exiger(bool pCondition) {
  if (!pCondition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t pTaille) {
  auto liste = decoderScores(std::span(pOctets, pTaille));
  if (!liste) {
    exiger(pTaille > 1000 * 28);
    return 0;
  }
  const int nombre = static_cast<int>(liste->size());
  exiger(nombre == static_cast<int>(pTaille / 28));
  for (const TScore& s : *liste) exiger(s.nom.size() <= TAILLE_NOM);
  const auto relue = decoderScores(encoderScores(*liste));
  exiger(relue == liste);
  clrscr();
  afficherMeilleurScore(*liste, nombre, DISPOSITION_DECRITE);

  // A win of the same shape as the controller's: the table grows up to ten records.
  const bool agrandie = nombre < 10;
  if (agrandie) liste->push_back({});
  const int places = static_cast<int>(liste->size());
  const int tirs = static_cast<int>(pTaille % 40);
  exiger(placerScore({100 - tirs, 0, tirs, "fuzz"}, *liste, places, agrandie));
  for (std::size_t i = 1; i < liste->size(); ++i) {
    exiger((*liste)[i - 1].score >= (*liste)[i].score);
  }
  return 0;
}
