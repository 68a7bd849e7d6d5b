#include <gtest/gtest.h>

#include <tuple>

#include "controleur/bateau.hpp"
#include "controleur/partieDeTest.hpp"
#include "modele/sauv.hpp"
#include "modele/score.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/plateauDeLaPile.hpp"
#include "support/terminalScripte.hpp"

using namespace partie;

namespace {

// --- The board each stack keeps ---

// Shots, sinkings, undos, saves and loads in a seeded random order: after each step, each
// player's board is the one its stack gives when walked from scratch.
TEST(PlateauDesTirs, SuitLaPileAChaqueCoupAnnulationEtReprise) {
  DossierTemporaire dossier;
  Tparam p = nouvellePartie();
  p.aCommence = 1;
  int tour = 1;
  std::srand(7);
  for (int pas = 0; pas < 3000; ++pas) {
    const int choix = std::rand() % 10;
    const int cellule = codeCase(std::rand() % 10 + 1, std::rand() % 10 + 1);
    if (choix < 6) {
      TJoueur& tireur = tour % 2 != 0 ? *p.joueur1 : *p.joueur2;
      tir(tireur, tour % 2 != 0 ? *p.joueur2 : *p.joueur1, &tour, cellule);
    } else if (choix < 8) {
      annulerCoup(p, &tour, DISPOSITION_DECRITE);
    } else if (choix == 8 && tour % 2 != 0) {  // saves are made on the human's turn
      ASSERT_TRUE(sauverPartie(p));
    } else if (dossier.existe("save.dat")) {
      ASSERT_TRUE(restaurerPartie(p));
      tour = p.aCommence + getLongPile(*p.joueur1->pileCoup) + getLongPile(*p.joueur2->pileCoup);
    }
    checkBateauxCoules(4, *p.joueur1, *p.joueur2);
    checkBateauxCoules(4, *p.joueur2, *p.joueur1);
    if (estGagne(p) != 0) p = nouvellePartie(), p.aCommence = 1, tour = 1;
    for (const TJoueur* j : {p.joueur1.get(), p.joueur2.get()}) {
      ASSERT_EQ(j->pileCoup->plateau, reconstruirePlateau(*j->pileCoup)) << "step " << pas;
    }
  }
}

// --- Shots ---

TEST(Tir, UnTirAccepteEstEmpileToucheOuRateEtAvanceLeTour) {
  Tparam p = nouvellePartie();
  int tour = 1;
  tir(*p.joueur1, *p.joueur2, &tour, 25);  // the computer's tug
  EXPECT_EQ(tour, 2);
  tir(*p.joueur1, *p.joueur2, &tour, 20);  // row 10, column 1: water
  EXPECT_EQ(tour, 3);
  const TCellule& haut = *p.joueur1->pileCoup->debut;
  EXPECT_EQ(haut.coup.position, 20);
  EXPECT_EQ(haut.coup.couleur, MARQUE_RATE);
  EXPECT_EQ(haut.lien->coup.position, 25);
  EXPECT_EQ(haut.lien->coup.couleur, MARQUE_TOUCHE);
}

TEST(Tir, UneCaseDejaVisee) {
  Tparam p = nouvellePartie();
  int tour = 1;
  tir(*p.joueur1, *p.joueur2, &tour, 37);
  EXPECT_FALSE(tirPossible(*p.joueur1->pileCoup, 37));
  EXPECT_TRUE(tirPossible(*p.joueur1->pileCoup, 73));
  EXPECT_TRUE(tirPossible(*p.joueur2->pileCoup, 37));  // each shooter has its own cells
  tir(*p.joueur1, *p.joueur2, &tour, 37);
  EXPECT_EQ(tour, 2);
  EXPECT_EQ(getLongPile(*p.joueur1->pileCoup), 1);
}

TEST(Tir, SeulesLesCasesPrisesComptent) {
  // A fleet only partly committed: the rest of the array holds zeros, which are no ship.
  Tparam p;
  setParamParDef(p);
  p.joueur2->tabPosBateauJoueur.assign(14, 47);
  p.joueur2->nbCasesPrises = 0;
  int tour = 1;
  tir(*p.joueur1, *p.joueur2, &tour, 47);
  EXPECT_EQ(p.joueur1->pileCoup->debut->coup.couleur, MARQUE_RATE);
}

// --- Cursor ---

// From (x, y), key, expected (x, y) and result.
using CasCurseur = std::tuple<int, int, int, int, int, bool>;
class Curseur : public testing::TestWithParam<CasCurseur> {};

TEST_P(Curseur, BougeDansLaGrilleSansFaireLeTour) {
  auto [x, y, touche, xAttendu, yAttendu, bouge] = GetParam();
  EXPECT_EQ(deplacerCurseur(&x, &y, touche), bouge);
  EXPECT_EQ(x, xAttendu);
  EXPECT_EQ(y, yAttendu);
}

INSTANTIATE_TEST_SUITE_P(
    Bords, Curseur,
    testing::Values(CasCurseur{4, 1, 72, 4, 1, false}, CasCurseur{4, 2, 72, 4, 1, true},
                    CasCurseur{4, 10, 80, 4, 10, false}, CasCurseur{4, 9, 80, 4, 10, true},
                    CasCurseur{1, 4, 75, 1, 4, false}, CasCurseur{2, 4, 75, 1, 4, true},
                    CasCurseur{10, 4, 77, 10, 4, false}, CasCurseur{9, 4, 77, 10, 4, true},
                    CasCurseur{5, 5, 224, 5, 5, false}, CasCurseur{5, 5, 0, 5, 5, false},
                    CasCurseur{5, 5, 13, 5, 5, false}, CasCurseur{5, 5, 'h', 5, 5, false}));

// --- Win test ---

TEST(EstGagne, PersonneTantQueRienNEstCoule) {
  Tparam p = nouvellePartie();
  for (int c : CASES_ORDI) {
    if (c != 25) tirerDeja(*p.joueur1, *p.joueur2, c);
  }
  EXPECT_EQ(estGagne(p), 0);
  tirerDeja(*p.joueur1, *p.joueur2, 25);
  EXPECT_EQ(estGagne(p), 1);
}

TEST(EstGagne, LOrdinateurGagneMaisLHumainPrevaut) {
  Tparam p = nouvellePartie();
  for (int c : CASES_HUMAIN) tirerDeja(*p.joueur2, *p.joueur1, c);
  EXPECT_EQ(estGagne(p), 2);
  for (int c : CASES_ORDI) tirerDeja(*p.joueur1, *p.joueur2, c);
  EXPECT_EQ(estGagne(p), 1);
}

TEST(EstGagne, LesTirsDansLEauNeComptentPas) {
  Tparam p = nouvellePartie();
  for (int c = 26; c <= 39; ++c) tirerDeja(*p.joueur1, *p.joueur2, c);  // 14 shots, no ship
  EXPECT_EQ(estGagne(p), 0);
}

// --- Undo, on whatever state it is given ---

struct CasAnnulation {
  int aCommence;
  int tour;
  int tirsHumain;
  int tirsOrdi;
  int tirsHumainApres;
  int tirsOrdiApres;
};
class Annulation : public testing::TestWithParam<CasAnnulation> {};

TEST_P(Annulation, NeRetireQueDesTirsExistantsEtRecaleLeTour) {
  const CasAnnulation cas = GetParam();
  Tparam p = nouvellePartie();
  p.aCommence = cas.aCommence;
  for (int i = 0; i < cas.tirsHumain; ++i) tirerDeja(*p.joueur1, *p.joueur2, 71 + i);
  for (int i = 0; i < cas.tirsOrdi; ++i) tirerDeja(*p.joueur2, *p.joueur1, 71 + i);
  int tour = cas.tour;
  TerminalScripte t;
  executer(t, [&] { annulerCoup(p, &tour, DISPOSITION_DECRITE); });
  EXPECT_EQ(getLongPile(*p.joueur1->pileCoup), cas.tirsHumainApres);
  EXPECT_EQ(getLongPile(*p.joueur2->pileCoup), cas.tirsOrdiApres);
  EXPECT_EQ(tour, cas.aCommence + cas.tirsHumainApres + cas.tirsOrdiApres);
}

INSTANTIATE_TEST_SUITE_P(
    EtatsCoherents, Annulation,
    testing::Values(CasAnnulation{1, 5, 2, 2, 1, 1},    // an exchange
                    CasAnnulation{2, 3, 0, 1, 0, 0},    // the computer's only shot
                    CasAnnulation{2, 5, 1, 2, 0, 1}));  // an exchange after the computer began

INSTANTIATE_TEST_SUITE_P(PilesPlusCourtesQueLeTour, Annulation,
                         testing::Values(CasAnnulation{1, 9, 0, 0, 0, 0},
                                         CasAnnulation{1, 9, 1, 0, 0, 0},
                                         CasAnnulation{1, 9, 0, 1, 0, 0},
                                         CasAnnulation{2, 3, 1, 0, 1, 0},
                                         CasAnnulation{1, 2, 0, 3, 0, 2}));

TEST(AnnulationEcran, EfaceLesDeuxGrilles) {
  Tparam p = nouvellePartie();
  p.aCommence = 1;
  int tour = 1;
  TerminalScripte t;
  executer(t, [&] {
    gotoxy(xCase(GRILLE_JOUEUR, 3) - 1, yCase(GRILLE_JOUEUR, 7));
    textcolor(attr(WHITE, LIGHTRED));
    ecrire(" X ");
    gotoxy(xCase(GRILLE_CIBLE, 10) - 1, yCase(GRILLE_CIBLE, 10));
    ecrire(" X ");
    annulerCoup(p, &tour, DISPOSITION_DECRITE);
    EXPECT_EQ(texte(xCase(GRILLE_JOUEUR, 3), yCase(GRILLE_JOUEUR, 7), 1), " ");
    EXPECT_EQ(attribut(xCase(GRILLE_JOUEUR, 3), yCase(GRILLE_JOUEUR, 7)), attr(BLACK, BLACK));
    EXPECT_EQ(attribut(xCase(GRILLE_CIBLE, 10) + 1, yCase(GRILLE_CIBLE, 10)), attr(BLACK, BLACK));
  });
}

}  // namespace
