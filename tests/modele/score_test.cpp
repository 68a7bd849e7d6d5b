#include "modele/score.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "modele/pile.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/octets.hpp"

namespace {

const std::string TABLE = "meilleurs.dat";

TEST(ComptesDePile, PileVide) {
  const auto p = creerPile();
  EXPECT_EQ(getNbTir(*p), 0);
  EXPECT_EQ(getTouche(*p), 0);
  EXPECT_EQ(getScore(*p), 100);
}

TEST(ComptesDePile, LesTouchesComptentLesMarques12Et7) {
  const auto p = creerPile();
  empiler(*p, {11, MARQUE_RATE});
  empiler(*p, {12, MARQUE_TOUCHE});
  empiler(*p, {13, MARQUE_COULE});
  empiler(*p, {14, MARQUE_RATE});
  EXPECT_EQ(getNbTir(*p), 4);
  EXPECT_EQ(getTouche(*p), 2);
  EXPECT_EQ(getScore(*p), 96);
  depiler(*p);
  depiler(*p);
  EXPECT_EQ(getTouche(*p), 1);
  EXPECT_EQ(getScore(*p), 98);
}

TEST(ComptesDePile, CentTirsDonnentZero) {
  const auto p = creerPile();
  for (int i = 0; i < 100; ++i) empiler(*p, {11 + i, MARQUE_RATE});
  EXPECT_EQ(getScore(*p), 0);
}

TEST(GetNbScore, CompteLesEnregistrementsComplets) {
  DossierTemporaire dossier;
  EXPECT_EQ(getNbScore(), -1);
  EXPECT_FALSE(dossier.existe(TABLE));
  dossier.ecrireFichier(TABLE, "");
  EXPECT_EQ(getNbScore(), 0);
  dossier.ecrireFichier(TABLE, enregistrement(80, 14, 20, "a") + enregistrement(70, 14, 30, "b") +
                                   enregistrement(60, 14, 40, "c") + std::string(10, 'x'));
  EXPECT_EQ(getNbScore(), 3);
  dossier.ecrireFichier(TABLE, std::string(27, 'x'));
  EXPECT_EQ(getNbScore(), 0);
}

TEST(GetNbScore, UneErreurDeLectureDonneMoinsUn) {
  DossierTemporaire dossier;
  // A folder opens for reading, and then every read fails.
  std::filesystem::create_directory(dossier.chemin() / TABLE);
  EXPECT_EQ(getNbScore(), -1);
  std::vector<TScore> liste(3);
  EXPECT_FALSE(chargerScores(liste));
}

TEST(GetNbScore, UneTableDemesureeEstIllisible) {
  DossierTemporaire dossier;
  std::string table;
  for (int i = 0; i < 1000; ++i) table += enregistrement(50, 14, 50, "a");
  dossier.ecrireFichier(TABLE, table);
  EXPECT_EQ(getNbScore(), 1000);
  dossier.ecrireFichier(TABLE, table + enregistrement(50, 14, 50, "a"));
  EXPECT_EQ(getNbScore(), -1);
  std::vector<TScore> liste(1001);
  EXPECT_FALSE(chargerScores(liste));
}

TEST(ChargerScores, LitLesChampsDansLOrdreDuFichier) {
  DossierTemporaire dossier;
  std::string o = enregistrement(80, 14, 20, "Alice") + enregistrement(-3, 7, 103, "Bob");
  o[12 + 6] = 'z';  // after the NUL: no meaning
  o[27] = '\x55';   // filler
  dossier.ecrireFichier(TABLE, o + "stray");
  std::vector<TScore> liste(3);
  liste[2].nom = "intact";
  ASSERT_TRUE(chargerScores(liste));
  EXPECT_EQ(liste[0].score, 80);
  EXPECT_EQ(liste[0].nbTouche, 14);
  EXPECT_EQ(liste[0].nbTir, 20);
  EXPECT_EQ(liste[0].nom, "Alice");
  EXPECT_EQ(liste[1].score, -3);
  EXPECT_EQ(liste[1].nbTouche, 7);
  EXPECT_EQ(liste[1].nbTir, 103);
  EXPECT_EQ(liste[1].nom, "Bob");
  EXPECT_EQ(liste[2].nom, "intact");
}

Octets octetsDe(const std::string& pTexte) {
  return {pTexte.begin(), pTexte.end()};
}

TEST(DecoderScores, UnNomSansNulEstCoupeA14) {
  const auto liste =
      decoderScores(octetsDe(entier(50) + entier(14) + entier(50) + "ABCDEFGHIJKLMNOP"));
  ASSERT_TRUE(liste && liste->size() == 1);
  EXPECT_EQ((*liste)[0].nom, "ABCDEFGHIJKLMN");
  EXPECT_EQ((*liste)[0].score, 50);
}

TEST(DecoderScores, RendLaTableEncodee) {
  const std::vector<TScore> table{{80, 14, 20, "Alice"}, {-3, 7, 103, "ABCDEFGHIJKLMN"}, {}};
  EXPECT_EQ(decoderScores(encoderScores(table)), table);
  EXPECT_FALSE(decoderScores(Octets(1000 * 28 + 1)));
}

TEST(ChargerScores, RefuseUneListeTropCourteSansYToucher) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, enregistrement(80, 14, 20, "a") + enregistrement(70, 14, 30, "b") +
                                   enregistrement(60, 14, 40, "c"));
  std::vector<TScore> liste(2);
  liste[0].nom = "x";
  liste[1].nom = "y";
  EXPECT_FALSE(chargerScores(liste));
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[0].nom, "x");
  EXPECT_EQ(liste[1].nom, "y");
  std::vector<TScore> aucune;
  EXPECT_FALSE(chargerScores(aucune));
}

