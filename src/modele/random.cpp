#include "modele/random.hpp"

#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

// A seed asked for ahead of time; the next initRandom takes it instead of the clock.
std::optional<unsigned> grainePrevue;

}  // namespace

void initRandom() {
  const unsigned graine = grainePrevue.value_or(static_cast<unsigned>(std::time(nullptr)));
  grainePrevue.reset();
  std::srand(graine);
}

int nombreAleatoire(int pMin, int pMax) {
  return pMin + std::rand() % (pMax - pMin + 1);
}

void fixerGraine(unsigned pGraine) {
  grainePrevue = pGraine;
}
