#include "modele/parametre.hpp"

#include <array>
#include <memory>

#include "modele/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/pile.hpp"

namespace {

// Every ship starts at the grid's top-left cell, pointing down, afloat.
constexpr TPosition POSITION_DE_DEPART{vertical, 1, 1};

std::unique_ptr<TJoueur> nouveauJoueur(std::string_view pNom) {
  auto joueur = std::make_unique<TJoueur>();
  joueur->pileCoup = creerPile();
  joueur->nomJoueur = couperNom(pNom);
  return joueur;
}

struct BateauParDefaut {
  std::string_view nom;
  int couleur;
  EType type;
};

constexpr std::array<BateauParDefaut, 8> FLOTTE_PAR_DEFAUT{{
    {"tavrun", LIGHTMAGENTA, remorqueur},
    {"quelis", BLUE, porteAvion},
    {"dombar", GREEN, sousMarin},
    {"fenoril", LIGHTRED, cargot},
    {"gastue", RED, remorqueur},
    {"ombrelin", MAGENTA, porteAvion},
    {"pirvak", LIGHTMAGENTA, sousMarin},
    {"zelune", BLUE, cargot},
}};

}  // namespace

int getNBInstances(const Tparam& pParam) {
  return pParam.mNombreInstanceBateaux;
}

int getNbBateaux(const Tparam& pParam) {
  return 4 * getNBInstances(pParam);
}

void newTParam(int pNbInstances, Tparam& pP) {
  pP.mNombreInstanceBateaux = pNbInstances;
  pP.joueur1 = nouveauJoueur("Player");
  pP.joueur2 = nouveauJoueur(aTraduire("Ordinateur"));
  const auto nbBateaux = 4 * static_cast<std::size_t>(pNbInstances);
  const auto nbCases = static_cast<std::size_t>(getNbCases(pP));
  for (TJoueur* joueur : {pP.joueur1.get(), pP.joueur2.get()}) {
    joueur->mBateauxDuJoueur.assign(nbBateaux, TInfoBateau{});
    joueur->tabPosBateauJoueur.assign(nbCases, 0);
    joueur->nbCasesPrises = 0;
  }
}

void libererParam(Tparam& pParam) {
  // Each player takes its fleet, occupied cells and shot stack (cells included) with it.
  pParam.joueur1.reset();
  pParam.joueur2.reset();
  pParam.mNombreInstanceBateaux = 0;
}

void setIemeInfoBateauTParam(int pIdBateau, Tparam& pParam, std::string_view pNom, int pCouleur,
                             EType pType) {
  TInfoBateau& bateau = getInfoBateau(pIdBateau, pParam);
  bateau.mCouleur = pCouleur;
  bateau.mType = pType;
  bateau.mCoordonnees = POSITION_DE_DEPART;
  bateau.estCoule = 0;
  bateau.mNom = couperNom(pNom);
}

void setParamParDef(Tparam& param) {
  newTParam(1, param);
  for (std::size_t i = 0; i < FLOTTE_PAR_DEFAUT.size(); ++i) {
    const auto& b = FLOTTE_PAR_DEFAUT[i];
    setIemeInfoBateauTParam(static_cast<int>(i), param, b.nom, b.couleur, b.type);
  }
}
