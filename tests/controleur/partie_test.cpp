// Whole games played by scripted keys on a fixed seed, read back from the screens the player saw.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "controleur/bateau.hpp"
#include "controleur/partieDeTest.hpp"
#include "modele/score.hpp"
#include "plateforme/console.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/terminalScripte.hpp"

using namespace partie;
using plateforme::Ecran;

namespace {

const std::string QUESTION = "Voulez-vous vraiment quitter? La partie est perdue sans sauvegarde.";
const std::string ECHEC_SAUVEGARDE = "Une erreur est survenue. Sauvegarde impossible.";
const std::string SAUVEGARDE_FAITE =
    "Sauvegarde effectuee. Appuyez sur une touche pour continuer a jouer";

class UnePartie : public testing::Test {
 protected:
  // Plays with this seed; keeps the result and the screen jouer leaves behind.
  int jouerAvec(TerminalScripte& pT, unsigned pGraine, int pReprise = 0) {
    return executer(pT, [&] {
      std::srand(pGraine);
      gagnant = jouer(p, pReprise, REGLAGES_DECRITS);
      ecranFinal = plateforme::ecranCourant();
    });
  }
  const TPile& pileHumain() const { return *p.joueur1->pileCoup; }
  const TPile& pileOrdi() const { return *p.joueur2->pileCoup; }

