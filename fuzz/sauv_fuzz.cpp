// Throws arbitrary bytes at the saved-game reader as "save.dat". A refused file must leave the held
// game as it was; an accepted one must be a whole game that saves and reloads to the same bytes.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "modele/parametre.hpp"
#include "modele/pile.hpp"
#include "modele/sauv.hpp"

#include "dossierPrive.hpp"

namespace {

void ecrire(const std::uint8_t* pOctets, std::size_t pTaille) {
  std::ofstream fichier("save.dat", std::ios::binary | std::ios::trunc);
  fichier.write(reinterpret_cast<const char*>(pOctets), static_cast<std::streamsize>(pTaille));
}

std::string lire() {
  std::ifstream fichier("save.dat", std::ios::binary);
  return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

void exiger(bool pCondition) {
  if (!pCondition) std::abort();
}

void verifierPartie(const Tparam& pParam, std::size_t pTaille) {
  const int n = pParam.mNombreInstanceBateaux;
  exiger(n >= 1 && n <= 3);
  exiger(pParam.aCommence == 1 || pParam.aCommence == 2);
  for (const TJoueur* joueur : {pParam.joueur1.get(), pParam.joueur2.get()}) {
    exiger(joueur->nbCasesPrises == 14 * n);
    exiger(joueur->mBateauxDuJoueur.size() == static_cast<std::size_t>(4 * n));
    exiger(joueur->nomJoueur.size() <= TAILLE_NOM);
  }
  const int l1 = getLongPile(*pParam.joueur1->pileCoup);
  const int l2 = getLongPile(*pParam.joueur2->pileCoup);
  exiger(pTaille == static_cast<std::size_t>(46 + 320 * n + 8 * (l1 + l2)));
  exiger((l1 + l2 + pParam.aCommence) % 2 == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t pTaille) {
  const DansDossierPrive dossier;
  ecrire(pOctets, pTaille);

  Tparam tenue;
  setParamParDef(tenue);
  const TJoueur* joueur1 = tenue.joueur1.get();
  if (!restaurerPartie(tenue)) {
    exiger(tenue.joueur1.get() == joueur1 && tenue.mNombreInstanceBateaux == 1);
    exiger(tenue.joueur1->mBateauxDuJoueur[0].mNom == "tavrun");
    return 0;
  }
  verifierPartie(tenue, pTaille);
  // What was accepted is written back whole, and reads back to the same game.
  exiger(sauverPartie(tenue));
  const std::string premiere = lire();
  exiger(premiere.size() == pTaille);
  Tparam relue;
  exiger(restaurerPartie(relue));
  exiger(sauverPartie(relue));
  exiger(lire() == premiere);
  return 0;
}
