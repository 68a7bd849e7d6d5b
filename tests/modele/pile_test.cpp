#include <gtest/gtest.h>

#include <pthread.h>

#include <memory>
#include <vector>

#include "modele/coup.hpp"
#include "modele/pile.hpp"

namespace {

std::vector<TCoup> contenu(const TPile& p) {
  std::vector<TCoup> coups;
  for (const TCellule* c = p.debut.get(); c != nullptr; c = c->lien.get()) coups.push_back(c->coup);
  return coups;
}

std::vector<int> marques(const TPile& p) {
  std::vector<int> m;
  for (const TCoup& c : contenu(p)) m.push_back(c.couleur);
  return m;
}

TEST(Pile, VideAuDepart) {
  auto p = creerPile();
  EXPECT_TRUE(pileVide(*p));
  EXPECT_EQ(getLongPile(*p), 0);
  EXPECT_FALSE(existePos(*p, 11));
}

TEST(Pile, LeDernierEmpileEstEnHaut) {
  auto p = creerPile();
  empiler(*p, {11, 9});
  empiler(*p, {12, 12});
  empiler(*p, {13, 12});
  const auto coups = contenu(*p);
  ASSERT_EQ(coups.size(), 3u);
  EXPECT_EQ(coups[0].position, 13);
  EXPECT_EQ(coups[1].position, 12);
  EXPECT_EQ(coups[2].position, 11);
  EXPECT_EQ(coups[2].couleur, 9);
  EXPECT_EQ(getLongPile(*p), 3);
  EXPECT_TRUE(existePos(*p, 11));
  EXPECT_FALSE(existePos(*p, 14));
}

TEST(Pile, DepilerRendLEtatPrecedent) {
  auto p = creerPile();
  empiler(*p, {11, 9});
  empiler(*p, {12, 12});
  EXPECT_EQ(depiler(*p), 0);
  EXPECT_EQ(getLongPile(*p), 1);
  EXPECT_EQ(p->debut->coup.position, 11);
  EXPECT_FALSE(existePos(*p, 12));
  depiler(*p);
  EXPECT_TRUE(pileVide(*p));
  EXPECT_EQ(p->debut, nullptr);
}

TEST(Pile, DepilerUnePileVideNeChangeRien) {
  auto p = creerPile();
  EXPECT_EQ(depiler(*p), 0);
  EXPECT_TRUE(pileVide(*p));
  EXPECT_EQ(getLongPile(*p), 0);
}

// Drops the stack on a thread whose own stack holds far fewer frames than there are cells:
// released cell by cell through nested destructors, it would overflow.
void libererSurPetitePile(std::unique_ptr<TPile>& pPile) {
  pthread_attr_t attributs;
  pthread_attr_init(&attributs);
  pthread_attr_setstacksize(&attributs, 256 * 1024);
  pthread_t fil;
  auto liberer = [](void* pArg) -> void* {
    static_cast<std::unique_ptr<TPile>*>(pArg)->reset();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&fil, &attributs, liberer, &pPile), 0);
  pthread_join(fil, nullptr);
  pthread_attr_destroy(&attributs);
}

TEST(Pile, LibererUneTresLonguePileNeRecursePas) {
  auto p = creerPile();
  for (int i = 0; i < 100000; ++i) empiler(*p, {11 + i % 100, 9});
  EXPECT_EQ(getLongPile(*p), 100000);
  libererSurPetitePile(p);
  EXPECT_EQ(p, nullptr);
}

// A vertical ship of length 3 at row 4, column 2 covers cells 24, 25 and 26.
class RemarquageDesCoups : public testing::Test {
 protected:
  void SetUp() override {
    TInfoBateau b;
    b.mType = porteAvion;
    b.mCoordonnees = {vertical, 4, 2};
    flotte.push_back(TInfoBateau{});
    flotte.push_back(b);
    for (int c : {24, 25, 26}) empiler(*pile, {c, 12});
    empiler(*pile, {35, 9});
  }
  std::vector<TInfoBateau> flotte;
  std::unique_ptr<TPile> pile = creerPile();
};

TEST_F(RemarquageDesCoups, CouleMarqueSeptLesCoupsDuBateauSeulement) {
  setCouleurCoupPile(flotte, 1, *pile, 1);
  EXPECT_EQ(marques(*pile), (std::vector<int>{9, 7, 7, 7}));
}

TEST_F(RemarquageDesCoups, AnnulerUnCoupRendDouzeAuxAutres) {
  setCouleurCoupPile(flotte, 1, *pile, 1);
  depiler(*pile);  // 35
  depiler(*pile);  // 26
  empiler(*pile, {35, 9});
  setCouleurCoupPile(flotte, 1, *pile, 0);
  EXPECT_EQ(marques(*pile), (std::vector<int>{9, 12, 12}));
}

TEST(Remarquage, BateauHorizontalEnBasADroite) {
  TInfoBateau b;
  b.mType = remorqueur;
  b.mCoordonnees = {horizontal, 10, 9};
  const std::vector<TInfoBateau> flotte{b};
  auto p = creerPile();
  for (int c : {100, 110, 109, 20}) empiler(*p, {c, 12});
  setCouleurCoupPile(flotte, 0, *p, 1);
  EXPECT_EQ(marques(*p), (std::vector<int>{12, 12, 7, 7}));
}

}  // namespace