  Tparam p = nouvellePartie();
  int gagnant = -1;
  Ecran ecranFinal;
};

// The aiming cursor stands on cell (ligne, colonne) of the target board.
void attendreCurseur(const Ecran& pV, int pLigne, int pColonne) {
  const int x = xCase(GRILLE_CIBLE, pColonne);
  const int y = yCase(GRILLE_CIBLE, pLigne);
  EXPECT_EQ(texte(pV, x - 1, y, 3), " O ") << "ligne " << pLigne << " colonne " << pColonne;
  EXPECT_EQ(attribut(pV, x, y), attr(YELLOW, BLACK));
}

void attendreTir(const Ecran& pV, const Grille& pGrille, int pCode, int pMarque) {
  const int x = xCase(pGrille, colonneDeCode(pCode));
  const int y = yCase(pGrille, ligneDeCode(pCode));
  EXPECT_EQ(texte(pV, x, y, 1), "X") << "case " << pCode;
  EXPECT_EQ(attribut(pV, x, y), attr(WHITE, pMarque)) << "case " << pCode;
}

void attendreCaseVide(const Ecran& pV, const Grille& pGrille, int pCode, int pFond) {
  const int x = xCase(pGrille, colonneDeCode(pCode));
  const int y = yCase(pGrille, ligneDeCode(pCode));
  EXPECT_EQ(texte(pV, x - 1, y, 3), "   ") << "case " << pCode;
  EXPECT_EQ(attribut(pV, x, y), attr(BLACK, pFond)) << "case " << pCode;
}

void attendrePanneau(const Ecran& pV, int pX, int pScore, int pTirs, int pTouches) {
  const std::string score = "Score: " + std::to_string(pScore) + " ";
  EXPECT_EQ(texte(pV, pX, 28, static_cast<int>(score.size())), score);
  const std::string tirs = "Tirs effectues: " + std::to_string(pTirs) + " ";
  EXPECT_EQ(texte(pV, pX, 29, static_cast<int>(tirs.size())), tirs);
  const std::string touches = "Tirs reussi: " + std::to_string(pTouches) + " ";
  EXPECT_EQ(texte(pV, pX, 30, static_cast<int>(touches.size())), touches);
}

void attendreEcranDeFin(const Ecran& pV) {
  EXPECT_EQ(ligne(pV, 1), "PARTIE TERMINEE");
  for (int y = 2; y <= 5; ++y) EXPECT_EQ(ligne(pV, y), "");
  EXPECT_EQ(ligne(pV, 6), "Appuyez sur une touche pour continuer...");
  EXPECT_EQ(attribut(pV, 1, 1), LIGHTCYAN);
  EXPECT_EQ(attribut(pV, 1, 6), LIGHTCYAN);
  // The boards were blanked to black before the clear: no coloured cell is left behind.
  // (Row 6 of the own board lies under the end text.)
  for (int y = 8; y <= 24; y += 2) {
    EXPECT_EQ(attribut(pV, 12, y), attr(BLACK, BLACK));
    EXPECT_EQ(attribut(pV, 98, y), attr(BLACK, BLACK));
  }
  for (int y = 7; y <= 45; ++y) EXPECT_EQ(ligne(pV, y), "");
}

// --- Whole games ---

class Victoire : public UnePartie, public testing::WithParamInterface<int> {};

TEST_P(Victoire, LeDernierTirGagneAussitot) {
  const int premier = GetParam();
  // Column 1 from top to bottom (row 10 is water), then 21 to 25: the last one sinks the tug.
  std::vector<int> cibles;
  for (int c = 11; c <= 25; ++c) cibles.push_back(c);
  TerminalScripte t;
  for (int c : cibles) t.taper(viserEtTirer(c));
  t.taper("x");
  EXPECT_EQ(jouerAvec(t, graineOuCommence(premier)), 0);
  EXPECT_EQ(gagnant, 1);
  EXPECT_EQ(p.aCommence, premier);
  EXPECT_EQ(getNbTir(pileHumain()), 15);
  EXPECT_EQ(getTouche(pileHumain()), 14);
  EXPECT_EQ(getScore(pileHumain()), 85);
  EXPECT_EQ(pileHumain().debut->coup.position, 25);
  // The computer fires once per human shot, but not after the winning one.
  EXPECT_EQ(getNbTir(pileOrdi()), premier == 1 ? 14 : 15);

  const auto& vues = t.vues();
  ASSERT_EQ(vues.size(), cibles.size() + 1);  // no key is read but the shots and the end
  for (std::size_t i = 0; i < cibles.size(); ++i) {
    SCOPED_TRACE("tour " + std::to_string(i));
    const int tirsOrdi = static_cast<int>(i) + (premier == 2 ? 1 : 0);
    attendreCurseur(vues[i], 1, 1);  // back at (1, 1) after every computer move
    const int touches = static_cast<int>(i) - (i > 9 ? 1 : 0);
    attendrePanneau(vues[i], 25, 100 - static_cast<int>(i), static_cast<int>(i), touches);
    EXPECT_EQ(texte(vues[i], 75, 29, 17 + (tirsOrdi > 9 ? 1 : 0)),
              "Tirs effectues: " + std::to_string(tirsOrdi));
  }
  // Column 1 sunk after nine shots: cargo and submarine marks are grey, water blue.
  attendreTir(vues[10], GRILLE_CIBLE, 13, LIGHTGRAY);
  attendreTir(vues[10], GRILLE_CIBLE, 19, LIGHTGRAY);
  attendreTir(vues[10], GRILLE_CIBLE, 20, LIGHTBLUE);
  attendreTir(vues[14], GRILLE_CIBLE, 24, LIGHTRED);
  attendreEcranDeFin(vues.back());
  EXPECT_EQ(ligne(ecranFinal, 1), "");
  EXPECT_EQ(ligne(ecranFinal, 6), "");
  EXPECT_EQ(ecranFinal.curseurX(), 1);
  EXPECT_EQ(ecranFinal.curseurY(), 1);
}

INSTANTIATE_TEST_SUITE_P(LesDeuxPremiers, Victoire, testing::Values(1, 2));

TEST_F(UnePartie, DefaiteQuandLOrdinateurToucheLaDerniereCase) {
  // Every cell but one of the computer's, column by column: the human never wins.
  TerminalScripte t;
  for (int colonne = 1; colonne <= 10; ++colonne) {
    for (int ligne = 1; ligne <= 10; ++ligne) {
      if (codeCase(ligne, colonne) != 25) t.taper(viserEtTirer(codeCase(ligne, colonne)));
    }
  }
  t.taper("x");
  EXPECT_EQ(jouerAvec(t, graineOuCommence(2)), 0);
  EXPECT_EQ(gagnant, 2);
  EXPECT_EQ(getTouche(pileOrdi()), 14);
  EXPECT_EQ(positions(pileOrdi()).size(), static_cast<std::size_t>(getNbTir(pileOrdi())));
  EXPECT_LT(getTouche(pileHumain()), 14);
  // The computer began and fired last: one shot more than the human.
  EXPECT_EQ(getNbTir(pileOrdi()), getNbTir(pileHumain()) + 1);
  attendreEcranDeFin(t.vues().back());
  EXPECT_EQ(ligne(ecranFinal, 1), "");
}

// --- Quitting ---

void attendreChoix(const Ecran& pV, bool pOui) {
  EXPECT_EQ(ligne(pV, 32), QUESTION);
  EXPECT_EQ(ligne(pV, 33), pOui ? "->Oui" : "  Oui");
  EXPECT_EQ(ligne(pV, 34), pOui ? "  Non" : "->Non");
  EXPECT_EQ(attribut(pV, 1, 32), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(pV, 67, 32), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(pV, 1, 33), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(pV, 5, 34), attr(YELLOW, BLACK));
}

TEST_F(UnePartie, NonEffaceLaQuestionEtOuiTermine) {
  TerminalScripte t{"q",           touches::HAUT,   "H", touches::BAS, "P", touches::ENTREE, "q",
                    touches::HAUT, touches::ENTREE, "x"};
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 0);
  EXPECT_EQ(gagnant, 0);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 10u);
  attendreChoix(v[1], false);  // opens on "Non"
  attendreChoix(v[2], true);
  attendreChoix(v[3], true);  // up again changes nothing
  attendreChoix(v[4], false);
  attendreChoix(v[5], false);
  // "Non": 67 blanks on row 32 and 5 on rows 33 and 34, no further; the game goes on.
  for (int y = 32; y <= 34; ++y) EXPECT_EQ(ligne(v[6], y), "");
  EXPECT_EQ(attribut(v[6], 67, 32), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(v[6], 68, 32), plateforme::ATTRIBUT_INITIAL);
  EXPECT_EQ(attribut(v[6], 6, 33), plateforme::ATTRIBUT_INITIAL);
  EXPECT_EQ(attribut(v[6], 5, 34), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(v[6], 6, 34), plateforme::ATTRIBUT_INITIAL);
  attendreCurseur(v[6], 1, 1);
  attendreChoix(v[7], false);
  attendreChoix(v[8], true);
  attendreEcranDeFin(v[9]);
  EXPECT_TRUE(pileVide(pileHumain()));
  EXPECT_TRUE(pileVide(pileOrdi()));
  EXPECT_EQ(ligne(ecranFinal, 1), "");
}

