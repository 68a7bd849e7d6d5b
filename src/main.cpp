// KORVANE: a game of hidden fleets for the terminal.

#include "menuPrincipal.hpp"
#include "plateforme/console.hpp"
#include "plateforme/terminal.hpp"

int main() {
  plateforme::Terminal terminal;
  plateforme::SessionConsole session(terminal);
  int statut = 0;
  try {
    statut = programmePrincipal();
  } catch (const plateforme::SortieProgramme& sortie) {
    statut = sortie.statut;
  } catch (const plateforme::FinEntree&) {
    statut = plateforme::STATUT_FIN_ENTREE;
  }
  terminal.presenter(plateforme::ecranCourant());
  return statut;
}
