#include "modele/random.hpp"

#include <cstdlib>
#include <ctime>

void initRandom(std::optional<unsigned> pGraine) {
  std::srand(pGraine.value_or(static_cast<unsigned>(std::time(nullptr))));
}

int nombreAleatoire(int pMin, int pMax) {
  return pMin + std::rand() % (pMax - pMin + 1);
}
