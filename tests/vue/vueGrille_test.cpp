#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "modele/coniocouleur.hpp"
#include "support/terminalScripte.hpp"
#include "vue/vueGrille.hpp"

namespace {

constexpr int JAUNE = YELLOW | BLACK << 4;

// Marks the four corners of the outline beforehand, to see that the frame leaves them alone.
void marquerCoins(const Grille& o) {
  textcolor(RED);
  for (auto [x, y] : {std::pair{o.x, o.y}, std::pair{o.x + 40, o.y}, std::pair{o.x, o.y + 20},
                      std::pair{o.x + 40, o.y + 20}}) {
    gotoxy(x, y);
    ecrire("#");
  }
}

// Each run starts on a fresh screen, so the frame is drawn again before whatever comes after.
class UneGrille : public testing::TestWithParam<Grille> {
 protected:
  void SetUp() override {
    dessiner([] {});
  }
  void dessiner(const std::function<void()>& pApres) {
    executer(t, [&] {
      marquerCoins(GetParam());
      afficherGrille(GetParam(), 10, 10, YELLOW);
      pApres();
    });
  }
  TerminalScripte t;
};

TEST_P(UneGrille, LettresDesLignesEtNumerosDesColonnes) {
  const int px = GetParam().x;
  const int py = GetParam().y;
  for (int r = 1; r <= 10; ++r) {
    EXPECT_EQ(texte(px - 2, py + 2 * r - 1, 1), std::string(1, static_cast<char>('A' + r - 1)));
    EXPECT_EQ(attribut(px - 2, py + 2 * r - 1), JAUNE);
  }
  for (int c = 1; c <= 9; ++c) EXPECT_EQ(texte(px + 4 * c - 3, py - 1, 2), std::to_string(c) + " ");
  EXPECT_EQ(texte(px + 37, py - 1, 2), "10");
  EXPECT_EQ(attribut(px + 38, py - 1), JAUNE);
}

TEST_P(UneGrille, LignesHorizontalesEtVerticales) {
  const int px = GetParam().x;
  const int py = GetParam().y;
  const std::string tirets(39, '-');
  EXPECT_EQ(texte(px + 1, py, 39), tirets);
  EXPECT_EQ(texte(px + 1, py + 20, 39), tirets);
  std::string rangeeCases, rangeeLigne;
  for (int k = 0; k < 10; ++k) {
    rangeeCases += "|   ";
    rangeeLigne += "|---";
  }
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(texte(px, py + 2 * r - 1, 41), rangeeCases + "|") << r;
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(texte(px, py + 2 * r, 41), rangeeLigne + "|") << r;
  EXPECT_EQ(attribut(px + 40, py + 10), JAUNE);
  EXPECT_EQ(attribut(px + 4, py + 2), JAUNE);
}

TEST_P(UneGrille, CoinsJamaisEcrits) {
  const int px = GetParam().x;
  const int py = GetParam().y;
  for (auto [x, y] : {std::pair{px, py}, std::pair{px + 40, py}, std::pair{px, py + 20},
                      std::pair{px + 40, py + 20}}) {
    EXPECT_EQ(texte(x, y, 1), "#");
    EXPECT_EQ(attribut(x, y), RED);
  }
}

TEST_P(UneGrille, CaseDansLaGrille) {
  const int px = GetParam().x;
  const int py = GetParam().y;
  dessiner([&] {
    afficherCaractereDansGrille(WHITE, LIGHTRED, 'X', GetParam(), 1, 1);
    afficherCaractereDansGrille(BLACK, GREEN, 'o', GetParam(), 10, 10);
  });
  EXPECT_EQ(texte(px, py + 1, 5), "| X |");
  EXPECT_EQ(attribut(px + 1, py + 1), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(px + 3, py + 1), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(px + 4, py + 1), JAUNE);
  EXPECT_EQ(texte(px + 36, py + 19, 5), "| o |");
  EXPECT_EQ(attribut(px + 37, py + 19), BLACK | GREEN << 4);
}

TEST_P(UneGrille, ResetGrilleNoircitLesCasesEtGardeLeCadre) {
  const int px = GetParam().x;
  const int py = GetParam().y;
  dessiner([&] {
    afficherCaractereDansGrille(WHITE, LIGHTRED, 'X', GetParam(), 4, 7);
    resetGrille(GetParam());
    ecrire("?");
  });
  for (int r = 1; r <= 10; ++r) {
    for (int c = 1; c <= 10; ++c) {
      EXPECT_EQ(texte(px + 4 * c - 3, py + 2 * r - 1, 3), "   ");
      EXPECT_EQ(attribut(px + 4 * c - 2, py + 2 * r - 1), BLACK);
    }
  }
  EXPECT_EQ(texte(px, py + 7, 1), "|");
  EXPECT_EQ(attribut(px, py + 7), JAUNE);
  EXPECT_EQ(texte(px - 2, py + 1, 1), "A");
  EXPECT_EQ(texte(px + 37, py - 1, 2), "10");
  // The cursor was left after cell (10, 10) in black on black: the next text is invisible.
  EXPECT_EQ(texte(px + 40, py + 19, 1), "?");
  EXPECT_EQ(attribut(px + 40, py + 19), BLACK);
}

// The three boards the screens show: placement, the human's own, the target.
INSTANTIATE_TEST_SUITE_P(Origines, UneGrille,
                         testing::Values(DISPOSITION_DECRITE.grillePlacement,
                                         DISPOSITION_DECRITE.grilleJoueur,
                                         DISPOSITION_DECRITE.grilleCible));

TEST(GrilleDuJoueur, PositionsConnues) {
  TerminalScripte t;
  executer(t, [] {
    afficherGrille(DISPOSITION_DECRITE.grilleJoueur, 10, 10, YELLOW);
    afficherCaractereDansGrille(WHITE, LIGHTBLUE, 'X', DISPOSITION_DECRITE.grilleJoueur, 1, 1);
  });
  EXPECT_EQ(texte(8, 6, 1), "A");
  EXPECT_EQ(texte(8, 24, 1), "J");
  EXPECT_EQ(texte(11, 4, 1), "1");
  EXPECT_EQ(texte(47, 4, 2), "10");
  EXPECT_EQ(texte(11, 6, 3), " X ");
  EXPECT_EQ(texte(46, 24, 5), "|   |");
}

}  // namespace
