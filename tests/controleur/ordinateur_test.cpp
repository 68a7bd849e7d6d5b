// The computer's levels: where each one fires on boards made by hand, whole games against
// fleets laid by chance, and the level a game is played at, resumed games included.

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "controleur/bateau.hpp"
#include "controleur/partieDeTest.hpp"
#include "modele/expert.hpp"
#include "modele/sauv.hpp"
#include "modele/score.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/flottesAuHasard.hpp"
#include "support/terminalScripte.hpp"

using namespace partie;

namespace {

constexpr NiveauOrdinateur NIVEAUX[] = {NiveauOrdinateur::hasard, NiveauOrdinateur::chasseur,
                                        NiveauOrdinateur::expert};

std::vector<int> positionsDansLOrdre(const TPile& pPile) {
  std::vector<int> tirs;
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    tirs.insert(tirs.begin(), c->coup.position);
  }
  return tirs;
}

// A board where every cell is shot but pOuvertes; pMarques gives the cells that are not a miss.
std::unique_ptr<TPile> pileSauf(const std::set<int>& pOuvertes,
                                const std::map<int, int>& pMarques = {}) {
  auto pile = creerPile();
  for (int code = codeCase(1, 1); code <= codeCase(10, 10); ++code) {
    if (pOuvertes.contains(code)) continue;
    const auto marque = pMarques.find(code);
    empiler(*pile, {code, marque == pMarques.end() ? MARQUE_RATE : marque->second});
  }
  return pile;
}

// Every cell open but those of pMarques.
std::unique_ptr<TPile> pileDe(const std::map<int, int>& pMarques) {
  auto pile = creerPile();
  for (const auto& [code, marque] : pMarques) empiler(*pile, {code, marque});
  return pile;
}

// The default fleet's four types; the ones listed are sunk.
std::vector<TInfoBateau> flotte(const std::set<EType>& pCoules = {}) {
  std::vector<TInfoBateau> bateaux;
  for (EType type : {remorqueur, porteAvion, sousMarin, cargot}) {
    TInfoBateau& b = bateaux.emplace_back();
    b.mType = type;
    b.estCoule = pCoules.contains(type) ? 1 : 0;
  }
  return bateaux;
}

// --- Names ---

TEST(NiveauOrdinateur, NomsDansLesDeuxSens) {
  for (NiveauOrdinateur niveau : NIVEAUX) EXPECT_EQ(niveauDeNom(nomNiveau(niveau)), niveau);
  EXPECT_EQ(nomNiveau(NiveauOrdinateur::chasseur), "chasseur");
  for (const char* nom : {"", "Expert", "expert ", "hasar", "facile"}) {
    EXPECT_EQ(niveauDeNom(nom), std::nullopt) << nom;
  }
}

// --- Boards made by hand ---

struct CasDeCarte {
  const char* nom;
  NiveauOrdinateur niveau;
  std::set<EType> coules;
  std::map<int, int> tirs;  // on an open board; empty when pOuvertes is used
  std::set<int> ouvertes;   // the only cells not shot yet (all misses), when not empty
  std::set<int> attendues;  // where the next shot may land, whatever the random draws
};

void PrintTo(const CasDeCarte& pCas, std::ostream* pFlux) {
  *pFlux << pCas.nom;
}

class Carte : public testing::TestWithParam<CasDeCarte> {};

TEST_P(Carte, LeProchainTirTombeOuLeDitLeCompte) {
  const CasDeCarte& cas = GetParam();
  const auto pile = cas.ouvertes.empty() ? pileDe(cas.tirs) : pileSauf(cas.ouvertes, cas.tirs);
  const auto bateaux = flotte(cas.coules);
  for (unsigned graine = 1; graine <= 20; ++graine) {
    std::srand(graine);
    EXPECT_TRUE(cas.attendues.contains(choisirTir(cas.niveau, *pile, bateaux)))
        << "graine " << graine;
  }
}

constexpr int T = MARQUE_TOUCHE;
constexpr int R = MARQUE_RATE;
constexpr int C = MARQUE_COULE;
constexpr auto CHASSEUR = NiveauOrdinateur::chasseur;
constexpr auto EXPERT = NiveauOrdinateur::expert;

