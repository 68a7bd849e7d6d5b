// The game with the options beyond the described one: readable marks, a kept cursor, the fleets
// revealed at the end, and the mouse, each read from the screens the player saw.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "controleur/bateau.hpp"
#include "controleur/partieDeTest.hpp"
#include "plateforme/console.hpp"
#include "support/terminalScripte.hpp"

using namespace partie;
using plateforme::Ecran;

namespace {

void attendreCase(const Ecran& pV, const Grille& pGrille, int pCode, const std::string& pTexte,
                  int pAttr) {
  const int x = xCase(pGrille, colonneDeCode(pCode));
  const int y = yCase(pGrille, ligneDeCode(pCode));
  EXPECT_EQ(texte(pV, x, y, 1), pTexte) << "case " << pCode;
  EXPECT_EQ(attribut(pV, x, y), pAttr) << "case " << pCode;
}

// A mouse report of a left press on the middle character of a board cell.
std::string clicSurCase(const Grille& pGrille, int pLigne, int pColonne) {
  const Point c = caractereDeCase(pGrille, pLigne, pColonne);
  return "\x1b[<0;" + std::to_string(c.x) + ";" + std::to_string(c.y) + "M";
}

class PartieAvecOptions : public testing::Test {
 protected:
  int jouerAvec(TerminalScripte& pT, int pPremier, const Reglages& pReglages) {
    return executer(pT, [&] {
      std::srand(graineOuCommence(pPremier));
      gagnant = jouer(p, 0, pReglages);
    });
  }
  Tparam p = nouvellePartie();
  int gagnant = -1;
};

}  // namespace

TEST_F(PartieAvecOptions, MarquesLisiblesSansCouleur) {
  // A miss, then the two cells of the computer's tug: a hit that the next shot sinks.
  TerminalScripte t{viserEtTirer(20), viserEtTirer(25), viserEtTirer(24)};
  jouerAvec(t, 1, {.marques = true});
  const auto& vues = t.vues();
  ASSERT_GE(vues.size(), 4u);
  // Each own ship cell carries its type's initial, white on dark colours and black on light ones.
  attendreCase(vues[0], GRILLE_JOUEUR, 101, "R", attr(BLACK, LIGHTMAGENTA));
  attendreCase(vues[0], GRILLE_JOUEUR, 23, "P", attr(WHITE, BLUE));
  attendreCase(vues[0], GRILLE_JOUEUR, 65, "S", attr(WHITE, GREEN));
  attendreCase(vues[0], GRILLE_JOUEUR, 60, "C", attr(BLACK, LIGHTRED));
  attendreCase(vues[1], GRILLE_CIBLE, 20, ".", attr(WHITE, LIGHTBLUE));
  attendreCase(vues[2], GRILLE_CIBLE, 25, "X", attr(WHITE, LIGHTRED));
  attendreCase(vues[3], GRILLE_CIBLE, 25, "#", attr(WHITE, LIGHTGRAY));
  attendreCase(vues[3], GRILLE_CIBLE, 24, "#", attr(WHITE, LIGHTGRAY));
  // The computer's shots on the own board win over the initials.
  for (const TCellule* c = p.joueur2->pileCoup->debut.get(); c != nullptr; c = c->lien.get()) {
    const std::string attendu = c->coup.couleur == MARQUE_RATE ? "." : "X";
    attendreCase(vues[3], GRILLE_JOUEUR, c->coup.position, attendu, attr(WHITE, c->coup.couleur));
  }
}

TEST_F(PartieAvecOptions, LeCurseurGardeResteSurLeDernierTirEtMontreSaMarque) {
  TerminalScripte t{viserEtTirer(20), "H"};
  jouerAvec(t, 1, {.garderCurseur = true});
  const auto& vues = t.vues();
  ASSERT_GE(vues.size(), 3u);
  attendreCase(vues[1], GRILLE_CIBLE, 20, "O", attr(WHITE, LIGHTBLUE));
  // Moved off it, the cursor is yellow on black and the mark is back.
  attendreCase(vues[2], GRILLE_CIBLE, 20, "X", attr(WHITE, LIGHTBLUE));
  EXPECT_EQ(texte(vues[2], xCase(GRILLE_CIBLE, 1), yCase(GRILLE_CIBLE, 9), 1), "O");
}

