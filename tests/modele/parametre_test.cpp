#include <gtest/gtest.h>

#include <string>

#include "modele/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"

namespace {

class ParametreParTaille : public testing::TestWithParam<int> {};

TEST_P(ParametreParTaille, NouveauJeuDeParametresEstVideEtDimensionne) {
  const int n = GetParam();
  Tparam p;
  newTParam(n, p);
  EXPECT_EQ(getNBInstances(p), n);
  EXPECT_EQ(getNbCases(p), 14 * n);
  EXPECT_EQ(p.joueur1->nomJoueur, "Player");
  EXPECT_EQ(p.joueur2->nomJoueur, "Ordinateur");
  for (const TJoueur* j : {p.joueur1.get(), p.joueur2.get()}) {
    EXPECT_EQ(j->mBateauxDuJoueur.size(), static_cast<std::size_t>(4 * n));
    EXPECT_EQ(j->tabPosBateauJoueur.size(), static_cast<std::size_t>(14 * n));
    EXPECT_EQ(j->nbCasesPrises, 0);
    ASSERT_NE(j->pileCoup, nullptr);
    EXPECT_TRUE(pileVide(*j->pileCoup));
  }
}

// The human's ships come first, then the computer's; both accessors agree on every index.
TEST_P(ParametreParTaille, IndexDeBateauCouvreLesDeuxFlottes) {
  const int n = GetParam();
  Tparam p;
  newTParam(n, p);
  for (int i = 0; i < 8 * n; ++i) {
    setIemeInfoBateauTParam(i, p, "b" + std::to_string(i), i % 16, cargot);
  }
  for (int k = 0; k < 4 * n; ++k) {
    const auto i = static_cast<std::size_t>(k);
    EXPECT_EQ(p.joueur1->mBateauxDuJoueur[i].mNom, "b" + std::to_string(k));
    EXPECT_EQ(p.joueur2->mBateauxDuJoueur[i].mNom, "b" + std::to_string(4 * n + k));
    EXPECT_EQ(&getInfoBateau(k, p), &p.joueur1->mBateauxDuJoueur[i]);
    EXPECT_EQ(&getInfoBateau(4 * n + k, p), &p.joueur2->mBateauxDuJoueur[i]);
  }
}

// Releasing then rebuilding, with shots left on both stacks, must leak nothing (sanitizer build).
TEST_P(ParametreParTaille, LibererRendLEnregistrementVideEtReconstructible) {
  const int n = GetParam();
  Tparam p;
  for (int tour = 0; tour < 3; ++tour) {
    newTParam(n, p);
    empiler(*p.joueur1->pileCoup, {11, 9});
    empiler(*p.joueur2->pileCoup, {12, 12});
    libererParam(p);
    EXPECT_EQ(p.joueur1, nullptr);
    EXPECT_EQ(p.joueur2, nullptr);
    EXPECT_EQ(getNBInstances(p), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(N, ParametreParTaille, testing::Values(1, 2, 3));

TEST(Parametre, IndexSurLesDeuxFlottesPourNDeux) {
  Tparam p;
  newTParam(2, p);
  setIemeInfoBateauTParam(7, p, "sept", 1, remorqueur);
  setIemeInfoBateauTParam(8, p, "huit", 2, remorqueur);
  EXPECT_EQ(p.joueur1->mBateauxDuJoueur[7].mNom, "sept");
  EXPECT_EQ(p.joueur2->mBateauxDuJoueur[0].mNom, "huit");
}

struct BateauAttendu {
  int index;
  const char* nom;
  int couleur;
  EType type;
};

class FlotteParDefaut : public testing::TestWithParam<BateauAttendu> {};

TEST_P(FlotteParDefaut, CommeDansLeTableau) {
  const auto& a = GetParam();
  Tparam p;
  setParamParDef(p);
  const TInfoBateau& b = getInfoBateau(a.index, p);
  EXPECT_EQ(getBNom(b), a.nom);
  EXPECT_EQ(getCouleur(b), a.couleur);
  EXPECT_EQ(getForme(b), a.type);
  EXPECT_EQ(b.mCoordonnees.mLatitude, 1);
  EXPECT_EQ(b.mCoordonnees.mLongitude, 1);
  EXPECT_EQ(b.mCoordonnees.mDirection, vertical);
  EXPECT_EQ(b.estCoule, 0);
}

INSTANTIATE_TEST_SUITE_P(Bateaux, FlotteParDefaut,
                         testing::Values(BateauAttendu{0, "tavrun", LIGHTMAGENTA, remorqueur},
                                         BateauAttendu{1, "quelis", BLUE, porteAvion},
                                         BateauAttendu{2, "dombar", GREEN, sousMarin},
                                         BateauAttendu{3, "fenoril", LIGHTRED, cargot},
                                         BateauAttendu{4, "gastue", RED, remorqueur},
                                         BateauAttendu{5, "ombrelin", MAGENTA, porteAvion},
                                         BateauAttendu{6, "pirvak", LIGHTMAGENTA, sousMarin},
                                         BateauAttendu{7, "zelune", BLUE, cargot}));

TEST(Parametre, FlotteParDefautAUnBateauDeChaqueTypeParJoueur) {
  Tparam p;
  setParamParDef(p);
  EXPECT_EQ(getNBInstances(p), 1);
  EXPECT_EQ(p.joueur1->nomJoueur, "Player");
  EXPECT_EQ(p.joueur2->nomJoueur, "Ordinateur");
}

TEST(Parametre, RedefinirUnBateauLeRameneAuDepart) {
  Tparam p;
  setParamParDef(p);
  TInfoBateau& b = getInfoBateau(2, p);
  b.mCoordonnees = {horizontal, 7, 4};
  b.estCoule = 1;
  setIemeInfoBateauTParam(2, p, "neuf", WHITE, porteAvion);
  EXPECT_EQ(b.mCoordonnees.mDirection, vertical);
  EXPECT_EQ(b.mCoordonnees.mLatitude, 1);
  EXPECT_EQ(b.mCoordonnees.mLongitude, 1);
  EXPECT_EQ(b.estCoule, 0);
  EXPECT_EQ(b.mNom, "neuf");
  EXPECT_EQ(b.mType, porteAvion);
}

TEST(Parametre, NomTropLongCoupeAQuatorzeOctets) {
  Tparam p;
  setParamParDef(p);
  setIemeInfoBateauTParam(0, p, "abcdefghijklmnopqrst", BLUE, remorqueur);
  EXPECT_EQ(getBNom(getInfoBateau(0, p)), "abcdefghijklmn");
  setIemeInfoBateauTParam(1, p, "abcdefghijklmn", BLUE, remorqueur);
  EXPECT_EQ(getBNom(getInfoBateau(1, p)), "abcdefghijklmn");
}

TEST(CodeCase, CodageEtDecodage) {
  struct Cas {
    int code, ligne, colonne;
  };
  for (const Cas c :
       {Cas{11, 1, 1}, Cas{20, 10, 1}, Cas{21, 1, 2}, Cas{101, 1, 10}, Cas{110, 10, 10}}) {
    EXPECT_EQ(codeCase(c.ligne, c.colonne), c.code);
    EXPECT_EQ(ligneDeCode(c.code), c.ligne) << c.code;
    EXPECT_EQ(colonneDeCode(c.code), c.colonne) << c.code;
  }
}

TEST(CodeCase, CasesDUnCargot) {
  TPosition h{horizontal, 3, 4};
  TPosition v{vertical, 3, 4};
  const int attenduH[] = {43, 53, 63, 73, 83};
  const int attenduV[] = {43, 44, 45, 46, 47};
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(caseDuBateau(h, j), attenduH[j]);
    EXPECT_EQ(caseDuBateau(v, j), attenduV[j]);
  }
}

}  // namespace
