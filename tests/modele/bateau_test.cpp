#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "modele/bateau.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"

namespace {

constexpr int HAUT = 72, BAS = 80, GAUCHE = 75, DROITE = 77, TOURNER = 'r', ENTREE = 13;

TJoueur joueurAvec(EType pType, TPosition pPos) {
  TJoueur j;
  TInfoBateau b;
  b.mType = pType;
  b.mCoordonnees = pPos;
  j.mBateauxDuJoueur = {b};
  j.tabPosBateauJoueur.assign(14, 0);
  j.pileCoup = creerPile();
  return j;
}

struct Mouvement {
  const char* nom;
  EType type;
  TPosition avant;
  int touche;
  TPosition apres;
};

void PrintTo(const Mouvement& m, std::ostream* os) {
  *os << m.nom;
}

class MouvementDePlacement : public testing::TestWithParam<Mouvement> {};

TEST_P(MouvementDePlacement, DeplaceOuTourneSansSortirDeLaGrille) {
  const auto& m = GetParam();
  TJoueur j = joueurAvec(m.type, m.avant);
  EXPECT_FALSE(actionBateau(j, 0, m.touche));
  const TPosition& p = j.mBateauxDuJoueur[0].mCoordonnees;
  EXPECT_EQ(p.mDirection, m.apres.mDirection);
  EXPECT_EQ(p.mLatitude, m.apres.mLatitude);
  EXPECT_EQ(p.mLongitude, m.apres.mLongitude);
  EXPECT_EQ(j.nbCasesPrises, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bords, MouvementDePlacement,
    testing::Values(
        Mouvement{"CargotHorizontalColonne6IgnoreDroite",
                  cargot,
                  {horizontal, 4, 6},
                  DROITE,
                  {horizontal, 4, 6}},
        Mouvement{"CargotHorizontalColonne5VaDroite",
                  cargot,
                  {horizontal, 4, 5},
                  DROITE,
                  {horizontal, 4, 6}},
        Mouvement{
            "HorizontalLigne9Descend", sousMarin, {horizontal, 9, 2}, BAS, {horizontal, 10, 2}},
        Mouvement{
            "HorizontalLigne10IgnoreBas", sousMarin, {horizontal, 10, 2}, BAS, {horizontal, 10, 2}},
        Mouvement{"RemorqueurVerticalLigne9IgnoreBas",
                  remorqueur,
                  {vertical, 9, 3},
                  BAS,
                  {vertical, 9, 3}},
        Mouvement{
            "RemorqueurVerticalLigne8Descend", remorqueur, {vertical, 8, 3}, BAS, {vertical, 9, 3}},
        Mouvement{
            "VerticalColonne10IgnoreDroite", cargot, {vertical, 2, 10}, DROITE, {vertical, 2, 10}},
        Mouvement{"VerticalColonne9VaDroite", cargot, {vertical, 2, 9}, DROITE, {vertical, 2, 10}},
        Mouvement{"Colonne1IgnoreGauche", cargot, {horizontal, 5, 1}, GAUCHE, {horizontal, 5, 1}},
        Mouvement{"VaAGauche", cargot, {vertical, 5, 4}, GAUCHE, {vertical, 5, 3}},
        Mouvement{"Ligne1IgnoreHaut", cargot, {vertical, 1, 5}, HAUT, {vertical, 1, 5}},
        Mouvement{"Monte", cargot, {horizontal, 6, 5}, HAUT, {horizontal, 5, 5}},
        Mouvement{"TournerCargotHorizontalRemonte",
                  cargot,
                  {horizontal, 8, 3},
                  TOURNER,
                  {vertical, 6, 3}},
        Mouvement{"TournerSousMarinVerticalRecule",
                  sousMarin,
                  {vertical, 2, 9},
                  TOURNER,
                  {horizontal, 2, 7}},
        Mouvement{
            "TournerSansReculQuandIlTient", cargot, {vertical, 3, 6}, TOURNER, {horizontal, 3, 6}},
        Mouvement{"PrefixeFlecheE0", cargot, {vertical, 3, 3}, 224, {vertical, 3, 3}},
        Mouvement{"PrefixeFlecheNul", cargot, {vertical, 3, 3}, 0, {vertical, 3, 3}},
        Mouvement{"RMajusculeIgnore", cargot, {vertical, 3, 3}, 'R', {vertical, 3, 3}},
        Mouvement{"LettreH", cargot, {vertical, 3, 3}, 'H', {vertical, 2, 3}}),
    [](const auto& pInfo) { return std::string(pInfo.param.nom); });

TEST(ActionBateau, TournerEtRetournerGardeLeRecul) {
  TJoueur j = joueurAvec(cargot, {horizontal, 8, 3});
  actionBateau(j, 0, TOURNER);
  actionBateau(j, 0, TOURNER);
  const TPosition& p = j.mBateauxDuJoueur[0].mCoordonnees;
  EXPECT_EQ(p.mDirection, horizontal);
  EXPECT_EQ(p.mLatitude, 6);
  EXPECT_EQ(p.mLongitude, 3);
}

TEST(ActionBateau, TournerDeuxFoisEnHautAGaucheNeBougePas) {
  TJoueur j = joueurAvec(cargot, {vertical, 1, 1});
  actionBateau(j, 0, TOURNER);
  EXPECT_EQ(j.mBateauxDuJoueur[0].mCoordonnees.mDirection, horizontal);
  actionBateau(j, 0, TOURNER);
  const TPosition& p = j.mBateauxDuJoueur[0].mCoordonnees;
  EXPECT_EQ(p.mDirection, vertical);
  EXPECT_EQ(p.mLatitude, 1);
  EXPECT_EQ(p.mLongitude, 1);
}

// Two ships of the default fleet: the first committed at the top-left, the second starts on it.
class Validation : public testing::Test {
 protected:
  void SetUp() override {
    setParamParDef(p);
    ASSERT_TRUE(actionBateau(j(), 0, ENTREE));
  }
  TJoueur& j() { return *p.joueur1; }
  Tparam p;
};

TEST_F(Validation, EntreeSurUneCaseOccupeeRefuseSansRienEnregistrer) {
  EXPECT_EQ(j().nbCasesPrises, 2);
  EXPECT_FALSE(actionBateau(j(), 1, ENTREE));
  EXPECT_EQ(j().nbCasesPrises, 2);
}

TEST_F(Validation, BateauColleAUnAutreEstAccepte) {
  actionBateau(j(), 1, DROITE);  // column 2, right beside the committed ship
  EXPECT_TRUE(actionBateau(j(), 1, ENTREE));
  EXPECT_EQ(j().nbCasesPrises, 5);
  EXPECT_EQ(std::vector<int>(j().tabPosBateauJoueur.begin(), j().tabPosBateauJoueur.begin() + 5),
            (std::vector<int>{11, 12, 21, 22, 23}));
}

TEST_F(Validation, BateauEnBoutDUnAutreEstAccepte) {
  actionBateau(j(), 1, BAS);
  actionBateau(j(), 1, BAS);  // rows 3 to 5, under rows 1 and 2
  EXPECT_TRUE(actionBateau(j(), 1, ENTREE));
}

TEST_F(Validation, LesQuatreBateauxOccupentQuatorzeCasesDistinctes) {
  for (int i = 1; i < 4; ++i) {
    for (int k = 0; k < i; ++k) actionBateau(j(), i, DROITE);
    ASSERT_TRUE(actionBateau(j(), i, ENTREE));
  }
  EXPECT_EQ(j().nbCasesPrises, 14);
  EXPECT_EQ(std::set<int>(j().tabPosBateauJoueur.begin(), j().tabPosBateauJoueur.end()).size(),
            14u);
}

TEST(EnregistrerPos, AjouteLesCasesDansLOrdreDuBateau) {
  TJoueur j = joueurAvec(porteAvion, {horizontal, 10, 8});
  enregistrerPos(j, 0);
  EXPECT_EQ(j.nbCasesPrises, 3);
  EXPECT_EQ(j.tabPosBateauJoueur[0], 90);
  EXPECT_EQ(j.tabPosBateauJoueur[1], 100);
  EXPECT_EQ(j.tabPosBateauJoueur[2], 110);
}

TEST(EnregistrerPos, UnTableauPleinGrandirAuLieuDEcrireAuDela) {
  TJoueur j = joueurAvec(cargot, {vertical, 1, 1});
  j.tabPosBateauJoueur.assign(3, 0);
  enregistrerPos(j, 0);
  EXPECT_EQ(j.nbCasesPrises, 5);
  EXPECT_EQ(j.tabPosBateauJoueur, (std::vector<int>{11, 12, 13, 14, 15}));
}

TEST(EstCoule, CouleQuandToutesSesCasesOntEteTireesDansNImporteQuelOrdre) {
  TJoueur cible = joueurAvec(porteAvion, {horizontal, 5, 2});  // 25, 35, 45
  TJoueur tireur = joueurAvec(remorqueur, {});
  for (int c : {45, 11, 25}) {
    empiler(*tireur.pileCoup, {c, 12});
    EXPECT_FALSE(estCoule(0, tireur, cible));
  }
  empiler(*tireur.pileCoup, {35, 9});  // the mark does not matter, only the cell
  EXPECT_TRUE(estCoule(0, tireur, cible));
  depiler(*tireur.pileCoup);
  EXPECT_FALSE(estCoule(0, tireur, cible));
}

}  // namespace
