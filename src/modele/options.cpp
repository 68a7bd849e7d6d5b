#include "modele/options.hpp"

namespace {
OptionsJeu options;
}  // namespace

const OptionsJeu& optionsJeu() {
  return options;
}

void definirOptionsJeu(const OptionsJeu& pOptions) {
  options = pOptions;
}