// --- Saving ---

TEST_F(UnePartie, SauvegardeRateeAfficheEtEffaceSonMessage) {
  DossierTemporaire dossier;
  std::filesystem::create_directory(dossier.chemin() / "save.dat");
  std::filesystem::create_directory(dossier.chemin() / "save.dat.tmp");
  TerminalScripte t{touches::DROITE, touches::BAS, "S", "x"};
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(texte(v[3], 25, 32, 48), ECHEC_SAUVEGARDE + " ");
  EXPECT_EQ(attribut(v[3], 25, 32), attr(YELLOW, BLACK));
  EXPECT_EQ(ligne(v[4], 32), "");
  EXPECT_EQ(attribut(v[4], 71, 32), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(v[4], 72, 32), plateforme::ATTRIBUT_INITIAL);
  attendreCurseur(v[4], 2, 2);  // same turn, same cursor
  EXPECT_TRUE(pileVide(pileHumain()));
}

TEST_F(UnePartie, SauvegardeReussieAfficheEtEffaceSonMessage) {
  DossierTemporaire dossier;
  TerminalScripte t{"s", "x"};
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(ligne(v[1], 32), std::string(24, ' ') + SAUVEGARDE_FAITE);
  EXPECT_EQ(ligne(v[2], 32), "");
  EXPECT_EQ(attribut(v[2], 91, 32), attr(YELLOW, BLACK));
  EXPECT_EQ(attribut(v[2], 92, 32), plateforme::ATTRIBUT_INITIAL);
  EXPECT_TRUE(dossier.existe("save.dat"));
}

// --- Undo ---

