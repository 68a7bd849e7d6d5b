#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "controleur/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/parametre.hpp"
#include "modele/random.hpp"
#include "statuts.hpp"
#include "support/terminalScripte.hpp"
#include "vue/vueGrille.hpp"

namespace {

using plateforme::Ecran;

constexpr int STATUT_FIN = STATUT_FIN_ENTREE;
constexpr int FOND_FENORIL = BLACK | LIGHTRED << 4;

// A fleet of n ships of each type, in the order the settings dialogue builds it.
Tparam flotte(int pN) {
  Tparam p;
  newTParam(pN, p);
  int id = 0;
  for (int joueur = 0; joueur < 2; ++joueur) {
    for (EType type : {remorqueur, porteAvion, sousMarin, cargot}) {
      for (int i = 0; i < pN; ++i) setIemeInfoBateauTParam(id++, p, "b", 1 + i, type);
    }
  }
  return p;
}

// Attribute of cell (ligne, colonne) of the placement board.
int fondCase(const Ecran& pEcran, int pLigne, int pColonne) {
  const Point p = caractereDeCase(DISPOSITION_DECRITE.grillePlacement, pLigne, pColonne);
  return attribut(pEcran, p.x, p.y);
}

// The placement board's cells painted with this attribute, as (row, column).
std::set<std::pair<int, int>> casesDeFond(const Ecran& pEcran, int pAttribut) {
  std::set<std::pair<int, int>> cases;
  for (int l = 1; l <= 10; ++l) {
    for (int c = 1; c <= 10; ++c) {
      if (fondCase(pEcran, l, c) == pAttribut) cases.insert({l, c});
    }
  }
  return cases;
}

std::set<std::pair<int, int>> colonneDeCases(int pLigne, int pColonne, int pLongueur, ESens pSens) {
  std::set<std::pair<int, int>> cases;
  for (int j = 0; j < pLongueur; ++j) {
    cases.insert(pSens == vertical ? std::pair{pLigne + j, pColonne}
                                   : std::pair{pLigne, pColonne + j});
  }
  return cases;
}

std::set<int> casesOccupees(const TJoueur& pJoueur) {
  return {pJoueur.tabPosBateauJoueur.begin(),
          pJoueur.tabPosBateauJoueur.begin() + pJoueur.nbCasesPrises};
}

// Runs the whole placement on p with a name and "by hand" already answered, then these keys.
int placerALaMain(TerminalScripte& pT, Tparam& pP) {
  return executer(pT, [&] { placerBateau(pP, REGLAGES_DECRITS); });
}

}  // namespace

// --- Random placement ---

struct CasFlotte {
  int n;
  unsigned graine;
};

class PlacementAleaFlotte : public testing::TestWithParam<CasFlotte> {};

// Every ship lies inside the grid, off the last row or column along its length, and no two share
// a cell: the occupied cells are exactly the fleet's 14n distinct cells.
TEST_P(PlacementAleaFlotte, PoseToutesLesCasesSansChevauchementDansLaGrille) {
  const auto [n, graine] = GetParam();
  Tparam p = flotte(n);
  std::srand(graine);
  placementAlea(*p.joueur1, 4 * n);
  const TJoueur& j = *p.joueur1;
  ASSERT_EQ(j.nbCasesPrises, 14 * n);
  std::set<int> attendues;
  for (const TInfoBateau& b : j.mBateauxDuJoueur) {
    const TPosition& pos = b.mCoordonnees;
    const bool horiz = pos.mDirection == horizontal;
    EXPECT_GE(pos.mLatitude, 1);
    EXPECT_GE(pos.mLongitude, 1);
    EXPECT_LE((horiz ? pos.mLongitude : pos.mLatitude) + b.mType, 10);
    EXPECT_LE(horiz ? pos.mLatitude : pos.mLongitude, 10);
    for (int c = 0; c < b.mType; ++c) attendues.insert(caseDuBateau(pos, c));
  }
  EXPECT_EQ(static_cast<int>(attendues.size()), 14 * n);
  EXPECT_EQ(casesOccupees(j), attendues);
}

std::vector<CasFlotte> casFlottes() {
  std::vector<CasFlotte> cas;
  for (int n = 1; n <= 3; ++n) {
    for (unsigned g = 1; g <= 40; ++g) cas.push_back({n, g * 7919u});
  }
  return cas;
}

