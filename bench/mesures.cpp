#include "mesures.hpp"

#include "comparaisonNcurses.hpp"
#include "plateforme/rendu.hpp"

Trames mesurerTrames(const std::vector<plateforme::Ecran>& pVues) {
  Trames trames;
  plateforme::Rendu rendu;
  plateforme::Rendu renduEffacant(plateforme::CapacitesTerminal{.effaceEnCouleur = true});
  plateforme::Rendu renduXterm(
      plateforme::CapacitesTerminal{.effaceEnCouleur = true, .repete = true});
  for (const auto& vue : pVues) {
    trames.octets.push_back(rendu.trame(vue).size());
    trames.effaces.push_back(renduEffacant.trame(vue).size());
    trames.xterm.push_back(renduXterm.trame(vue).size());
    trames.naifs.push_back(plateforme::trameNaive(vue).size());
  }
  trames.ncurses = octetsNcurses(pVues);
  return trames;
}