TEST_F(UnePartie, AnnulerAvantToutTirNeFaitRien) {
  TerminalScripte t{"z", "Z"};
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  ASSERT_EQ(t.vues().size(), 3u);
  EXPECT_TRUE(memeEcran(t.vues()[0], t.vues()[1]));
  EXPECT_TRUE(memeEcran(t.vues()[0], t.vues()[2]));
  EXPECT_TRUE(pileVide(pileOrdi()));
}

TEST_F(UnePartie, AnnulerLeSeulTirDeLOrdinateurLeFaitTirerDeNouveau) {
  // A seed where the computer begins and its second pick lands elsewhere than its first.
  unsigned graine = 0;
  int premierTir = 0;
  int secondTir = 0;
  const auto convient = [&](unsigned pGraine) {
    std::srand(pGraine);
    if (nombreAleatoire(1, 2) != 2) return false;
    premierTir = prochainTirOrdi({});
    secondTir = prochainTirOrdi({});
    return premierTir != secondTir;
  };
  do {
    ++graine;
  } while (!convient(graine));
  TerminalScripte t{"z"};
  EXPECT_EQ(jouerAvec(t, graine), 4);
  ASSERT_EQ(t.vues().size(), 2u);
  attendreTir(t.vues()[0], GRILLE_JOUEUR, premierTir, CASES_HUMAIN.contains(premierTir) ? 12 : 9);
  attendreTir(t.vues()[1], GRILLE_JOUEUR, secondTir, CASES_HUMAIN.contains(secondTir) ? 12 : 9);
  EXPECT_NE(texte(t.vues()[1], xCase(GRILLE_JOUEUR, colonneDeCode(premierTir)),
                  yCase(GRILLE_JOUEUR, ligneDeCode(premierTir)), 1),
            "X");
  EXPECT_EQ(getNbTir(pileOrdi()), 1);
  EXPECT_EQ(pileOrdi().debut->coup.position, secondTir);
  EXPECT_TRUE(pileVide(pileHumain()));
}

TEST_F(UnePartie, AnnulerUnEchangeRetireLesDeuxTirs) {
  const unsigned graine = graineOuCommence(1);
  std::srand(graine);
  nombreAleatoire(1, 2);
  const int tirOrdi = prochainTirOrdi({});
  TerminalScripte t{viserEtTirer(24), "z"};
  EXPECT_EQ(jouerAvec(t, graine), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 3u);
  attendreTir(v[1], GRILLE_CIBLE, 24, LIGHTRED);
  attendreTir(v[1], GRILLE_JOUEUR, tirOrdi, CASES_HUMAIN.contains(tirOrdi) ? 12 : 9);
  attendrePanneau(v[1], 25, 99, 1, 1);
  attendrePanneau(v[1], 75, 99, 1, CASES_HUMAIN.contains(tirOrdi) ? 1 : 0);
  attendreCaseVide(v[2], GRILLE_CIBLE, 24, BLACK);
  if (!CASES_HUMAIN.contains(tirOrdi)) attendreCaseVide(v[2], GRILLE_JOUEUR, tirOrdi, BLACK);
  attendrePanneau(v[2], 25, 100, 0, 0);
  attendrePanneau(v[2], 75, 100, 0, 0);
  attendreCurseur(v[2], 1, 1);
  EXPECT_TRUE(pileVide(pileHumain()));
  EXPECT_TRUE(pileVide(pileOrdi()));
}

TEST_F(UnePartie, AnnulerLeTirQuiCouleRemetLeBateauAFlot) {
  // Resumed: each side has just sunk the other's tug (24 25 and 101 102).
  p.aCommence = 1;
  for (int i = 0; i < 2; ++i) {
    tirerDeja(*p.joueur1, *p.joueur2, 24 + i);
    tirerDeja(*p.joueur2, *p.joueur1, 101 + i);
  }
  TerminalScripte t{"z"};
  EXPECT_EQ(jouerAvec(t, 1, 1), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 2u);
  attendreTir(v[0], GRILLE_CIBLE, 24, LIGHTGRAY);
  attendreTir(v[0], GRILLE_CIBLE, 25, LIGHTGRAY);
  attendreTir(v[0], GRILLE_JOUEUR, 101, LIGHTGRAY);
  attendreTir(v[0], GRILLE_JOUEUR, 102, LIGHTGRAY);
  attendreTir(v[1], GRILLE_CIBLE, 24, LIGHTRED);
  attendreCaseVide(v[1], GRILLE_CIBLE, 25, BLACK);
  attendreTir(v[1], GRILLE_JOUEUR, 101, LIGHTRED);
  attendreCaseVide(v[1], GRILLE_JOUEUR, 102, LIGHTMAGENTA);  // the tug is drawn again
  attendrePanneau(v[1], 25, 99, 1, 1);
  EXPECT_EQ(p.joueur1->mBateauxDuJoueur[0].estCoule, 0);
}

