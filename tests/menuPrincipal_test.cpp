// Whole runs of the program, from the start screen through the main menu, with scripted keys,
// a fixed seed and a temporary working folder.

#include "menuPrincipal.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "modele/coniocouleur.hpp"
#include "modele/random.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/terminalScripte.hpp"

namespace fs = std::filesystem;

namespace {

const std::string MENU_1 = "-> Nouvelle partie";

class Programme : public ::testing::Test {
 protected:
  void SetUp() override { dossier_.preparerDonneesDuJeu(); }

  int lancer(TerminalScripte& pTerminal, unsigned pGraine = 1) {
    return executerProgramme(pTerminal, pGraine);
  }

  DossierTemporaire dossier_;
};

void verifierMenu(const plateforme::Ecran& e, int pChoix) {
  const char* entrees[] = {" Nouvelle partie", " Charger partie", " Meilleurs scores",
                           " Afficher les regles", " Quitter"};
  EXPECT_EQ(ligne(e, 1), std::string(33, '-'));
  EXPECT_EQ(ligne(e, 2), "Deplacement avec touches flechees");
  EXPECT_EQ(ligne(e, 3), std::string(33, '-'));
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ligne(e, 4 + i), (i + 1 == pChoix ? "->" : "  ") + std::string(entrees[i]));
  }
  EXPECT_EQ(ligne(e, 9), "");
  EXPECT_EQ(attribut(e, 1, 1), LIGHTCYAN);
  EXPECT_EQ(attribut(e, 4, 8), LIGHTCYAN);
  EXPECT_EQ(e.curseurX(), 1);
  EXPECT_EQ(e.curseurY(), 9);
}

}  // namespace

TEST_F(Programme, EcranDAccueilPuisMenu) {
  TerminalScripte t{"x"};
  EXPECT_EQ(lancer(t), 4);
  ASSERT_EQ(t.vues().size(), 2u);
  EXPECT_NE(t.vues()[0].ligne(31).find("Appuyez sur une touche pour commencer"), std::string::npos);
  verifierMenu(t.vues()[1], 1);
}

TEST_F(Programme, SansEcranDAccueilLEcranResteVideEtAttendUneTouche) {
  fs::remove(dossier_.chemin() / "startScreen.txt");
  TerminalScripte t{"x"};
  lancer(t);
  for (int y = 1; y <= 45; ++y) EXPECT_EQ(ligne(t.vues()[0], y), "");
  verifierMenu(t.vues()[1], 1);
}

TEST_F(Programme, LaSelectionNeBouclePasAuxDeuxBouts) {
  TerminalScripte t{"x",          touches::HAUT, touches::BAS, touches::BAS, touches::BAS,
                    touches::BAS, touches::BAS,  "H",          "P"};
  lancer(t);
  const int attendus[] = {1, 1, 2, 3, 4, 5, 5, 4, 5};
  ASSERT_EQ(t.vues().size(), 10u);
  for (int i = 0; i < 9; ++i) verifierMenu(t.vues()[static_cast<std::size_t>(i) + 1], attendus[i]);
}

TEST_F(Programme, UneFlechePourQuitterLAccueilDeplaceDejaLaSelection) {
  TerminalScripte t{touches::BAS};
  lancer(t);
  // The prefix code ends the start screen; the down code is the menu's first key.
  EXPECT_EQ(t.codesLus(), 2);
  verifierMenu(plateforme::ecranCourant(), 2);
}

TEST_F(Programme, QuitterTermineAvecLeStatut0) {
  TerminalScripte t{"x", "PPPP", touches::ENTREE};
  EXPECT_EQ(lancer(t), 0);
}

TEST_F(Programme, LesReglesSAffichentEnCyanClairJusquAUneTouche) {
  TerminalScripte t{"x", "PPP", touches::ENTREE, "x"};
  EXPECT_EQ(lancer(t), 4);
  const auto& regles = t.vues()[3];
  EXPECT_EQ(ligne(regles, 1), "REGLES DE KORVANE");
  EXPECT_EQ(attribut(regles, 1, 1), LIGHTCYAN);
  verifierMenu(plateforme::ecranCourant(), 4);
}

TEST_F(Programme, ReglesAbsentesDonnentLeStatut3) {
  fs::remove(dossier_.chemin() / "regles.txt");
  TerminalScripte t{"x", "PPP", touches::ENTREE};
  EXPECT_EQ(lancer(t), 3);
}

TEST_F(Programme, UneErreurDeLectureDonneLeStatut1) {
  // A folder opens like a file and fails at the first read.
  fs::remove(dossier_.chemin() / "regles.txt");
  fs::create_directory(dossier_.chemin() / "regles.txt");
  TerminalScripte t{"x", "PPP", touches::ENTREE};
  EXPECT_EQ(lancer(t), 1);
  fs::remove(dossier_.chemin() / "startScreen.txt");
  fs::create_directory(dossier_.chemin() / "startScreen.txt");
  TerminalScripte accueil{"x"};
  EXPECT_EQ(lancer(accueil), 1);
}

TEST_F(Programme, LesOctetsDesTextesNeDeviennentPasDesCommandes) {
  dossier_.ecrireFichier("startScreen.txt", "titre\r\n\x1b[31mrouge\x07\r\nfin\xff\r\n");
  TerminalScripte t{"x"};
  lancer(t);
  const auto& accueil = t.vues()[0];
  EXPECT_EQ(ligne(accueil, 1), "titre");
  EXPECT_EQ(ligne(accueil, 2), "?[31mrouge?");
  EXPECT_EQ(ligne(accueil, 3), "fin?");
}

TEST_F(Programme, ChargerSansSauvegardeGardeLeMenuEtSignaleLErreur) {
  TerminalScripte t{"x", "P", touches::ENTREE};
  lancer(t);
  const auto& e = plateforme::ecranCourant();
  EXPECT_EQ(ligne(e, 8), "   Quitter");
  EXPECT_EQ(ligne(e, 9), std::string(25, '-'));
  EXPECT_EQ(ligne(e, 10), "Une erreur s'est produite");
  EXPECT_EQ(attribut(e, 1, 9), LIGHTCYAN);
  EXPECT_FALSE(dossier_.existe("save.dat"));
}

TEST_F(Programme, MeilleursScoresVidesOuAbsents) {
  TerminalScripte vide{"x", "PP", touches::ENTREE};
  lancer(vide);
  EXPECT_EQ(ligne(1), "Il n'y a pas de score dans le fichier.");
  EXPECT_EQ(ligne(2), "");
  fs::remove(dossier_.chemin() / "meilleurs.dat");
  TerminalScripte absent{"x", "PP", touches::ENTREE};
  lancer(absent);
  EXPECT_EQ(ligne(1), "Une erreur est survenue");
  EXPECT_FALSE(dossier_.existe("meilleurs.dat"));
}
