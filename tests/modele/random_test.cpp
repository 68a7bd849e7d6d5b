#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "modele/random.hpp"

namespace {

std::vector<int> tirages(int pMin, int pMax, int pNombre) {
  std::vector<int> valeurs;
  for (int i = 0; i < pNombre; ++i) valeurs.push_back(nombreAleatoire(pMin, pMax));
  return valeurs;
}

}  // namespace

class NombreAleatoire : public testing::TestWithParam<std::tuple<int, int>> {};

// Every bound is reached and nothing falls outside.
TEST_P(NombreAleatoire, CouvreToutLIntervalleEtRienDePlus) {
  const auto [min, max] = GetParam();
  initRandom(7);
  const auto valeurs = tirages(min, max, 2000);
  const std::set<int> vues(valeurs.begin(), valeurs.end());
  EXPECT_EQ(*vues.begin(), min);
  EXPECT_EQ(*vues.rbegin(), max);
  EXPECT_EQ(static_cast<int>(vues.size()), max - min + 1);
}

INSTANTIATE_TEST_SUITE_P(Bornes, NombreAleatoire,
                         testing::Values(std::make_tuple(1, 2), std::make_tuple(0, 1),
                                         std::make_tuple(5, 5), std::make_tuple(1, 10),
                                         std::make_tuple(1, 8)));

TEST(GraineFixee, RejoueLaMemeSuiteEtSansElleLHorlogeSeme) {
  initRandom(42);
  const auto premiere = tirages(1, 100, 50);
  initRandom(42);
  EXPECT_EQ(tirages(1, 100, 50), premiere);
  // Without a seed the run seeds from the clock, which is not 42.
  initRandom();
  EXPECT_NE(tirages(1, 100, 50), premiere);
}