TEST_F(UnePartie, AnnulerJusquAuPremierTir) {
  p.aCommence = 1;
  tirerDeja(*p.joueur1, *p.joueur2, 11);
  tirerDeja(*p.joueur2, *p.joueur1, 55);
  tirerDeja(*p.joueur1, *p.joueur2, 20);
  tirerDeja(*p.joueur2, *p.joueur1, 77);
  TerminalScripte t{"z", "Z", "z"};
  EXPECT_EQ(jouerAvec(t, 1, 1), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 4u);  // each undo gives the turn back to the human
  attendrePanneau(v[1], 25, 99, 1, 1);
  attendrePanneau(v[1], 75, 99, 1, 0);
  attendrePanneau(v[2], 25, 100, 0, 0);
  attendrePanneau(v[2], 75, 100, 0, 0);
  EXPECT_TRUE(memeEcran(v[2], v[3]));  // nothing left to take back
  EXPECT_TRUE(pileVide(pileHumain()));
  EXPECT_TRUE(pileVide(pileOrdi()));
}

TEST_F(UnePartie, AnnulerJusquAuPremierTirQuandLOrdinateurACommence) {
  p.aCommence = 2;
  tirerDeja(*p.joueur2, *p.joueur1, 55);
  tirerDeja(*p.joueur1, *p.joueur2, 11);
  tirerDeja(*p.joueur2, *p.joueur1, 77);
  std::srand(7);
  const int nouveauTir = prochainTirOrdi({});
  TerminalScripte t{"z", "z"};
  EXPECT_EQ(jouerAvec(t, 7, 1), 4);
  ASSERT_EQ(t.vues().size(), 3u);
  // The second undo took the computer's first shot, and it fired again at once.
  EXPECT_TRUE(pileVide(pileHumain()));
  EXPECT_EQ(getNbTir(pileOrdi()), 1);
  EXPECT_EQ(pileOrdi().debut->coup.position, nouveauTir);
}

// --- The computer's picks ---

TEST_F(UnePartie, LOrdinateurTireEncoreSansToucheQuandSaCaseEstDejaVisee) {
  // Resumed on the computer's turn with only 101, 102 and 55 left to it.
  p.aCommence = 2;
  tirerDeja(*p.joueur1, *p.joueur2, 99);
  std::set<int> dejaTires;
  for (int c = 11; c <= 110; ++c) {
    if (c == 101 || c == 102 || c == 55) continue;
    tirerDeja(*p.joueur2, *p.joueur1, c);
    dejaTires.insert(c);
  }
  ASSERT_EQ(getNbTir(pileOrdi()), 97);
  std::srand(3);
  const int attendu = prochainTirOrdi(dejaTires);
  TerminalScripte t;
  EXPECT_EQ(jouerAvec(t, 3, 1), 4);
  EXPECT_EQ(t.vues().size(), 1u);  // no key was read for the refused picks
  EXPECT_EQ(getNbTir(pileOrdi()), 98);
  EXPECT_EQ(pileOrdi().debut->coup.position, attendu);
}

// --- The aiming cursor ---

