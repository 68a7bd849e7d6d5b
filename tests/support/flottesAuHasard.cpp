#include "support/flottesAuHasard.hpp"

#include <cstdlib>

#include "controleur/bateau.hpp"
#include "modele/parametre.hpp"

void flottesAuHasard(Tparam& pParam, int pN, unsigned pGraine) {
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
  placementAlea(*pParam.joueur2, getNbBateaux(pParam));
  placementAlea(*pParam.joueur1, getNbBateaux(pParam));
}
