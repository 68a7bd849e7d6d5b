#include "controleur/score.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>

#include "modele/pile.hpp"
#include "support/commePersonne.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/limiteTailleFichier.hpp"
#include "support/octets.hpp"

namespace {

const std::string TABLE = "meilleurs.dat";

// A record of a win in 100 - pScore shots, 14 of them hits.
std::string victoire(int pScore, const std::string& pNom) {
  return enregistrement(pScore, 14, 100 - pScore, pNom);
}

// A table of these scores, named by their slot: "s0", "s1"...
std::string table(std::initializer_list<int> pScores) {
  std::string o;
  int i = 0;
  for (int s : pScores) o += enregistrement(s, 14, 100 - s, "s" + std::to_string(i++));
  return o;
}

// A winner who fired pTirs shots, the first pTouches of them hits.
TJoueur gagnant(const std::string& pNom, int pTirs, int pTouches = 14) {
  TJoueur j;
  j.nomJoueur = pNom;
  j.pileCoup = creerPile();
  for (int i = 0; i < pTirs; ++i) {
    empiler(*j.pileCoup, {11 + i, i < pTouches ? MARQUE_TOUCHE : MARQUE_RATE});
  }
  return j;
}

TEST(EnregistrerScore, PremiereVictoireDansUneTableVide) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, "");
  ASSERT_TRUE(enregistrerScore(gagnant("Alice", 20)));
  EXPECT_EQ(dossier.lireFichier(TABLE), enregistrement(80, 14, 20, "Alice"));
}

TEST(EnregistrerScore, SansTableEchoueSansLaCreer) {
  DossierTemporaire dossier;
  EXPECT_FALSE(enregistrerScore(gagnant("Alice", 20)));
  EXPECT_FALSE(dossier.existe(TABLE));
  EXPECT_FALSE(dossier.existe("meilleurs.dat.tmp"));
}

TEST(EnregistrerScore, SePlaceOuSonScoreLeRange) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, table({80, 70, 60}));
  ASSERT_TRUE(enregistrerScore(gagnant("n", 25)));
  EXPECT_EQ(dossier.lireFichier(TABLE),
            victoire(80, "s0") + victoire(75, "n") + victoire(70, "s1") + victoire(60, "s2"));
}

TEST(EnregistrerScore, NeufPlusUnFontDix) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, table({86, 84, 80, 78, 70, 66, 60, 55, 50}));
  ASSERT_TRUE(enregistrerScore(gagnant("n", 35)));
  EXPECT_EQ(dossier.lireFichier(TABLE), table({86, 84, 80, 78, 70, 66}) + victoire(65, "n") +
                                            victoire(60, "s6") + victoire(55, "s7") +
                                            victoire(50, "s8"));
  // The table is full now; the next win replaces the lowest.
  ASSERT_TRUE(enregistrerScore(gagnant("m", 48)));
  const std::string o = dossier.lireFichier(TABLE);
  ASSERT_EQ(o.size(), 280u);
  EXPECT_EQ(o.substr(28 * 9), victoire(52, "m"));
}

TEST(EnregistrerScore, UneTablePleineGardeSonPlusBasContreUnEgal) {
  DossierTemporaire dossier;
  const std::string dix = table({86, 84, 80, 78, 70, 66, 60, 58, 55, 50});
  dossier.ecrireFichier(TABLE, dix);
  ASSERT_TRUE(enregistrerScore(gagnant("n", 50)));
  EXPECT_EQ(dossier.lireFichier(TABLE), dix);
}

TEST(EnregistrerScore, UneTablePleineRemplaceSonPlusBas) {
  DossierTemporaire dossier;
  const std::string dix = table({86, 84, 80, 78, 70, 66, 60, 58, 55, 50});
  dossier.ecrireFichier(TABLE, dix);
  ASSERT_TRUE(enregistrerScore(gagnant("n", 45)));
  // In place of the 50, and below the 55 already there.
  EXPECT_EQ(dossier.lireFichier(TABLE), dix.substr(0, 28 * 9) + victoire(55, "n"));
}

TEST(EnregistrerScore, DeDeuxPlusBasEgauxLePremierEstRemplace) {
  DossierTemporaire dossier;
  const std::string dix = table({86, 84, 80, 78, 70, 66, 60, 58, 50, 50});
  dossier.ecrireFichier(TABLE, dix);
  ASSERT_TRUE(enregistrerScore(gagnant("n", 40)));
  EXPECT_EQ(dossier.lireFichier(TABLE),
            dix.substr(0, 28 * 7) + victoire(60, "n") + victoire(58, "s7") + victoire(50, "s9"));
}

TEST(EnregistrerScore, UnEgalSePlaceSousLAncien) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, table({80, 70, 60}));
  ASSERT_TRUE(enregistrerScore(gagnant("n", 30)));
  EXPECT_EQ(dossier.lireFichier(TABLE), table({80, 70}) + victoire(70, "n") + victoire(60, "s2"));
}

TEST(EnregistrerScore, UneTableDePlusDeDixGardeSaTaille) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, table({86, 84, 80, 78, 70, 66, 60, 58, 55, 50, 40}));
  ASSERT_TRUE(enregistrerScore(gagnant("n", 30)));
  const std::string o = dossier.lireFichier(TABLE);
  ASSERT_EQ(o.size(), 28u * 11);
  // The 40 goes; the new 70 sorts below the stored one.
  EXPECT_EQ(o, table({86, 84, 80, 78, 70}) + victoire(70, "n") + victoire(66, "s5") +
                   victoire(60, "s6") + victoire(58, "s7") + victoire(55, "s8") +
                   victoire(50, "s9"));
}

TEST(EnregistrerScore, UneReecritureInterrompueGardeLaTable) {
  DossierTemporaire dossier;
  const std::string avant = table({86, 84, 80, 78, 70, 66, 60, 58, 55, 50});
  dossier.ecrireFichier(TABLE, avant);
  bool resultat = true;
  {
    LimiteTailleFichier limite(100);
    ASSERT_TRUE(limite.actif());
    resultat = enregistrerScore(gagnant("n", 20));
  }
  EXPECT_FALSE(resultat);
  EXPECT_EQ(dossier.lireFichier(TABLE), avant);
  EXPECT_FALSE(dossier.existe("meilleurs.dat.tmp"));
}

TEST(EnregistrerScore, DansUnDossierEnLectureSeuleRefuseEtGardeLaTable) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, table({80, 70}));
  donnerAPersonne(dossier.chemin() / TABLE);  // the player's own table, writable in place
  std::filesystem::permissions(dossier.chemin(), std::filesystem::perms(0555));
  EXPECT_EQ(commePersonne([] { return enregistrerScore(gagnant("n", 20)) ? 0 : 1; }), 1);
  std::filesystem::permissions(dossier.chemin(), std::filesystem::perms(0755));
  EXPECT_EQ(dossier.lireFichier(TABLE), table({80, 70}));
}

}  // namespace