TEST_F(UnePartie, LeCurseurResteDansLaGrille) {
  TerminalScripte t{touches::HAUT, touches::GAUCHE, "M", "P", "K", "H"};
  for (int i = 0; i < 9; ++i) t.taper(touches::DROITE);
  for (int i = 0; i < 9; ++i) t.taper(touches::BAS);
  for (auto k : {touches::BAS, touches::DROITE, std::string_view{"\x1b[H"}, std::string_view{"x"},
                 std::string_view{"z"}}) {
    t.taper(k);
  }
  t.taper(touches::ENTREE);
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 31u);
  attendreCurseur(v[0], 1, 1);
  attendreCurseur(v[2], 1, 1);  // up and left at the corner: nothing
  attendreCurseur(v[3], 1, 2);
  EXPECT_EQ(attribut(v[3], xCase(GRILLE_CIBLE, 1), yCase(GRILLE_CIBLE, 1)), attr(YELLOW, BLACK));
  EXPECT_EQ(texte(v[3], xCase(GRILLE_CIBLE, 1), yCase(GRILLE_CIBLE, 1), 1), " ");
  attendreCurseur(v[4], 2, 2);
  attendreCurseur(v[5], 2, 1);
  attendreCurseur(v[6], 1, 1);
  attendreCurseur(v[15], 1, 10);
  attendreCurseur(v[24], 10, 10);
  attendreCurseur(v[26], 10, 10);  // down and right at the corner: nothing
  // A key of no meaning, an unknown key and undo with nothing to take back leave all as it was.
  EXPECT_TRUE(memeEcran(v[26], v[27]));
  EXPECT_TRUE(memeEcran(v[26], v[28]));
  EXPECT_TRUE(memeEcran(v[26], v[29]));
  attendreCurseur(v[30], 1, 1);  // fired at (10, 10); back at (1, 1) after the computer's move
  attendreTir(v[30], GRILLE_CIBLE, 110, LIGHTBLUE);
  EXPECT_EQ(getNbTir(pileHumain()), 1);
}

// A turn redraws only what changed: a mark the cursor passed over comes back, on both sides.
TEST_F(UnePartie, UnTirResteVisibleQuandLeCurseurLeQuitte) {
  TerminalScripte t{touches::ENTREE, touches::DROITE, touches::GAUCHE, touches::DROITE};
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 5u);
  const int marque = pileHumain().debut->coup.couleur;
  const TCoup tirOrdi = pileOrdi().debut->coup;
  attendreCurseur(v[1], 1, 1);  // back on the cell just fired at
  for (std::size_t i : {2u, 4u}) {
    attendreTir(v[i], GRILLE_CIBLE, 11, marque);
    attendreCurseur(v[i], 1, 2);
    attendreTir(v[i], GRILLE_JOUEUR, tirOrdi.position, tirOrdi.couleur);
  }
  attendreCurseur(v[3], 1, 1);
}

TEST_F(UnePartie, UnTirSurUneCaseDejaViseeEstRefuse) {
  TerminalScripte t{viserEtTirer(37), viserEtTirer(37)};
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 3u);
  attendreTir(v[1], GRILLE_CIBLE, 37, LIGHTBLUE);
  attendreCurseur(v[1], 1, 1);
  attendreCurseur(v[2], 7, 3);  // refused: no computer move, the cursor stays
  EXPECT_EQ(getNbTir(pileHumain()), 1);
  EXPECT_EQ(getNbTir(pileOrdi()), 1);
}

// --- The first screen ---

