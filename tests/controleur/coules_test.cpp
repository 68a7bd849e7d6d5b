#include <gtest/gtest.h>

#include "controleur/bateau.hpp"
#include "modele/bateau.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"

namespace {

// Default fleet of the computer, spread over columns 1, 2, 5 and 7: its tug covers cells 11 and
// 12, its carrier 21, 22 and 23.
class BateauxCoules : public testing::Test {
 protected:
  void SetUp() override {
    setParamParDef(p);
    p.joueur2->mBateauxDuJoueur[1].mCoordonnees.mLongitude = 2;
    p.joueur2->mBateauxDuJoueur[2].mCoordonnees.mLongitude = 5;
    p.joueur2->mBateauxDuJoueur[3].mCoordonnees.mLongitude = 7;
    for (int c : {11, 12, 21}) empiler(pile(), {c, 12});
  }
  TPile& pile() { return *p.joueur1->pileCoup; }
  int marqueDuHaut() { return pile().debut->coup.couleur; }
  Tparam p;
};

TEST_F(BateauxCoules, MarqueLesBateauxCoulesEtLeursCoups) {
  checkBateauxCoules(4, *p.joueur1, *p.joueur2);
  EXPECT_EQ(p.joueur2->mBateauxDuJoueur[0].estCoule, 1);
  EXPECT_EQ(p.joueur2->mBateauxDuJoueur[1].estCoule, 0);
  EXPECT_EQ(pile().debut->coup.couleur, 12);             // 21, carrier afloat
  EXPECT_EQ(pile().debut->lien->coup.couleur, 7);        // 12
  EXPECT_EQ(pile().debut->lien->lien->coup.couleur, 7);  // 11
}

TEST_F(BateauxCoules, UnCoupAnnuleRemetLeBateauAFlot) {
  empiler(pile(), {22, 12});
  empiler(pile(), {23, 12});
  checkBateauxCoules(4, *p.joueur1, *p.joueur2);
  EXPECT_EQ(p.joueur2->mBateauxDuJoueur[1].estCoule, 1);
  EXPECT_EQ(marqueDuHaut(), 7);
  depiler(pile());
  checkBateauxCoules(4, *p.joueur1, *p.joueur2);
  EXPECT_EQ(p.joueur2->mBateauxDuJoueur[1].estCoule, 0);
  EXPECT_EQ(marqueDuHaut(), 12);
}

TEST_F(BateauxCoules, NeRegardeQueLesPremiersBateaux) {
  checkBateauxCoules(0, *p.joueur1, *p.joueur2);
  EXPECT_EQ(p.joueur2->mBateauxDuJoueur[0].estCoule, 0);
  EXPECT_EQ(marqueDuHaut(), 12);
}

TEST(CheckPos, LibreSeulementSansCasePartagee) {
  Tparam p;
  setParamParDef(p);
  TJoueur& j = *p.joueur1;
  enregistrerPos(j, 3);                                     // cargot, cells 11 to 15
  j.mBateauxDuJoueur[0].mCoordonnees = {horizontal, 5, 1};  // 15, 25
  EXPECT_FALSE(checkPos(j, 0));
  j.mBateauxDuJoueur[0].mCoordonnees = {horizontal, 6, 1};  // 16, 26: end to end
  EXPECT_TRUE(checkPos(j, 0));
}

}  // namespace
