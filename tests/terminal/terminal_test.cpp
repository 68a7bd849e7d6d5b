// The real binary in tmux, as a player meets it.

#include <signal.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/tmux.hpp"

namespace fs = std::filesystem;

namespace {

class VraiTerminal : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is missing";
    for (const char* nom : {"regles.txt", "startScreen.txt"}) {
      fs::copy_file(fs::path(KORVANE_DONNEES) / nom, dossier_.chemin() / nom);
    }
    dossier_.ecrireFichier("meilleurs.dat", "");
  }

  // Past the start screen, on the main menu.
  void jusquAuMenu(SessionTmux& pSession) {
    ASSERT_TRUE(pSession.attendreTexte("Appuyez sur une touche pour commencer"));
    pSession.touches("x");
    ASSERT_TRUE(pSession.attendreTexte("-> Nouvelle partie"));
  }

  DossierTemporaire dossier_;
};

}  // namespace

TEST_F(VraiTerminal, MenuReglesPuisQuitterAvecLeStatut0) {
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  const std::string menu = jeu.ecran(true);
  EXPECT_NE(menu.find("\x1b[96m"), std::string::npos) << "menu in LIGHTCYAN";
  jeu.touches("Up");
  jeu.touches("Down Down Down");
  ASSERT_TRUE(jeu.attendreTexte("-> Afficher les regles"));
  EXPECT_NE(jeu.ecran().find("   Nouvelle partie"), std::string::npos);
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("REGLES DE KORVANE"));
  jeu.touches("Space");
  ASSERT_TRUE(jeu.attendreTexte("-> Afficher les regles"));
  jeu.touches("Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
  EXPECT_TRUE(jeu.sttyRestaure());
}

TEST_F(VraiTerminal, ReglesAbsentesTerminentAvecLeStatut3) {
  fs::remove(dossier_.chemin() / "regles.txt");
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  jeu.touches("Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 3);
  EXPECT_TRUE(jeu.sttyRestaure());
}

TEST_F(VraiTerminal, CtrlCRestaureLeTerminal) {
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  jeu.touches("C-c");
  EXPECT_EQ(jeu.attendreStatut(), 128 + SIGINT);
  EXPECT_TRUE(jeu.sttyRestaure());
}

TEST_F(VraiTerminal, SigtermEtSighupRestaurentLeTerminal) {
  for (int signal : {SIGTERM, SIGHUP}) {
    DossierTemporaire autre;
    for (const char* nom : {"regles.txt", "startScreen.txt"}) {
      fs::copy_file(fs::path(KORVANE_DONNEES) / nom, autre.chemin() / nom);
    }
    SessionTmux jeu(autre.chemin());
    jusquAuMenu(jeu);
    ASSERT_GT(jeu.pidJeu(), 0);
    kill(jeu.pidJeu(), signal);
    EXPECT_EQ(jeu.attendreStatut(), 128 + signal);
    EXPECT_TRUE(jeu.sttyRestaure());
  }
}

TEST_F(VraiTerminal, TropPetitAfficheLAvisPuisLeJeuRevient) {
  SessionTmux jeu(dossier_.chemin(), 100, 40);
  ASSERT_TRUE(
      jeu.attendreTexte("Agrandissez la fenetre: 110 x 45 caracteres (actuellement 100 x 40)"));
  jeu.touches("x");  // held back while the game cannot be seen
  jeu.redimensionner(110, 45);
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  EXPECT_EQ(jeu.ecran().find("Agrandissez"), std::string::npos);
  jeu.touches("Down Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
  EXPECT_TRUE(jeu.sttyRestaure());
}
