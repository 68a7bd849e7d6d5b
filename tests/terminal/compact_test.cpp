// The real binary in an 80 x 24 tmux pane: a whole game in the compact layout, resizes across
// 110 x 45 in a typed answer and in a game, the rules page by page, the notice under 80 x 24.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/tmux.hpp"

namespace {

std::string rangee(const std::string& pEcran, int pY) {
  std::size_t debut = 0;
  for (int i = 1; i < pY; ++i) debut = pEcran.find('\n', debut) + 1;
  return pEcran.substr(debut, pEcran.find('\n', debut) - debut);
}

class CompactVraiTerminal : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is missing";
    dossier_.preparerDonneesDuJeu();
  }
  // An 80 x 24 game from its start screen to the main menu.
  void jusquAuMenu(SessionTmux& pJeu) {
    ASSERT_TRUE(pJeu.attendreTexte("Appuyez sur une touche pour commencer"));
    pJeu.touches("x");
    ASSERT_TRUE(pJeu.attendreTexte("-> Nouvelle partie"));
  }
  DossierTemporaire dossier_;
};

}  // namespace

TEST_F(CompactVraiTerminal, UnePartieEntiereAvecDesRedimensionnements) {
  SessionTmux jeu(dossier_.chemin(), 80, 24);
  jusquAuMenu(jeu);
  if (HasFatalFailure()) return;
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("-> Jouer"));
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Saisir votre pseudo:"));
  // A typed answer survives a resize both ways, centred at 100 x 40.
  jeu.taper("Ma");
  ASSERT_TRUE(jeu.attendreTexte("Ma"));
  jeu.redimensionner(100, 40);
  ASSERT_TRUE(attendreQue([&] { return rangee(jeu.ecran(), 10).find("pseudo:Ma") == 23; }));
  jeu.redimensionner(80, 24);
  ASSERT_TRUE(attendreQue([&] { return rangee(jeu.ecran(), 2).find("pseudo:Ma") == 13; }));
  jeu.taper("rin");
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Voulez-vous placer vos bateaux?"));
  jeu.touches("Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  std::string ecran = jeu.ecran();
  EXPECT_EQ(rangee(ecran, 1).substr(0, 33), "    1  2  3  4  5  6  7  8  9  10");
  EXPECT_EQ(rangee(ecran, 3).substr(0, 6), " A |  ");
  EXPECT_EQ(rangee(ecran, 3).substr(40, 6), " A | O");
  EXPECT_EQ(rangee(ecran, 14).find("Marin"), 8u);
  EXPECT_EQ(rangee(ecran, 14).find("Ordinateur"), 48u);
  EXPECT_EQ(rangee(ecran, 16).find("Score: "), 8u);
  EXPECT_EQ(rangee(ecran, 20).find("S: Sauvegarder"), 13u);
  // In the middle of the game: the full layout at 110 x 45, the compact one back at 80 x 24.
  jeu.redimensionner(110, 45);
  ASSERT_TRUE(attendreQue([&] { return rangee(jeu.ecran(), 35).find("S: Sauvegarder") == 34; }));
  jeu.redimensionner(100, 40);  // centred
  ASSERT_TRUE(attendreQue([&] { return rangee(jeu.ecran(), 28).find("S: Sauvegarder") == 23; }));
  jeu.redimensionner(80, 24);
  ASSERT_TRUE(attendreQue([&] { return rangee(jeu.ecran(), 20).find("S: Sauvegarder") == 13; }));
  // Every cell in turn until the game ends: the aiming cursor starts on A1 at each turn.
  bool fini = false;
  for (int cellule = 0; cellule < 100 && !fini; ++cellule) {
    std::string touches;
    for (int i = 0; i < cellule % 10; ++i) touches += "Right ";
    for (int i = 0; i < cellule / 10; ++i) touches += "Down ";
    jeu.touches(touches + "Enter");
    const std::string compte = "Tirs effectues: " + std::to_string(cellule + 1) + " ";
    ASSERT_TRUE(attendreQue([&] {
      const std::string e = jeu.ecran();
      fini = e.find("PARTIE TERMINEE") != std::string::npos;
      return fini || rangee(e, 17).find(compte) == 8;
    }));
  }
  ASSERT_TRUE(fini);
  jeu.touches("x");
  ASSERT_TRUE(attendreQue([&] {
    const std::string e = jeu.ecran();
    return e.find("YOU WIN!") != std::string::npos || e.find("YOU LOOSE") != std::string::npos;
  }));
  jeu.touches("x");
  jeu.touches("x");
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  jeu.touches("Down Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
  EXPECT_TRUE(jeu.sttyRestaure());
}

TEST_F(CompactVraiTerminal, LesReglesParPagesPuisLAvisSous80x24) {
  SessionTmux jeu(dossier_.chemin(), 80, 24);
  jusquAuMenu(jeu);
  if (HasFatalFailure()) return;
  jeu.touches("Down Down Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("lignes 1-23 sur 47 "));
  for (const auto& [touche, position] : {std::pair{"Space", "lignes 24-46 "},
                                         {"Up", "lignes 23-45 "},
                                         {"PPage", "lignes 1-23 "},
                                         {"NPage", "lignes 24-46 "},
                                         {"Down", "lignes 25-47 "},
                                         {"Down", "lignes 25-47 "}}) {
    jeu.touches(touche);
    EXPECT_TRUE(jeu.attendreTexte(position)) << touche;
  }
  jeu.touches("x");
  ASSERT_TRUE(jeu.attendreTexte("-> Afficher les regles"));
  jeu.redimensionner(79, 23);
  ASSERT_TRUE(
      jeu.attendreTexte("Agrandissez la fenetre: 80 x 24 caracteres (actuellement 79 x 23)"));
  jeu.redimensionner(80, 24);
  ASSERT_TRUE(jeu.attendreTexte("-> Afficher les regles"));
  jeu.touches("Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
}

// --moderne at 80 x 24: the fleets' status beside the boards, a shot's results and a refusal
// said at the bottom, the wait after leaving a game said. Keys queue up in the pane until the game
// reads them.
TEST_F(CompactVraiTerminal, LAideEnJeuDeModerne) {
  std::filesystem::create_directories(dossier_.chemin() / "config/korvane");
  dossier_.ecrireFichier("config/korvane/options", "moderne\n");
  SessionTmux jeu(dossier_.chemin(), 80, 24,
                  "XDG_CONFIG_HOME=" + citer((dossier_.chemin() / "config").string()));
  ASSERT_TRUE(jeu.attendreTexte("Appuyez sur une touche pour commencer"));
  jeu.touches("x Enter Enter");
  jeu.taper("Marin");
  jeu.touches("Enter Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  EXPECT_EQ(rangee(jeu.ecran(), 6).substr(75, 4), "C5 o");
  jeu.touches("Enter");
  ASSERT_TRUE(attendreQue([&] { return rangee(jeu.ecran(), 24).rfind("Vous: A1: ", 0) == 0; }));
  EXPECT_NE(rangee(jeu.ecran(), 24).find("Ordinateur: "), std::string::npos);
  // The kept cursor stays on A1: a second shot there is refused, said for two seconds.
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Case deja visee"));
  EXPECT_TRUE(attendreQue(
      [&] { return rangee(jeu.ecran(), 24).find_first_not_of(' ') == std::string::npos; }));
  jeu.touches("q Up Enter x");
  EXPECT_TRUE(attendreQue(
      [&] { return rangee(jeu.ecran(), 3) == "Appuyez sur une touche pour continuer..."; }));
}
