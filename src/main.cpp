// KORVANE: a game of hidden fleets for the terminal.

#include <exception>

#include "menuPrincipal.hpp"
#include "plateforme/console.hpp"
#include "plateforme/terminal.hpp"

namespace {
constexpr int STATUT_ERREUR_INTERNE = 5;
}  // namespace

int main() try {
  plateforme::Terminal terminal;
  plateforme::SessionConsole session(terminal);
  int statut = 0;
  try {
    statut = programmePrincipal();
  } catch (const plateforme::SortieProgramme& sortie) {
    statut = sortie.statut;
  } catch (const plateforme::FinEntree&) {
    statut = plateforme::STATUT_FIN_ENTREE;
  } catch (const std::exception&) {
    // Out of memory or worse: still leave through here, so the terminal is given back.
    statut = STATUT_ERREUR_INTERNE;
  }
  terminal.presenter(plateforme::ecranCourant());
  return statut;
} catch (const std::exception&) {
  // The terminal could not be set up (it is left as it was) or failed on the way out.
  return STATUT_ERREUR_INTERNE;
}
