#include "vue/score.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "modele/coniocouleur.hpp"
#include "support/terminalScripte.hpp"

namespace {

TEST(AfficherScore, PanneauDeLOrdinateur) {
  TerminalScripte t;
  executer(t, [] { afficherScore(96, 2, 1, 4, DISPOSITION_DECRITE); });
  EXPECT_EQ(texte(75, 28, 10), "Score: 96 ");
  EXPECT_EQ(texte(75, 29, 18), "Tirs effectues: 4 ");
  EXPECT_EQ(texte(75, 30, 15), "Tirs reussi: 1 ");
  EXPECT_EQ(attribut(82, 28), LIGHTCYAN);
  EXPECT_EQ(attribut(75, 30), LIGHTCYAN);
  // The frame: dashes on rows 27 and 31 from column 61 to 99, bars in columns 60 and 100.
  EXPECT_EQ(texte(60, 27, 41), " " + std::string(39, '-') + " ");
  EXPECT_EQ(texte(60, 31, 41), " " + std::string(39, '-') + " ");
  for (int y = 28; y <= 30; ++y) {
    EXPECT_EQ(texte(60, y, 1), "|");
    EXPECT_EQ(texte(100, y, 1), "|");
    EXPECT_EQ(attribut(100, y), LIGHTCYAN);
  }
  EXPECT_EQ(ligne(26), "");
  EXPECT_EQ(ligne(32), "");
}

TEST(AfficherScore, LeJoueurEstAGaucheEtLeBlancFinalEffaceUnChiffre) {
  TerminalScripte t;
  executer(t, [] {
    afficherScore(100, 1, 10, 10, DISPOSITION_DECRITE);
    afficherScore(99, 1, 9, 9, DISPOSITION_DECRITE);
  });
  EXPECT_EQ(texte(25, 28, 12), "Score: 99   ");
  EXPECT_EQ(texte(25, 29, 20), "Tirs effectues: 9   ");
  EXPECT_EQ(texte(25, 30, 17), "Tirs reussi: 9   ");
  EXPECT_EQ(texte(10, 28, 1), "|");
  EXPECT_EQ(texte(50, 28, 1), "|");
}

const std::string ENTETE = "Position      Nom             Score   Nombre de tir  Nombre de touche";

std::vector<TScore> scores(int pNombre) {
  std::vector<TScore> liste;
  for (int i = 0; i < pNombre; ++i) {
    liste.push_back({86 - 3 * i, 14, 14 + 3 * i, "joueur" + std::to_string(i + 1)});
  }
  return liste;
}

TEST(AfficherMeilleurScore, UnSeulRecord) {
  TerminalScripte t;
  executer(t, [] {
    textcolor(LIGHTGREEN);
    afficherMeilleurScore({{86, 14, 14, "Alice"}}, 1, DISPOSITION_DECRITE);
  });
  EXPECT_EQ(ligne(1), ENTETE + "|");
  EXPECT_EQ(texte(1, 1, 8), "Position");
  EXPECT_EQ(texte(15, 1, 3), "Nom");
  EXPECT_EQ(texte(31, 1, 5), "Score");
  EXPECT_EQ(texte(39, 1, 13), "Nombre de tir");
  EXPECT_EQ(texte(54, 1, 16), "Nombre de touche");
  EXPECT_EQ(ligne(2), std::string(69, '-') + "|");
  std::string rang(70, ' ');
  for (const auto& [colonne, valeur] :
       {std::pair{3, "1"}, {15, "Alice"}, {33, "86"}, {45, "14"}, {60, "14"}, {70, "|"}}) {
    rang.replace(static_cast<std::size_t>(colonne - 1), std::string(valeur).size(), valeur);
  }
  EXPECT_EQ(ligne(3), rang);
  EXPECT_EQ(ligne(4), std::string(69, ' ') + "|");
  EXPECT_EQ(ligne(5), std::string(70, '-'));
  EXPECT_EQ(ligne(6), "");
  // Written in the colour already set.
  EXPECT_EQ(attribut(33, 3), LIGHTGREEN);
  EXPECT_EQ(attribut(70, 2), LIGHTGREEN);
}

TEST(AfficherMeilleurScore, DixRecords) {
  TerminalScripte t;
  const auto liste = scores(10);
  executer(t, [&] { afficherMeilleurScore(liste, 10, DISPOSITION_DECRITE); });
  for (int i = 0; i < 10; ++i) {
    const int y = i + 3;
    SCOPED_TRACE("row " + std::to_string(y));
    EXPECT_EQ(texte(1, y, 5), i < 9 ? "  " + std::to_string(i + 1) + "  " : "  10 ");
    EXPECT_EQ(texte(15, y, 8), "joueur" + std::to_string(i + 1) + (i < 9 ? " " : ""));
    EXPECT_EQ(texte(33, y, 2), std::to_string(86 - 3 * i));
    EXPECT_EQ(texte(45, y, 2), std::to_string(14 + 3 * i));
    EXPECT_EQ(texte(60, y, 3), "14 ");
  }
  for (int y = 1; y <= 13; ++y) EXPECT_EQ(texte(70, y, 1), "|") << "row " << y;
  EXPECT_EQ(ligne(13), std::string(69, ' ') + "|");
  EXPECT_EQ(ligne(14), std::string(70, '-'));
  EXPECT_EQ(ligne(15), "");
}

TEST(AfficherMeilleurScore, UnNomAvecDesCaracteresDeControleNeDechirePasLaTable) {
  TerminalScripte t;
  executer(t, [] { afficherMeilleurScore({{50, 14, 50, "a\nb\tc\rd"}}, 1, DISPOSITION_DECRITE); });
  EXPECT_EQ(texte(15, 3, 7), "a?b?c?d");
  EXPECT_EQ(texte(33, 3, 2), "50");
  EXPECT_EQ(ligne(4), std::string(69, ' ') + "|");
}

TEST(AfficherMeilleurScore, TableVide) {
  TerminalScripte t;
  executer(t, [] { afficherMeilleurScore({}, 0, DISPOSITION_DECRITE); });
  EXPECT_EQ(ligne(1), ENTETE + "|");
  EXPECT_EQ(ligne(2), std::string(69, '-') + "|");
  EXPECT_EQ(ligne(3), std::string(69, ' ') + "|");
  EXPECT_EQ(ligne(4), std::string(70, '-'));
}

}  // namespace
