// The console primitives, colours and lines as the screens rely on them.

#include <gtest/gtest.h>

#include "modele/coniocouleur.hpp"
#include "modele/couleurs.hpp"
#include "support/terminalScripte.hpp"
#include "vue/lietrec.hpp"

TEST(Console, CoinsDeLEcran) {
  TerminalScripte t;
  executer(t, [] {
    gotoxy(1, 1);
    ecrire("a");
    gotoxy(110, 45);
    ecrire("z");
  });
  EXPECT_EQ(texte(1, 1, 1), "a");
  EXPECT_EQ(texte(110, 45, 1), "z");
}

TEST(Console, UnePositionHorsDeLEcranEstRefuseeEtLeCurseurReste) {
  TerminalScripte t;
  executer(t, [] {
    gotoxy(3, 44);
    for (auto [x, y] : {std::pair{0, 5}, {111, 5}, {5, 0}, {5, 46}, {-1, -1}}) {
      gotoxy(x, y);
      ecrire("a");
    }
  });
  EXPECT_EQ(ligne(44), "  aaaaa");
  EXPECT_EQ(ligne(45), "");
}

TEST(Console, EffacerNeRecolorePasEtGardeLAttributCourant) {
  TerminalScripte t;
  executer(t, [] {
    textcolor(WHITE | LIGHTRED << 4);
    gotoxy(5, 5);
    ecrire(" ");
    textcolor(BLACK);
    gotoxy(6, 5);
    ecrire(" ");
    textcolor(LIGHTCYAN);
    clrscr();
    ecrire("x");
  });
  EXPECT_EQ(attribut(5, 5), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(6, 5), BLACK);
  EXPECT_EQ(texte(1, 1, 1), "x");
  EXPECT_EQ(attribut(1, 1), LIGHTCYAN);
}

TEST(Console, EcrireLigneFinitParUnSautDeLigne) {
  TerminalScripte t;
  executer(t, [] {
    gotoxy(4, 2);
    ecrireLigne("abc");
    ecrire("d");
  });
  EXPECT_EQ(ligne(2), "   abc");
  EXPECT_EQ(ligne(3), "d");
}

TEST(Console, TerminerProgrammeDonneSonStatut) {
  TerminalScripte t;
  EXPECT_EQ(executer(t, [] { terminerProgramme(3); }), 3);
}

TEST(Couleurs, TableDesNomsFrancais) {
  const char* noms[16] = {"NOIR",     "BLEU",         "VERT",       "CYAN",
                          "ROUGE",    "VIOLET",       "MARRON",     "LIGHTGRAY",
                          "DARKGRAY", "LIGHTBLUE",    "LIGHTGREEN", "LIGHTCYAN",
                          "LIGHTRED", "LIGHTMAGENTA", "JAUNE",      "BLANC"};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(getNom(getCouleurFromNum(i)), noms[i]);
    EXPECT_EQ(getColor(getCouleurFromNum(i)), i);
  }
}

TEST(Lignes, HorizontaleLaisseLeCurseurApresElle) {
  TerminalScripte t;
  executer(t, [] {
    tracerLigneH(3, 2, 4);
    ecrire("x");
    tracerLigneH(1, 3, 0);
    ecrire("y");
  });
  EXPECT_EQ(ligne(2), "  ----x");
  EXPECT_EQ(ligne(3), "y");
}

TEST(Lignes, VerticaleNulleNeBougePasLeCurseur) {
  TerminalScripte t;
  executer(t, [] {
    gotoxy(7, 7);
    tracerLigneV(20, 1, 0);
    ecrire("x");
    tracerLigneV(2, 1, 3);
  });
  EXPECT_EQ(texte(7, 7, 1), "x");
  for (int y = 1; y <= 3; ++y) EXPECT_EQ(texte(2, y, 1), "|");
  EXPECT_EQ(texte(2, 4, 1), " ");
}

TEST(Lignes, RectangleLaisseSesCoinsIntacts) {
  TerminalScripte t;
  executer(t, [] {
    for (int y = 26; y <= 32; ++y) {
      gotoxy(9, y);
      ecrire(std::string(43, '.'));
    }
    textcolor(LIGHTCYAN);
    tracerRectangle(10, 27, 40, 4);
  });
  for (int y : {27, 31}) {
    EXPECT_EQ(texte(10, y, 41), "." + std::string(39, '-') + ".") << y;
    EXPECT_EQ(attribut(11, y), LIGHTCYAN);
  }
  for (int y = 28; y <= 30; ++y) {
    EXPECT_EQ(texte(10, y, 1), "|");
    EXPECT_EQ(texte(11, y, 39), std::string(39, '.'));
    EXPECT_EQ(texte(50, y, 1), "|");
  }
  EXPECT_EQ(ligne(26), "        " + std::string(43, '.'));
  EXPECT_EQ(ligne(32), "        " + std::string(43, '.'));
}
