#include <gtest/gtest.h>

#include "controleur/partieDeTest.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/pile.hpp"
#include "support/terminalScripte.hpp"
#include "vue/bateau.hpp"
#include "vue/vue.hpp"

using namespace partie;

namespace {

const Grille& PLACEMENT = DISPOSITION_DECRITE.grillePlacement;

TEST(AfficherTirs, DecodeLesCasesEtColoreSelonLaMarque) {
  auto p = creerPile();
  empiler(*p, {20, 9});
  empiler(*p, {101, 12});
  empiler(*p, {55, 7});
  TerminalScripte t;
  executer(t, [&] { afficherTirs(*p, GRILLE_CIBLE, REGLAGES_DECRITS); });
  EXPECT_EQ(texte(xCase(GRILLE_CIBLE, 1) - 1, yCase(GRILLE_CIBLE, 10), 3), " X ");
  EXPECT_EQ(attribut(xCase(GRILLE_CIBLE, 1), yCase(GRILLE_CIBLE, 10)), WHITE | LIGHTBLUE << 4);
  EXPECT_EQ(texte(xCase(GRILLE_CIBLE, 10), yCase(GRILLE_CIBLE, 1), 1), "X");
  EXPECT_EQ(attribut(xCase(GRILLE_CIBLE, 10), yCase(GRILLE_CIBLE, 1)), WHITE | LIGHTRED << 4);
  EXPECT_EQ(attribut(xCase(GRILLE_CIBLE, 5), yCase(GRILLE_CIBLE, 5)), WHITE | LIGHTGRAY << 4);
}

TEST(AfficherTirs, PileVideNeDessineRien) {
  auto p = creerPile();
  TerminalScripte t;
  executer(t, [&] { afficherTirs(*p, GRILLE_JOUEUR, REGLAGES_DECRITS); });
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
    afficherBateau(bateau(cargot, {horizontal, 3, 6}, GREEN), GRILLE_JOUEUR, REGLAGES_DECRITS);
  });
  for (int c = 6; c <= 10; ++c) {
    EXPECT_EQ(attribut(xCase(GRILLE_JOUEUR, c), yCase(GRILLE_JOUEUR, 3)), BLACK | GREEN << 4) << c;
  }
  EXPECT_NE(attribut(xCase(GRILLE_JOUEUR, 5), yCase(GRILLE_JOUEUR, 3)), BLACK | GREEN << 4);
  EXPECT_NE(attribut(xCase(GRILLE_JOUEUR, 6), yCase(GRILLE_JOUEUR, 4)), BLACK | GREEN << 4);
}

TEST(AfficherBateau, VerticalDescendDeSaPremiereCase) {
  TerminalScripte t;
  executer(t, [] {
    afficherBateau(bateau(remorqueur, {vertical, 9, 1}, LIGHTMAGENTA), PLACEMENT, REGLAGES_DECRITS);
  });
  EXPECT_EQ(attribut(xCase(PLACEMENT, 1), yCase(PLACEMENT, 9)), BLACK | LIGHTMAGENTA << 4);
  EXPECT_EQ(attribut(xCase(PLACEMENT, 1) + 1, yCase(PLACEMENT, 10)), BLACK | LIGHTMAGENTA << 4);
  EXPECT_EQ(texte(xCase(PLACEMENT, 1) - 1, yCase(PLACEMENT, 10), 3), "   ");
}

TEST(AfficherBateau, BateauCouleNonDessine) {
  TInfoBateau b = bateau(sousMarin, {vertical, 1, 1}, RED);
  b.estCoule = 1;
  TerminalScripte t;
  executer(t, [&] { afficherBateau(b, GRILLE_JOUEUR, REGLAGES_DECRITS); });
  for (int r = 1; r <= 4; ++r)
    EXPECT_EQ(attribut(xCase(GRILLE_JOUEUR, 1), yCase(GRILLE_JOUEUR, r)), LIGHTGRAY);
}

TEST(Panneaux, NomsAuDessusDesPanneaux) {
  TerminalScripte t;
  executer(t, [] {
    afficherNom("Player", 1, DISPOSITION_DECRITE);
    afficherNom("Ordinateur", 2, DISPOSITION_DECRITE);
    afficherNom("Autre", 3, DISPOSITION_DECRITE);
  });
  // The same left panel: the shorter name leaves the last letter of the first one.
  EXPECT_EQ(ligne(26), std::string(24, ' ') + "Autrer" + std::string(44, ' ') + "Ordinateur");
  EXPECT_EQ(attribut(75, 26), LIGHTCYAN);
  EXPECT_EQ(attribut(25, 26), LIGHTCYAN);
}

TEST(Panneaux, LigneDesTouches) {
  TerminalScripte t;
  executer(t, [] { afficherTouchesJeu(DISPOSITION_DECRITE); });
  EXPECT_EQ(ligne(35),
            std::string(34, ' ') + "S: Sauvegarder /// Z: Annuler le coup /// Q: Quitter");
  EXPECT_EQ(attribut(35, 35), LIGHTCYAN);
}

}  // namespace