// Cell codes are column x 10 + row: 55 is row 5, column 5; 65 is row 5, column 6.
INSTANTIATE_TEST_SUITE_P(
    Cas, Carte,
    testing::Values(
        CasDeCarte{"chasseurUneToucheSesVoisines", CHASSEUR, {}, {{55, T}}, {}, {45, 65, 54, 56}},
        CasDeCarte{"chasseurVoisinesOuvertesSeulement",
                   CHASSEUR,
                   {},
                   {{11, T}, {21, R}, {33, R}},
                   {},
                   {12}},
        CasDeCarte{"chasseurDeuxTouchesEnLigne", CHASSEUR, {}, {{55, T}, {65, T}}, {}, {45, 75}},
        CasDeCarte{"chasseurLigneFermeeDUnCote",
                   CHASSEUR,
                   {},
                   {{54, T}, {55, T}, {56, T}, {53, R}},
                   {},
                   {57}},
        // A sunk ship next to a hit: the hunt goes on around the hit alone.
        CasDeCarte{"chasseurUneCouleeNeFaitPasLigne",
                   CHASSEUR,
                   {remorqueur},
                   {{44, C}, {45, C}, {46, T}},
                   {},
                   {36, 56}},
        // Only the tug afloat, the smallest: the hunt keeps to cells of (row + column) even.
        CasDeCarte{"chasseurDamierDuPlusPetit",
                   CHASSEUR,
                   {porteAvion, sousMarin, cargot},
                   {},
                   {11, 12, 13, 14},
                   {11, 13}},
        // One tug afloat, room for it in one place only: the lone cells cannot hold it.
        CasDeCarte{"expertUnSeulPlacement",
                   EXPERT,
                   {porteAvion, sousMarin, cargot},
                   {},
                   {11, 77, 78, 110, 39},
                   {77, 78}},
        // A carrier in a run of five: 1, 2, 3, 2, 1 placements from column 1 to 5.
        CasDeCarte{"expertLeMilieuDUneRangee",
                   EXPERT,
                   {remorqueur, sousMarin, cargot},
                   {},
                   {14, 24, 34, 44, 54},
                   {34}},
        // A hit on an open board: the placements through it win over any search.
        CasDeCarte{"expertAchevePlutotQueChercher", EXPERT, {}, {{11, T}}, {}, {12, 21}},
        CasDeCarte{
            "expertSuitLaLigne", EXPERT, {remorqueur}, {{55, T}, {56, T}, {57, R}}, {}, {54}}),
    [](const auto& pInfo) { return std::string(pInfo.param.nom); });

TEST(CompterPlacements, UnCargotDansUneColonneOuverte) {
  // Column 3 open, the rest shot: the cargo ship fits there 6 ways, rows 1 to 10.
  std::set<int> colonne;
  for (int ligne = 1; ligne <= 10; ++ligne) colonne.insert(codeCase(ligne, 3));
  const Densite densite = compterPlacements(CarteTirs(pileSauf(colonne)->plateau), {cargot});
  const std::int64_t attendu[] = {1, 2, 3, 4, 5, 5, 4, 3, 2, 1};
  for (int ligne = 1; ligne <= 10; ++ligne) {
    EXPECT_EQ(densite[static_cast<std::size_t>(codeCase(ligne, 3))], attendu[ligne - 1]);
  }
  EXPECT_EQ(densite[static_cast<std::size_t>(codeCase(1, 1))], 0);
}

// --- No hidden state ---

TEST(Decision, LeMemePlateauEtLaMemeGraineDonnentLeMemeTir) {
  Tparam p;
  flottesAuHasard(p, 2, 3);
  TJoueur& ordi = *p.joueur2;
  TJoueur& humain = *p.joueur1;
  int tour = 0;
  for (int code : {44, 45, 46, 47, 73, 82, 91}) tir(ordi, humain, &tour, code);
  for (NiveauOrdinateur niveau : NIVEAUX) {
    checkBateauxCoules(8, ordi, humain);
    std::srand(11);
    const int avant = choisirTir(niveau, *ordi.pileCoup, humain.mBateauxDuJoueur);
    // Three more shots, each decided, then taken back: the board is the one before.
    for (int i = 0; i < 3; ++i) {
      tir(ordi, humain, &tour, choisirTir(niveau, *ordi.pileCoup, humain.mBateauxDuJoueur));
      checkBateauxCoules(8, ordi, humain);
    }
    for (int i = 0; i < 3; ++i) depiler(*ordi.pileCoup);
    checkBateauxCoules(8, ordi, humain);
    std::srand(11);
    EXPECT_EQ(choisirTir(niveau, *ordi.pileCoup, humain.mBateauxDuJoueur), avant)
        << nomNiveau(niveau);
  }
}