INSTANTIATE_TEST_SUITE_P(NEtGraines, PlacementAleaFlotte, testing::ValuesIn(casFlottes()),
                         [](const testing::TestParamInfo<CasFlotte>& pCas) {
                           return "n" + std::to_string(pCas.param.n) + "_graine" +
                                  std::to_string(pCas.param.graine);
                         });

class PlacementAleaPremiereCase : public testing::TestWithParam<EType> {};

// Along its length the first cell goes from 1 to 10 - L, across it from 1 to 10, in both
// directions, over many draws.
TEST_P(PlacementAleaPremiereCase, TireDansLesBornesDecrites) {
  const EType type = GetParam();
  TJoueur j;
  j.mBateauxDuJoueur.assign(1, TInfoBateau{});
  j.mBateauxDuJoueur[0].mType = type;
  j.tabPosBateauJoueur.assign(static_cast<std::size_t>(type), 0);
  std::set<int> le[2], travers[2];  // indexed by direction
  std::srand(2024);
  for (int i = 0; i < 4000; ++i) {
    j.nbCasesPrises = 0;
    placementAlea(j, 1);
    ASSERT_EQ(j.nbCasesPrises, static_cast<int>(type));
    const TPosition& pos = j.mBateauxDuJoueur[0].mCoordonnees;
    const int d = pos.mDirection;
    le[d].insert(d == horizontal ? pos.mLongitude : pos.mLatitude);
    travers[d].insert(d == horizontal ? pos.mLatitude : pos.mLongitude);
  }
  for (int d : {0, 1}) {
    std::set<int> attenduLe, attenduTravers;
    for (int v = 1; v <= 10 - type; ++v) attenduLe.insert(v);
    for (int v = 1; v <= 10; ++v) attenduTravers.insert(v);
    EXPECT_EQ(le[d], attenduLe) << "direction " << d;
    EXPECT_EQ(travers[d], attenduTravers) << "direction " << d;
  }
}

INSTANTIATE_TEST_SUITE_P(Types, PlacementAleaPremiereCase,
                         testing::Values(remorqueur, porteAvion, sousMarin, cargot));

// --- The order of placement ---

TEST(PlacerBateau, PlaceLOrdinateurAvantLEcranDeChoix) {
  Tparam p;
  setParamParDef(p);
  TerminalScripte t{"Alice\r"};
  EXPECT_EQ(placerALaMain(t, p), STATUT_FIN);
  ASSERT_EQ(t.vues().size(), 2u);
  EXPECT_EQ(ligne(t.vues()[0], 2), "Saisir votre pseudo:");
  EXPECT_EQ(ligne(t.vues()[1], 1), "Voulez-vous placer vos bateaux?");
  // Input ended on the choice screen: the computer's fleet is in, the player's untouched.
  EXPECT_EQ(p.joueur2->nbCasesPrises, 14);
  EXPECT_EQ(p.joueur1->nbCasesPrises, 0);
  EXPECT_EQ(p.joueur1->nomJoueur, "Alice");
}

// With one seed, the computer's fleet takes the first draws and the player's the next ones, each
// last ship first: the same as two random placements in that order.
TEST(PlacerBateau, AuHasardTireLOrdinateurPuisLeJoueur) {
  Tparam attendu = flotte(2);
  std::srand(99);
  placementAlea(*attendu.joueur2, 8);
  placementAlea(*attendu.joueur1, 8);

  Tparam p = flotte(2);
  TerminalScripte t{"  Bartholomewsky-le-grand suite\r", touches::BAS, touches::ENTREE};
  std::srand(99);
  EXPECT_EQ(placerALaMain(t, p), 0);
  EXPECT_EQ(p.joueur1->nomJoueur, "Bartholomewsky");
  EXPECT_EQ(p.joueur1->tabPosBateauJoueur, attendu.joueur1->tabPosBateauJoueur);
  EXPECT_EQ(p.joueur2->tabPosBateauJoueur, attendu.joueur2->tabPosBateauJoueur);
  EXPECT_EQ(p.joueur1->nbCasesPrises, 28);
  // No board is shown for a random placement: the choice screen is the last thing drawn.
  EXPECT_EQ(ligne(1), "Voulez-vous placer vos bateaux?");
}

// --- Placement by hand ---

