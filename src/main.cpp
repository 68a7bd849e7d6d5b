// KORVANE: a game of hidden fleets for the terminal.

#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "controleur/jeu.hpp"
#include "ligneCommande.hpp"
#include "menuPrincipal.hpp"
#include "plateforme/console.hpp"
#include "plateforme/terminal.hpp"

namespace {
constexpr int STATUT_ERREUR_INTERNE = 5;

// The whole game in the terminal; the terminal is given back when this returns. A message for
// the way out goes to pMessage, to be printed on the restored terminal.
int jouerDansLeTerminal(plateforme::OptionsTerminal pOptions, std::string& pMessage) try {
  plateforme::Terminal terminal(pOptions);
  plateforme::SessionConsole session(terminal);
  int statut = 0;
  try {
    statut = programmePrincipal();
  } catch (const plateforme::SortieProgramme& sortie) {
    statut = sortie.statut;
    pMessage = sortie.message;
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

// Sets the run's options, NO_COLOR included; gives the terminal's share of them.
plateforme::OptionsTerminal appliquerOptions(Options pOptions) {
  plateforme::OptionsTerminal terminal = 0;
  // NO_COLOR, set and not empty: no colour sent, the meaning carried by glyphs and reverse video.
  const char* sansCouleur = std::getenv("NO_COLOR");
  if (sansCouleur != nullptr && *sansCouleur != '\0') {
    pOptions.jeu.marques = true;
    terminal |= plateforme::OPTION_SANS_COULEUR;
  }
  if (pOptions.jeu.souris) terminal |= plateforme::OPTION_SOURIS;
  definirOptionsJeu(pOptions.jeu);
  definirNiveauOrdinateur(pOptions.niveau);
  return terminal;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before the terminal is touched: help, version and bad options leave it as it was.
  const Lancement lancement = analyserLancement(argc, argv, std::cout, std::cerr);
  if (lancement.statutSortie) return *lancement.statutSortie;
  // The installed command asks this first, so that a bad option leaves no data folder behind.
  if (std::getenv("KORVANE_VERIFIER_OPTIONS") != nullptr) return 0;
  std::string message;
  const int statut = jouerDansLeTerminal(appliquerOptions(lancement.options), message);
  if (!message.empty()) {
    message += '\n';
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, message.data(), message.size());
  }
  return statut;
}