TEST_F(PartieAvecOptions, UneDefaiteDevoileLaFlotteAvantLEcranDeFin) {
  // Every cell of the target board but the tug's second one, while the game asks: the computer
  // wins. Then one key on the revealed fleet, one on the end screen.
  std::deque<std::string> tirs;
  for (int colonne = 1; colonne <= 10; ++colonne) {
    for (int rangee = 1; rangee <= 10; ++rangee) {
      if (codeCase(rangee, colonne) != 25) tirs.push_back(viserEtTirer(codeCase(rangee, colonne)));
    }
  }
  std::optional<Ecran> devoile;
  bool finVue = false;
  TerminalScripte t;
  t.repondre([&](const Ecran& pEcran) -> std::optional<std::string> {
    if (ligne(pEcran, 1) == "PARTIE TERMINEE") {
      finVue = true;
      return "x";
    }
    if (!ligne(pEcran, 33).empty()) {
      devoile = pEcran;
      return "x";
    }
    if (tirs.empty()) return std::nullopt;
    std::string tir = tirs.front();
    tirs.pop_front();
    return tir;
  });
  jouerAvec(t, 2, {.devoiler = true});
  ASSERT_EQ(gagnant, 2);
  ASSERT_TRUE(devoile);
  EXPECT_EQ(ligne(*devoile, 33), "Partie terminee: appuyez sur une touche");
  EXPECT_EQ(attribut(*devoile, 1, 33), YELLOW);
  // The tug's unhit cell in its colour, its hit cell marked over it.
  attendreCase(*devoile, GRILLE_CIBLE, 25, " ", attr(BLACK, RED));
  attendreCase(*devoile, GRILLE_CIBLE, 24, "X", attr(WHITE, LIGHTRED));
  EXPECT_TRUE(finVue);
}

TEST_F(PartieAvecOptions, UnClicSurLaCibleViseEtTireDansLesDeuxDispositions) {
  for (const bool compact : {false, true}) {
    const Disposition& ecran = compact ? DISPOSITION_COMPACTE : DISPOSITION_DECRITE;
    p = nouvellePartie();
    TerminalScripte t{clicSurCase(ecran.grilleJoueur, 3, 2), "\x1b[<2;98;9M",
                      clicSurCase(ecran.grilleCible, 3, 2)};
    t.activerSouris();
    jouerAvec(t, 1, {.souris = true, .compact = compact});
    // Clicks on the own board and right clicks do nothing; the left click on the target fires.
    EXPECT_EQ(getLongPile(*p.joueur1->pileCoup), 1) << compact;
    EXPECT_EQ(p.joueur1->pileCoup->debut->coup.position, codeCase(3, 2)) << compact;
  }
}

TEST(PlacementALaSouris, UnClicDeplaceLeBateauUnAutreLePoseUnDroitLeTourne) {
  Tparam p;
  setParamParDef(p);
  // Name, placement by hand, then the cargo (5 cells, vertical at A1): a right click turns it,
  // a click on row 9 takes it only as far as it fits, a click on its first cell lays it.
  TerminalScripte t{"Alice\r", "\r", "\x1b[<2;1;1M",
                    clicSurCase(DISPOSITION_DECRITE.grillePlacement, 9, 3),
                    clicSurCase(DISPOSITION_DECRITE.grillePlacement, 9, 3)};
  t.activerSouris();
  executer(t, [&] { placerBateau(p, {.souris = true}); });
  const TPosition& cargo = p.joueur1->mBateauxDuJoueur[3].mCoordonnees;
  EXPECT_EQ(cargo.mDirection, horizontal);
  EXPECT_EQ(cargo.mLatitude, 9);
  EXPECT_EQ(cargo.mLongitude, 3);
  EXPECT_EQ(p.joueur1->nbCasesPrises, 5);
}