TEST(ChargerScores, SansFichierEchoue) {
  DossierTemporaire dossier;
  std::vector<TScore> liste(1);
  EXPECT_FALSE(chargerScores(liste));
}

TEST(TriListeScores, DuPlusHautAuPlusBasEnGardantLOrdreDesEgaux) {
  std::vector<TScore> liste{{50, 0, 0, "a"}, {70, 0, 0, "b"}, {50, 0, 0, "c"},
                            {90, 0, 0, "d"}, {70, 0, 0, "e"}, {10, 0, 0, "f"}};
  triListeScores(liste, 6);
  std::string noms;
  for (const TScore& s : liste) noms += s.nom;
  EXPECT_EQ(noms, "dbeacf");
}

TEST(TriListeScores, NeTrieQueLesPremiersEmplacements) {
  std::vector<TScore> liste{{10, 0, 0, "a"}, {20, 0, 0, "b"}, {90, 0, 0, "c"}};
  triListeScores(liste, 2);
  EXPECT_EQ(liste[0].nom + liste[1].nom + liste[2].nom, "bac");
  triListeScores(liste, 0);
  EXPECT_EQ(liste[0].nom, "b");
}

TEST(AjouterScore, UnEmplacementAjouteRecoitLeNouveau) {
  DossierTemporaire dossier;
  std::vector<TScore> liste{{80, 14, 20, "a"}, {60, 14, 40, "b"}, {}};
  ASSERT_TRUE(ajouterScore({60, 14, 40, "c"}, liste, 3, true));
  EXPECT_EQ(dossier.lireFichier(TABLE), enregistrement(80, 14, 20, "a") +
                                            enregistrement(60, 14, 40, "b") +
                                            enregistrement(60, 14, 40, "c"));
}

TEST(AjouterScore, UneListePleineRemplaceLePremierDesPlusBas) {
  DossierTemporaire dossier;
  std::vector<TScore> liste{{80, 14, 20, "a"}, {50, 14, 50, "b"}, {50, 14, 50, "c"}};
  ASSERT_TRUE(ajouterScore({60, 14, 40, "n"}, liste, 3, false));
  EXPECT_EQ(liste[0].nom + liste[1].nom + liste[2].nom, "anc");
  // Not above the lowest: the list stays as it is, and the file is still written.
  ASSERT_TRUE(ajouterScore({50, 14, 50, "m"}, liste, 3, false));
  EXPECT_EQ(liste[0].nom + liste[1].nom + liste[2].nom, "anc");
  EXPECT_EQ(dossier.lireFichier(TABLE), enregistrement(80, 14, 20, "a") +
                                            enregistrement(60, 14, 40, "n") +
                                            enregistrement(50, 14, 50, "c"));
  // Every record at 100 or above: no slot can be beaten.
  std::vector<TScore> hauts{{100, 0, 0, "h"}};
  ASSERT_TRUE(ajouterScore({120, 0, 0, "x"}, hauts, 1, false));
  EXPECT_EQ(hauts[0].nom, "h");
}

TEST(AjouterScore, UnNomTropLongEstEcritCoupeEtTermine) {
  DossierTemporaire dossier;
  std::vector<TScore> liste(1);
  ASSERT_TRUE(ajouterScore({86, 14, 14, "ABCDEFGHIJKLMNOPQ"}, liste, 1, true));
  EXPECT_EQ(dossier.lireFichier(TABLE), enregistrement(86, 14, 14, "ABCDEFGHIJKLMN"));
}

TEST(AjouterScore, UneReecritureImpossibleGardeLaTable) {
  DossierTemporaire dossier;
  const std::string avant = enregistrement(80, 14, 20, "a");
  dossier.ecrireFichier(TABLE, avant);
  // A table the player made read-only, which even root does not write.
  std::filesystem::permissions(dossier.chemin() / TABLE, std::filesystem::perms(0444));
  std::vector<TScore> liste{{80, 14, 20, "a"}, {}};
  EXPECT_FALSE(ajouterScore({90, 14, 10, "b"}, liste, 2, true));
  EXPECT_EQ(dossier.lireFichier(TABLE), avant);
}

}  // namespace
