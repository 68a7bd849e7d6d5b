// Throws arbitrary bytes at the best-scores reader as "meilleurs.dat", draws the table, and
// records a win into it: counts must agree, names stay short, and the rewritten table is sorted.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controleur/score.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/pile.hpp"
#include "modele/score.hpp"
#include "vue/score.hpp"

#include "dossierPrive.hpp"

namespace {

void exiger(bool pCondition) {
  if (!pCondition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t pTaille) {
  const DansDossierPrive dossier;
  {
    std::ofstream fichier("meilleurs.dat", std::ios::binary | std::ios::trunc);
    fichier.write(reinterpret_cast<const char*>(pOctets), static_cast<std::streamsize>(pTaille));
  }

  const int nombre = getNbScore();
  exiger(nombre == static_cast<int>(pTaille / 28));
  std::vector<TScore> liste(static_cast<std::size_t>(nombre));
  exiger(chargerScores(liste));
  for (const TScore& s : liste) exiger(s.nom.size() <= TAILLE_NOM);
  if (nombre > 0) {
    std::vector<TScore> courte(static_cast<std::size_t>(nombre - 1));
    exiger(!chargerScores(courte));
  }
  clrscr();
  afficherMeilleurScore(liste, nombre, DISPOSITION_DECRITE);

  TJoueur gagnant;
  gagnant.nomJoueur = "fuzz";
  gagnant.pileCoup = creerPile();
  for (int i = 0; i < static_cast<int>(pTaille % 40); ++i) empiler(*gagnant.pileCoup, {11 + i, 12});
  exiger(enregistrerScore(gagnant));
  const int apres = getNbScore();
  exiger(apres == (nombre < 10 ? nombre + 1 : nombre));
  std::vector<TScore> relue(static_cast<std::size_t>(apres));
  exiger(chargerScores(relue));
  for (std::size_t i = 1; i < relue.size(); ++i) exiger(relue[i - 1].score >= relue[i].score);
  return 0;
}
