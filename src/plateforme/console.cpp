#include "plateforme/console.hpp"

namespace plateforme {
namespace {

// A device that has no keys at all: used when nothing is installed, so that a stray read ends
// like an exhausted input instead of touching a null pointer.
class SansPeripherique final : public Peripherique {
 public:
  int lireCode(const Ecran&) override { throw FinEntree{}; }
  void presenter(const Ecran&) override {}
};

// The console of the run: the one screen model and the device installed to show it.
SansPeripherique aucun;        // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
Ecran ecran;                   // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
Peripherique* actif = &aucun;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
std::vector<std::function<void()>>
    redessins;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

}  // namespace

SessionConsole::SessionConsole(Peripherique& pPeripherique) : precedent_(actif) {
  actif = &pPeripherique;
  ecran = Ecran{};
}

SessionConsole::~SessionConsole() {
  actif = precedent_;
}

Ecran& ecranCourant() {
  return ecran;
}
Peripherique& peripheriqueCourant() {
  return *actif;
}
std::vector<std::function<void()>>& redessinsCourants() {
  return redessins;
}

}  // namespace plateforme
