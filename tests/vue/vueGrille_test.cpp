#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "modele/coniocouleur.hpp"
#include "support/terminalScripte.hpp"
#include "vue/vueGrille.hpp"

namespace {

struct Origine {
  int px, py;
};

constexpr int JAUNE = YELLOW | BLACK << 4;

// Marks the four corners of the outline beforehand, to see that the frame leaves them alone.
void marquerCoins(Origine o) {
  textcolor(RED);
  for (auto [x, y] : {std::pair{o.px, o.py}, std::pair{o.px + 40, o.py}, std::pair{o.px, o.py + 20},
                      std::pair{o.px + 40, o.py + 20}}) {
    gotoxy(x, y);
    ecrire("#");
  }
}

// Each run starts on a fresh screen, so the frame is drawn again before whatever comes after.
class Grille : public testing::TestWithParam<Origine> {
 protected:
  void SetUp() override {
    dessiner([] {});
  }
  void dessiner(const std::function<void()>& pApres) {
    const Origine o = GetParam();
    executer(t, [&] {
      marquerCoins(o);
      afficherGrille(o.px, o.py, 10, 10, YELLOW);
      pApres();
    });
  }
  TerminalScripte t;
};

TEST_P(Grille, LettresDesLignesEtNumerosDesColonnes) {
  const int px = GetParam().px;
  const int py = GetParam().py;
  for (int r = 1; r <= 10; ++r) {
    EXPECT_EQ(texte(px - 2, py + 2 * r - 1, 1), std::string(1, static_cast<char>('A' + r - 1)));
    EXPECT_EQ(attribut(px - 2, py + 2 * r - 1), JAUNE);
  }
  for (int c = 1; c <= 9; ++c) EXPECT_EQ(texte(px + 4 * c - 3, py - 1, 2), std::to_string(c) + " ");
  EXPECT_EQ(texte(px + 37, py - 1, 2), "10");
  EXPECT_EQ(attribut(px + 38, py - 1), JAUNE);
}

TEST_P(Grille, LignesHorizontalesEtVerticales) {
  const int px = GetParam().px;
  const int py = GetParam().py;
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

TEST_P(Grille, CoinsJamaisEcrits) {
  const int px = GetParam().px;
  const int py = GetParam().py;
  for (auto [x, y] : {std::pair{px, py}, std::pair{px + 40, py}, std::pair{px, py + 20},
                      std::pair{px + 40, py + 20}}) {
    EXPECT_EQ(texte(x, y, 1), "#");
    EXPECT_EQ(attribut(x, y), RED);
  }
}

TEST_P(Grille, CaseDansLaGrille) {
  const int px = GetParam().px;
  const int py = GetParam().py;
  dessiner([&] {
    afficherCaractereDansGrille(WHITE, LIGHTRED, 'X', px, py, 1, 1);
    afficherCaractereDansGrille(BLACK, GREEN, 'o', px, py, 10, 10);
  });
  EXPECT_EQ(texte(px, py + 1, 5), "| X |");
  EXPECT_EQ(attribut(px + 1, py + 1), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(px + 3, py + 1), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(px + 4, py + 1), JAUNE);
  EXPECT_EQ(texte(px + 36, py + 19, 5), "| o |");
  EXPECT_EQ(attribut(px + 37, py + 19), BLACK | GREEN << 4);
}

TEST_P(Grille, ResetGrilleNoircitLesCasesEtGardeLeCadre) {
  const int px = GetParam().px;
  const int py = GetParam().py;
  dessiner([&] {
    afficherCaractereDansGrille(WHITE, LIGHTRED, 'X', px, py, 4, 7);
    resetGrille(px, py);
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

INSTANTIATE_TEST_SUITE_P(Origines, Grille,
                         testing::Values(Origine{5, 3}, Origine{10, 5}, Origine{60, 5}));

TEST(GrilleDuJoueur, PositionsConnues) {
  TerminalScripte t;
  executer(t, [] {
    afficherGrille(10, 5, 10, 10, YELLOW);
    afficherCaractereDansGrille(WHITE, LIGHTBLUE, 'X', 10, 5, 1, 1);
  });
  EXPECT_EQ(texte(8, 6, 1), "A");
  EXPECT_EQ(texte(8, 24, 1), "J");
  EXPECT_EQ(texte(11, 4, 1), "1");
  EXPECT_EQ(texte(47, 4, 2), "10");
  EXPECT_EQ(texte(11, 6, 3), " X ");
  EXPECT_EQ(texte(46, 24, 5), "|   |");
}

}  // namespace