TEST(PlacementManuel, PanneauPremierBateauPuisRefusEtDeplacement) {
  Tparam p;
  setParamParDef(p);
  TerminalScripte t{"Alice\r",       touches::ENTREE, touches::ENTREE,
                    touches::ENTREE, touches::DROITE, touches::ENTREE};
  EXPECT_EQ(placerALaMain(t, p), STATUT_FIN);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 7u);

  // The first ship, "fenoril", stands down column 1 from row 1.
  const Ecran& premier = v[2];
  EXPECT_EQ(texte(premier, 52, 5, 27), "Il reste 4 bateaux a placer");
  EXPECT_EQ(texte(premier, 52, 6, 23), "Bateau courant: fenoril");
  EXPECT_EQ(texte(premier, 52, 10, 8), "Touches:");
  EXPECT_EQ(texte(premier, 52, 11, 11), "R: Rotation");
  EXPECT_EQ(texte(premier, 52, 12, 25), "Entree: Valider placement");
  for (int y : {5, 6, 10, 11, 12}) EXPECT_EQ(attribut(premier, 52, y), LIGHTCYAN) << y;
  EXPECT_EQ(casesDeFond(premier, FOND_FENORIL), colonneDeCases(1, 1, 5, vertical));
  for (int l = 1; l <= 5; ++l) {
    for (int x = 6; x <= 8; ++x) EXPECT_EQ(attribut(premier, x, 2 + 2 * l), FOND_FENORIL);
  }
  // The board's frame in yellow: row letters in column 3, column numbers on row 2.
  EXPECT_EQ(texte(premier, 3, 4, 1), "A");
  EXPECT_EQ(texte(premier, 6, 2, 1), "1");
  EXPECT_EQ(attribut(premier, 5, 4), YELLOW);

  // Committed: "dombar" (green) stands over it; the shorter name leaves nothing of the longer.
  const Ecran& second = v[3];
  EXPECT_EQ(texte(second, 52, 5, 28), "Il reste 3 bateaux a placer ");
  EXPECT_EQ(texte(second, 52, 6, 30), "Bateau courant: dombar        ");
  const int vert = BLACK | GREEN << 4;
  EXPECT_EQ(casesDeFond(second, vert), colonneDeCases(1, 1, 4, vertical));
  EXPECT_EQ(casesDeFond(second, FOND_FENORIL), colonneDeCases(5, 1, 1, vertical));

  // Enter over a committed cell is refused without a word.
  EXPECT_EQ(texte(v[4], 52, 5, 27), "Il reste 3 bateaux a placer");
  EXPECT_EQ(casesDeFond(v[4], vert), colonneDeCases(1, 1, 4, vertical));

  // One column right it is free and Enter commits it.
  EXPECT_EQ(casesDeFond(v[5], vert), colonneDeCases(1, 2, 4, vertical));
  EXPECT_EQ(casesDeFond(v[5], FOND_FENORIL), colonneDeCases(1, 1, 5, vertical));
  EXPECT_EQ(texte(v[6], 52, 5, 27), "Il reste 2 bateaux a placer");
  EXPECT_EQ(texte(v[6], 52, 6, 30), "Bateau courant: quelis        ");
  EXPECT_EQ(p.joueur1->nbCasesPrises, 9);
  EXPECT_EQ(casesOccupees(*p.joueur1), (std::set<int>{11, 12, 13, 14, 15, 21, 22, 23, 24}));
}

struct CasDeplacement {
  const char* nom;
  std::vector<std::string> touches;
  TPosition attendue;
};

class PlacementManuelBords : public testing::TestWithParam<CasDeplacement> {};

// The first ship (a cargot, 5 cells) under these keys ends where expected, on screen as in the
// record, and no cell of the board keeps a trace of where it was.
TEST_P(PlacementManuelBords, LeBateauResteDansLaGrille) {
  const CasDeplacement& cas = GetParam();
  Tparam p;
  setParamParDef(p);
  TerminalScripte t{"Alice\r", touches::ENTREE};
  for (const auto& k : cas.touches) t.taper(k);
  EXPECT_EQ(placerALaMain(t, p), STATUT_FIN);
  const TPosition& pos = p.joueur1->mBateauxDuJoueur[3].mCoordonnees;
  EXPECT_EQ(pos.mDirection, cas.attendue.mDirection);
  EXPECT_EQ(pos.mLatitude, cas.attendue.mLatitude);
  EXPECT_EQ(pos.mLongitude, cas.attendue.mLongitude);
  EXPECT_EQ(
      casesDeFond(t.vues().back(), FOND_FENORIL),
      colonneDeCases(cas.attendue.mLatitude, cas.attendue.mLongitude, 5, cas.attendue.mDirection));
  EXPECT_EQ(p.joueur1->nbCasesPrises, 0);
}

