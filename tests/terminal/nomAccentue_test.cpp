// An accented name typed in a real terminal: on the name panel, in the saved game, and back on
// the panel of the resumed game.

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/tmux.hpp"

TEST(NomAccentue, TapeAfficheSauvegardeEtRecharge) {
  if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is missing";
  // tmux passes and shows UTF-8 only in a UTF-8 locale.
  setenv("LC_ALL", "C.UTF-8", 1);
  DossierTemporaire dossier;
  dossier.preparerDonneesDuJeu();
  const std::string nom = "\xc3\x89lodie";
  SessionTmux jeu(dossier.chemin());
  ASSERT_TRUE(jeu.attendreTexte("Appuyez sur une touche pour commencer"));
  jeu.touches("x Enter Enter");
  ASSERT_TRUE(jeu.attendreTexte("Saisir votre pseudo:"));
  jeu.taper(nom);
  jeu.touches("Enter Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  EXPECT_TRUE(jeu.attendreTexte("                        " + nom + " "));
  jeu.touches("s");
  ASSERT_TRUE(jeu.attendreTexte("Sauvegarde effectuee"));
  EXPECT_NE(dossier.lireFichier("save.dat").find(nom + std::string(15 - nom.size(), '\0')),
            std::string::npos);
  jeu.touches("x q Up Enter");
  ASSERT_TRUE(jeu.attendreTexte("PARTIE TERMINEE"));
  jeu.touches("x x");
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  jeu.touches("Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  EXPECT_TRUE(jeu.attendreTexte("                        " + nom + " "));
  unsetenv("LC_ALL");
}
