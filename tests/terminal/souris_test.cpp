// The mouse in a real terminal: options from the options file, clicks through the menus, a shot
// fired by a click, and mouse reporting off again at the way out.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/tmux.hpp"

namespace {

// A left press on screen column x, row y, as a terminal reports it in SGR mode.
std::string clic(int x, int y) {
  return "\x1b[<0;" + std::to_string(x) + ";" + std::to_string(y) + "M";
}

}  // namespace

TEST(SourisDansUnVraiTerminal, ClicsDansLesMenusUnTirPuisQuitter) {
  if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is missing";
  DossierTemporaire dossier;
  dossier.preparerDonneesDuJeu();
  std::filesystem::create_directories(dossier.chemin() / "config/korvane");
  dossier.ecrireFichier("config/korvane/options", "# mouse and marks\nsouris\nmarques\n");
  SessionTmux jeu(dossier.chemin(), 110, 45,
                  "XDG_CONFIG_HOME=" + citer((dossier.chemin() / "config").string()));
  ASSERT_TRUE(jeu.attendreTexte("Appuyez sur une touche pour commencer"));
  jeu.taper(clic(50, 20));  // a click ends the pause
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  jeu.taper(clic(3, 4));  // "Nouvelle partie"
  ASSERT_TRUE(jeu.attendreTexte("-> Jouer"));
  jeu.taper(clic(3, 4));  // "Jouer"
  ASSERT_TRUE(jeu.attendreTexte("Saisir votre pseudo:"));
  jeu.taper("Souris");
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Voulez-vous placer vos bateaux?"));
  jeu.taper(clic(5, 4));  // "Non": chance places the fleet
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  // Row 3, column 2 of the target board (origin 60, 5): screen column 66, row 10.
  jeu.taper(clic(66, 10));
  ASSERT_TRUE(jeu.attendreTexte("Tirs effectues: 1 "));
  // With the marks on, the shot shows as '.' or 'X' on that cell.
  std::string ecran = jeu.ecran();
  for (int i = 1; i < 10; ++i) ecran.erase(0, ecran.find('\n') + 1);
  const char marque = ecran.size() > 65 ? ecran[65] : ' ';
  EXPECT_TRUE(marque == '.' || marque == 'X') << marque;
  jeu.touches("q");
  ASSERT_TRUE(jeu.attendreTexte("Voulez-vous vraiment quitter?"));
  jeu.taper(clic(3, 33));  // "Oui"
  ASSERT_TRUE(jeu.attendreTexte("PARTIE TERMINEE"));
  jeu.taper(clic(1, 1) + clic(1, 1));
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  // Keys dropped at the size notice leave the mouse on.
  jeu.redimensionner(79, 23);
  ASSERT_TRUE(jeu.attendreTexte("Agrandissez la fenetre"));
  jeu.redimensionner(110, 45);
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  jeu.taper(clic(3, 8));  // "Quitter"
  EXPECT_EQ(jeu.attendreStatut(), 0);
  EXPECT_TRUE(jeu.sttyRestaure());
  EXPECT_TRUE(jeu.attendreOctets("\x1b[?1006l\x1b[?1000l"));
}