std::vector<std::string> repeter(std::string_view pTouche, int pFois) {
  return std::vector<std::string>(static_cast<std::size_t>(pFois), std::string(pTouche));
}

std::vector<std::string> puis(std::vector<std::string> pA, const std::vector<std::string>& pB) {
  pA.insert(pA.end(), pB.begin(), pB.end());
  return pA;
}

INSTANTIATE_TEST_SUITE_P(
    Touches, PlacementManuelBords,
    testing::Values(
        CasDeplacement{"HautEtGaucheEnCoin",
                       {std::string(touches::HAUT), std::string(touches::GAUCHE)},
                       {vertical, 1, 1}},
        CasDeplacement{"DroiteJusquAuBord", repeter(touches::DROITE, 12), {vertical, 1, 10}},
        CasDeplacement{"BasJusquAuBord", repeter(touches::BAS, 9), {vertical, 6, 1}},
        CasDeplacement{"BasPuisHautJusquAuBord",
                       puis(repeter(touches::BAS, 9), repeter(touches::HAUT, 9)),
                       {vertical, 1, 1}},
        CasDeplacement{"DroitePuisGaucheJusquAuBord",
                       puis(repeter(touches::DROITE, 12), repeter(touches::GAUCHE, 12)),
                       {vertical, 1, 1}},
        CasDeplacement{
            "rPuisDroiteJusquAuBord", puis({"r"}, repeter(touches::DROITE, 9)), {horizontal, 1, 6}},
        CasDeplacement{
            "RPuisBasJusquAuBord", puis({"R"}, repeter(touches::BAS, 12)), {horizontal, 10, 1}},
        CasDeplacement{"RetourneEtRamene",
                       puis(puis({"R"}, repeter(touches::DROITE, 9)), {"r"}),
                       {vertical, 1, 6}},
        CasDeplacement{
            "TourneEnBasDeLaGrille", puis(repeter(touches::BAS, 9), {"r", "R"}), {vertical, 6, 1}},
        CasDeplacement{"LettresCommeFleches", {"M", "M", "P", "K", "H", "H"}, {vertical, 1, 2}},
        CasDeplacement{"AutresTouchesSansEffet", {"x", "z", "0", " "}, {vertical, 1, 1}}),
    [](const testing::TestParamInfo<CasDeplacement>& pCas) { return pCas.param.nom; });

// With 3 ships a type the count goes from 10 to 9 and the shorter line leaves nothing behind.
TEST(PlacementManuel, CompteDeDixANeufSansResidu) {
  Tparam p = flotte(3);
  TerminalScripte t{"Alice\r",       touches::ENTREE, touches::ENTREE, touches::DROITE,
                    touches::ENTREE, touches::DROITE, touches::DROITE, touches::ENTREE};
  EXPECT_EQ(placerALaMain(t, p), STATUT_FIN);
  const auto& v = t.vues();
  EXPECT_EQ(texte(v[2], 52, 5, 28), "Il reste 12 bateaux a placer");
  EXPECT_EQ(texte(v[6], 52, 5, 28), "Il reste 10 bateaux a placer");
  EXPECT_EQ(texte(v.back(), 52, 5, 40), "Il reste 9 bateaux a placer" + std::string(13, ' '));
  EXPECT_EQ(p.joueur1->nbCasesPrises, 15);
}

// Placement ends only with the last ship committed; the board is then wiped.
TEST(PlacementManuel, FlotteComplete) {
  Tparam p;
  setParamParDef(p);
  TerminalScripte t{"Alice\r", touches::ENTREE, touches::ENTREE};
  // Each next ship one column further right than the last.
  for (int i = 1; i <= 3; ++i) {
    for (int d = 0; d < i; ++d) t.taper(touches::DROITE);
    t.taper(touches::ENTREE);
  }
  EXPECT_EQ(placerALaMain(t, p), 0);
  EXPECT_EQ(p.joueur1->nbCasesPrises, 14);
  EXPECT_EQ(p.joueur2->nbCasesPrises, 14);
  EXPECT_EQ(casesOccupees(*p.joueur1).size(), 14u);
  for (int l = 1; l <= 10; ++l) {
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(fondCase(plateforme::ecranCourant(), l, c), 0);
  }
}
