// KORVANE: a game of hidden fleets for the terminal.

#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "ligneCommande.hpp"
#include "menuPrincipal.hpp"
#include "plateforme/console.hpp"
#include "plateforme/fichiers.hpp"
#include "plateforme/langue.hpp"
#include "plateforme/terminal.hpp"
#include "statuts.hpp"

namespace {

// The whole game in the terminal; the terminal is given back when this returns. A message for
// the way out goes to pMessage, to be printed on the restored terminal.
int jouerDansLeTerminal(const Reglages& pReglages, std::string& pMessage) try {
  plateforme::OptionsTerminal options = 0;
  if (pReglages.sansCouleur) options |= plateforme::OPTION_SANS_COULEUR;
  if (pReglages.souris) options |= plateforme::OPTION_SOURIS;
  if (pReglages.vi) options |= plateforme::OPTION_VI;
  if (pReglages.compact) options |= plateforme::OPTION_COMPACT;
  plateforme::Terminal terminal(options);
  plateforme::SessionConsole session(terminal);
  int statut = STATUT_NORMAL;
  try {
    statut = programmePrincipal(pReglages);
  } catch (const plateforme::SortieProgramme& sortie) {
    statut = sortie.statut;
    pMessage = sortie.message;
  } catch (const plateforme::FinEntree&) {
    statut = STATUT_FIN_ENTREE;
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

// NO_COLOR, set and not empty: no colour sent, the meaning carried by glyphs and reverse video.
void appliquerSansCouleur(Reglages& pReglages) {
  const char* sansCouleur = std::getenv("NO_COLOR");
  if (sansCouleur == nullptr || *sansCouleur == '\0') return;
  pReglages.sansCouleur = true;
  pReglages.marques = true;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before the terminal is touched: help, version, a check and bad options leave it as it was.
  Lancement lancement = analyserLancement(argc, argv, std::cout, std::cerr);
  if (lancement.statutSortie) return *lancement.statutSortie;
  appliquerSansCouleur(lancement.reglages);
  // Only a chosen language touches the locale: without one the player's LANG changes nothing.
  const std::string_view langue = langueDe(lancement.reglages);
  if (!langue.empty() && !plateforme::choisirLangue(langue, plateforme::dossierCatalogues())) {
    std::cerr << "korvane: no catalogue for the language '" << langue << "' in "
              << plateforme::dossierCatalogues() << "\n";
    return STATUT_OPTION_INVALIDE;
  }
  // Nothing at all is sent into a pipe or to a terminal that cannot show the game.
  if (const auto raison = plateforme::terminalInutilisable()) {
    std::cerr << "korvane: " << *raison << "\n";
    return STATUT_SANS_TERMINAL;
  }
  std::string message;
  const int statut = jouerDansLeTerminal(lancement.reglages, message);
  if (!message.empty()) {
    message += '\n';
    plateforme::ecrireTout(STDERR_FILENO, message);
  }
  return statut;
}