// --- Whole games ---

// The computer alone fires at the human's fleet as the game loop drives it, the sunk flags and
// marks brought up to date after each accepted shot. Gives every cell it picked.
std::vector<int> partieOrdinateurSeul(NiveauOrdinateur pNiveau, Tparam& pParam) {
  TJoueur& ordi = *pParam.joueur2;
  TJoueur& humain = *pParam.joueur1;
  std::vector<int> choix;
  int tour = 0;
  const int nbBateaux = 4 * pParam.mNombreInstanceBateaux;
  checkBateauxCoules(nbBateaux, ordi, humain);
  while (getTouche(*ordi.pileCoup) < humain.nbCasesPrises && choix.size() < 10000) {
    choix.push_back(choisirTir(pNiveau, *ordi.pileCoup, humain.mBateauxDuJoueur));
    const int avant = tour;
    tir(ordi, humain, &tour, choix.back());
    if (tour != avant) checkBateauxCoules(nbBateaux, ordi, humain);
  }
  return choix;
}

class PartiesEntieres : public testing::TestWithParam<std::tuple<NiveauOrdinateur, int>> {};

TEST_P(PartiesEntieres, DansLaGrilleSansTirerDeuxFoisJusquAuDernierBateau) {
  const auto [niveau, n] = GetParam();
  for (unsigned graine = 1; graine <= 25; ++graine) {
    SCOPED_TRACE("graine " + std::to_string(graine));
    Tparam p;
    flottesAuHasard(p, n, graine);
    const std::vector<int> choix = partieOrdinateurSeul(niveau, p);
    std::set<int> tirees;
    for (int code : choix) {
      ASSERT_GE(code, codeCase(1, 1));
      ASSERT_LE(code, codeCase(10, 10));
      // hasard draws again on a cell already shot; the other levels never pick one.
      ASSERT_TRUE(tirees.insert(code).second || niveau == NiveauOrdinateur::hasard) << code;
    }
    EXPECT_EQ(positionsDansLOrdre(*p.joueur2->pileCoup).size(), tirees.size());
    EXPECT_EQ(getTouche(*p.joueur2->pileCoup), 14 * n);
    for (const TInfoBateau& b : p.joueur1->mBateauxDuJoueur) EXPECT_EQ(b.estCoule, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(NiveauxEtFlottes, PartiesEntieres,
                         testing::Combine(testing::ValuesIn(NIVEAUX), testing::Values(1, 2, 3)),
                         [](const auto& pInfo) {
                           return std::string(nomNiveau(std::get<0>(pInfo.param))) + "_n" +
                                  std::to_string(std::get<1>(pInfo.param));
                         });

// A whole game at the run's level: the human fires at the water first and at the computer's
// ships last, so that the computer plays most of its game. The computer's shots in order.
std::vector<int> tirsOrdiDUnePartie(int pN, unsigned pGraine, NiveauOrdinateur pNiveau) {
  Tparam p;
  flottesAuHasard(p, pN, pGraine);
  const auto& cases = p.joueur2->tabPosBateauJoueur;
  const std::set<int> flotteOrdi(cases.begin(), cases.end());
  TerminalScripte t;
  for (int code = codeCase(1, 1); code <= codeCase(10, 10); ++code) {
    if (!flotteOrdi.contains(code)) t.taper(viserEtTirer(code));
  }
  for (int code : flotteOrdi) t.taper(viserEtTirer(code));
  t.taper("x");
  executer(t, [&] { jouer(p, 0, {.niveau = pNiveau}); });
  return positionsDansLOrdre(*p.joueur2->pileCoup);
}

struct PartieEnregistree {
  int n;
  unsigned graine;
  std::size_t nbTirs;
  long long somme;  // sum of (rank from 1) x cell code: any change of order changes it
  std::vector<int> premiers;
  NiveauOrdinateur niveau = NiveauOrdinateur::hasard;
};

class TirsCommeAvant : public testing::TestWithParam<PartieEnregistree> {};

// hasard recorded from the game before the levels existed, the others from the game before they
// read the stack's board in place: a seed gives the same shots, games resumed play on the same.
TEST_P(TirsCommeAvant, MemesTirsDansLeMemeOrdre) {
  const PartieEnregistree& attendue = GetParam();
  const std::vector<int> tirs = tirsOrdiDUnePartie(attendue.n, attendue.graine, attendue.niveau);
  ASSERT_EQ(tirs.size(), attendue.nbTirs);
  long long somme = 0;
  for (std::size_t i = 0; i < tirs.size(); ++i) somme += static_cast<long long>(i + 1) * tirs[i];
  EXPECT_EQ(somme, attendue.somme);
  EXPECT_EQ(std::vector<int>(tirs.begin(), tirs.begin() + 12), attendue.premiers);
}

INSTANTIATE_TEST_SUITE_P(
    Graines, TirsCommeAvant,
    testing::Values(
        PartieEnregistree{1, 8, 83, 221408, {31, 82, 44, 68, 11, 74, 84, 14, 80, 96, 101, 60}},
        PartieEnregistree{2, 9, 100, 303207, {26, 14, 35, 36, 92, 76, 88, 50, 17, 68, 91, 89}},
        PartieEnregistree{3, 10, 99, 293272, {22, 64, 71, 93, 91, 40, 95, 15, 25, 14, 34, 17}},
        PartieEnregistree{
            2, 9, 52, 85969, {42, 43, 41, 44, 62, 99, 22, 21, 23, 32, 12, 59}, CHASSEUR},
        PartieEnregistree{
            3, 10, 67, 137080, {65, 56, 57, 46, 66, 76, 84, 85, 86, 87, 83, 82}, EXPERT}));

// --- The level of the run, resumed games included ---

class Reprise : public testing::TestWithParam<NiveauOrdinateur> {};

// A game saved after one exchange, in which the computer hit the human's submarine (65 to 68).
// Resumed at a level, the human fires once and leaves: the computer's one shot is the level's.
TEST_P(Reprise, LaPartieRepriseSeJoueAuNiveauDonne) {
  const NiveauOrdinateur niveau = GetParam();
  DossierTemporaire dossier;
  {
    Tparam p = nouvellePartie();
    p.aCommence = 1;
    tirerDeja(*p.joueur1, *p.joueur2, 110);
    tirerDeja(*p.joueur2, *p.joueur1, 65);
    ASSERT_TRUE(sauverPartie(p));
  }
  Tparam q;
  ASSERT_TRUE(restaurerPartie(q));
  TerminalScripte t{viserEtTirer(109), "q" + std::string(touches::HAUT) + "\r", "x"};
  EXPECT_EQ(executer(t,
                     [&] {
                       std::srand(1);  // hasard would fire at 47
                       jouer(q, 1, {.niveau = niveau});
                     }),
            0);
  TPile& pile = *q.joueur2->pileCoup;
  ASSERT_EQ(getLongPile(pile), 2);
  const int tire = pile.debut->coup.position;
  EXPECT_TRUE(std::set<int>({55, 75, 64, 66}).contains(tire)) << tire;
  // The same pick from the board as it stood, with the generator as it stood.
  depiler(pile);
  checkBateauxCoules(4, *q.joueur2, *q.joueur1);
  std::srand(1);
  EXPECT_EQ(choisirTir(niveau, pile, q.joueur1->mBateauxDuJoueur), tire);
}

INSTANTIATE_TEST_SUITE_P(Niveaux, Reprise,
                         testing::Values(NiveauOrdinateur::chasseur, NiveauOrdinateur::expert),
                         [](const auto& pInfo) { return std::string(nomNiveau(pInfo.param)); });

}  // namespace