TEST_F(UnePartie, PremierEcran) {
  TerminalScripte t;
  EXPECT_EQ(jouerAvec(t, graineOuCommence(1)), 4);
  ASSERT_EQ(t.vues().size(), 1u);
  const Ecran& v = t.vues()[0];
  for (int x : {GRILLE_JOUEUR.x, GRILLE_CIBLE.x}) {
    EXPECT_EQ(texte(v, x - 2, 6, 1), "A");
    EXPECT_EQ(texte(v, x - 2, 24, 1), "J");
    EXPECT_EQ(texte(v, x + 1, 4, 1), "1");
    EXPECT_EQ(texte(v, x + 37, 4, 2), "10");
    EXPECT_EQ(texte(v, x, 8, 5), "|   |");
    EXPECT_EQ(attribut(v, x + 1, 5), YELLOW);
  }
  EXPECT_EQ(texte(v, 25, 26, 6), "Alice ");
  EXPECT_EQ(texte(v, 75, 26, 11), "Ordinateur ");
  EXPECT_EQ(attribut(v, 25, 26), LIGHTCYAN);
  EXPECT_EQ(attribut(v, 75, 26), LIGHTCYAN);
  attendrePanneau(v, 25, 100, 0, 0);
  attendrePanneau(v, 75, 100, 0, 0);
  EXPECT_EQ(texte(v, 10, 27, 3), " --");
  EXPECT_EQ(texte(v, 60, 28, 1), "|");
  EXPECT_EQ(ligne(v, 35),
            std::string(34, ' ') + "S: Sauvegarder /// Z: Annuler le coup /// Q: Quitter");
  EXPECT_EQ(attribut(v, 35, 35), LIGHTCYAN);
  // The human's fleet on the left, the computer's nowhere.
  attendreCaseVide(v, GRILLE_JOUEUR, 101, LIGHTMAGENTA);
  attendreCaseVide(v, GRILLE_JOUEUR, 102, LIGHTMAGENTA);
  attendreCaseVide(v, GRILLE_JOUEUR, 43, BLUE);
  attendreCaseVide(v, GRILLE_JOUEUR, 68, GREEN);
  attendreCaseVide(v, GRILLE_JOUEUR, 60, LIGHTRED);
  EXPECT_EQ(attribut(v, xCase(GRILLE_JOUEUR, 7), yCase(GRILLE_JOUEUR, 10)),
            plateforme::ATTRIBUT_INITIAL);
  for (int c : CASES_ORDI) {
    if (c != 11) {
      EXPECT_EQ(
          attribut(v, xCase(GRILLE_CIBLE, colonneDeCode(c)), yCase(GRILLE_CIBLE, ligneDeCode(c))),
          plateforme::ATTRIBUT_INITIAL);
    }
  }
  attendreCurseur(v, 1, 1);
  for (int y = 32; y <= 34; ++y) EXPECT_EQ(ligne(v, y), "");
}

}  // namespace

// --- Fleets placed at random ---

class FlottesAuHasard : public testing::TestWithParam<unsigned> {};

// The human fires at every cell in turn; whichever side sinks the other's fleet first wins, and
// the game stops on that shot.
TEST_P(FlottesAuHasard, LaPartieVaJusquAuBout) {
  Tparam p;
  setParamParDef(p);
  std::srand(GetParam());
  placementAlea(*p.joueur2, 4);
  placementAlea(*p.joueur1, 4);
  TerminalScripte t;
  for (int code = 11; code <= 110; ++code) t.taper(viserEtTirer(code));
  int gagnant = -1;
  EXPECT_EQ(executer(t, [&] { gagnant = jouer(p, 0, REGLAGES_DECRITS); }), 0);
  const TPile& humain = *p.joueur1->pileCoup;
  const TPile& ordi = *p.joueur2->pileCoup;
  ASSERT_TRUE(gagnant == 1 || gagnant == 2);
  EXPECT_EQ(getTouche(gagnant == 1 ? humain : ordi), 14);
  EXPECT_LT(getTouche(gagnant == 1 ? ordi : humain), 14);
  // The winner fired last: the loser has the same number of shots, or one more if it began.
  const int ecart = getNbTir(gagnant == 1 ? ordi : humain) - getNbTir(gagnant == 1 ? humain : ordi);
  EXPECT_EQ(ecart, p.aCommence == gagnant ? -1 : 0);
  // One key piece per human shot and one for the end screen: nothing else waited for a key.
  EXPECT_EQ(t.vues().size(), static_cast<std::size_t>(getNbTir(humain)) + 1);
  // Shots in the order fired, each marked from the computer's fleet.
  const std::set<int> flotte(p.joueur2->tabPosBateauJoueur.begin(),
                             p.joueur2->tabPosBateauJoueur.end());
  int attendu = 10 + getNbTir(humain);
  for (const TCellule* c = humain.debut.get(); c != nullptr; c = c->lien.get(), --attendu) {
    EXPECT_EQ(c->coup.position, attendu);
    EXPECT_EQ(c->coup.couleur != MARQUE_RATE, flotte.contains(attendu));
  }
  EXPECT_EQ(positions(ordi).size(), static_cast<std::size_t>(getNbTir(ordi)));
}

INSTANTIATE_TEST_SUITE_P(Graines, FlottesAuHasard, testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));
