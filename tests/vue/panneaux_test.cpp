#include <gtest/gtest.h>

#include "modele/coniocouleur.hpp"
#include "modele/pile.hpp"
#include "support/terminalScripte.hpp"
#include "vue/bateau.hpp"
#include "vue/vue.hpp"

namespace {

// Screen column of cell c and row of cell r on the board at (px, py): the cell's middle character.
int colonneEcran(int px, int c) {
  return px + 4 * c - 2;
}
int ligneEcran(int py, int r) {
  return py + 2 * r - 1;
}

TEST(AfficherTirs, DecodeLesCasesEtColoreSelonLaMarque) {
  auto p = creerPile();
  empiler(*p, {20, 9});
  empiler(*p, {101, 12});
  empiler(*p, {55, 7});
  TerminalScripte t;
  executer(t, [&] { afficherTirs(*p, 5, 60, REGLAGES_DECRITS); });
  EXPECT_EQ(texte(colonneEcran(60, 1) - 1, ligneEcran(5, 10), 3), " X ");
  EXPECT_EQ(attribut(colonneEcran(60, 1), ligneEcran(5, 10)), WHITE | LIGHTBLUE << 4);
  EXPECT_EQ(texte(colonneEcran(60, 10), ligneEcran(5, 1), 1), "X");
  EXPECT_EQ(attribut(colonneEcran(60, 10), ligneEcran(5, 1)), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(colonneEcran(60, 5), ligneEcran(5, 5)), WHITE | LIGHTGRAY << 4);
}

TEST(AfficherTirs, PileVideNeDessineRien) {
  auto p = creerPile();
  TerminalScripte t;
  executer(t, [&] { afficherTirs(*p, 5, 10, REGLAGES_DECRITS); });
  for (int y = 1; y <= 45; ++y) EXPECT_EQ(ligne(y), "");
}

TInfoBateau bateau(EType pType, TPosition pPos, int pCouleur) {
  TInfoBateau b;
  b.mType = pType;
  b.mCoordonnees = pPos;
  b.mCouleur = pCouleur;
  return b;
}

TEST(AfficherBateau, HorizontalRemplitSesCasesDeSaCouleur) {
  TerminalScripte t;
  executer(t, [] {
    afficherBateau(bateau(cargot, {horizontal, 3, 6}, GREEN), 10, 5, REGLAGES_DECRITS);
  });
  for (int c = 6; c <= 10; ++c) {
    EXPECT_EQ(attribut(colonneEcran(10, c), ligneEcran(5, 3)), BLACK | GREEN << 4) << c;
  }
  EXPECT_NE(attribut(colonneEcran(10, 5), ligneEcran(5, 3)), BLACK | GREEN << 4);
  EXPECT_NE(attribut(colonneEcran(10, 6), ligneEcran(5, 4)), BLACK | GREEN << 4);
}

TEST(AfficherBateau, VerticalDescendDeSaPremiereCase) {
  TerminalScripte t;
  executer(t, [] {
    afficherBateau(bateau(remorqueur, {vertical, 9, 1}, LIGHTMAGENTA), 5, 3, REGLAGES_DECRITS);
  });
  EXPECT_EQ(attribut(colonneEcran(5, 1), ligneEcran(3, 9)), BLACK | LIGHTMAGENTA << 4);
  EXPECT_EQ(attribut(colonneEcran(5, 1) + 1, ligneEcran(3, 10)), BLACK | LIGHTMAGENTA << 4);
  EXPECT_EQ(texte(colonneEcran(5, 1) - 1, ligneEcran(3, 10), 3), "   ");
}

TEST(AfficherBateau, BateauCouleNonDessine) {
  TInfoBateau b = bateau(sousMarin, {vertical, 1, 1}, RED);
  b.estCoule = 1;
  TerminalScripte t;
  executer(t, [&] { afficherBateau(b, 10, 5, REGLAGES_DECRITS); });
  for (int r = 1; r <= 4; ++r)
    EXPECT_EQ(attribut(colonneEcran(10, 1), ligneEcran(5, r)), LIGHTGRAY);
}

TEST(Panneaux, NomsAuDessusDesPanneaux) {
  TerminalScripte t;
  executer(t, [] {
    afficherNom("Player", 1);
    afficherNom("Ordinateur", 2);
    afficherNom("Autre", 3);
  });
  // The same left panel: the shorter name leaves the last letter of the first one.
  EXPECT_EQ(ligne(26), std::string(24, ' ') + "Autrer" + std::string(44, ' ') + "Ordinateur");
  EXPECT_EQ(attribut(75, 26), LIGHTCYAN);
  EXPECT_EQ(attribut(25, 26), LIGHTCYAN);
}

TEST(Panneaux, LigneDesTouches) {
  TerminalScripte t;
  executer(t, [] { afficherTouchesJeu(); });
  EXPECT_EQ(ligne(35),
            std::string(34, ' ') + "S: Sauvegarder /// Z: Annuler le coup /// Q: Quitter");
  EXPECT_EQ(attribut(35, 35), LIGHTCYAN);
}

}  // namespace
