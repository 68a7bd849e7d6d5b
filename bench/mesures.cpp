#include "mesures.hpp"

#include <cstdlib>

#include "comparaisonNcurses.hpp"
#include "controleur/bateau.hpp"
#include "modele/parametre.hpp"
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

void partiePlacee(Tparam& pParam, int pN, unsigned pGraine) {
  std::srand(pGraine);
  libererParam(pParam);
  newTParam(pN, pParam);
  const EType types[] = {remorqueur, porteAvion, sousMarin, cargot};
  int id = 0;
  for (int joueur = 0; joueur < 2; ++joueur) {
    for (EType type : types) {
      for (int k = 0; k < pN; ++k) setIemeInfoBateauTParam(id++, pParam, "b", 1, type);
    }
  }
  placementAlea(*pParam.joueur2, 4 * pN);
  placementAlea(*pParam.joueur1, 4 * pN);
}
