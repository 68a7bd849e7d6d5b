// KORVANE: a game of hidden fleets for the terminal.

#include <exception>
#include <iostream>

#include "ligneCommande.hpp"
#include "menuPrincipal.hpp"
#include "plateforme/console.hpp"
#include "plateforme/terminal.hpp"

namespace {
constexpr int STATUT_ERREUR_INTERNE = 5;
}  // namespace

int main(int argc, char* argv[]) {
  // Before the terminal is touched: help, version and bad options leave it as it was.
  const Lancement lancement = analyserLancement(argc, argv, std::cout, std::cerr);
  if (lancement.statutSortie) return *lancement.statutSortie;
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
}
