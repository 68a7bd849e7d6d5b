#include <gtest/gtest.h>

#include "plateforme/ecran.hpp"
#include "support/terminalScripte.hpp"

TEST(Ecran, EcritALaPositionDuCurseur) {
  plateforme::Ecran e;
  e.placerCurseur(3, 2);
  e.ecrire("ab");
  EXPECT_EQ(texte(e, 3, 2, 2), "ab");
}
