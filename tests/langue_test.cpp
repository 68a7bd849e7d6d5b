// The languages: each one's screens by their cells, its catalogue against the code's message
// ids, and a whole game in English in a real terminal with no locale set.

#include "plateforme/langue.hpp"
#include "controleur/partieDeTest.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "menuPrincipal.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/reglages.hpp"
#include "plateforme/utf8.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/shell.hpp"
#include "support/terminalScripte.hpp"
#include "support/tmux.hpp"
#include "vue/bateau.hpp"
#include "vue/disposition.hpp"

namespace {

const std::string CATALOGUES = std::string(KORVANE_CONSTRUCTION) + "/locale";

// A language's texts: the main menu's hint, first entry (chosen) and last; the new-game menu's
// entries (the first chosen); the key line; the labels of both players' panels; the quit
// question's answers ("Non" chosen); the count of ships to place, one left; with --aide-jeu, a
// sinking said and the refused shot.
struct Textes {
  const char *langue, *indication, *premiere, *derniere, *jouer, *parametres, *retour, *touches;
  const char *score, *tirs, *reussis, *oui, *non, *reste, *coule, *refus;
};

const Textes TEXTES[] = {
    {"en", "Move with the arrow keys", "-> New game", "   Quit", "-> Play", "   Settings",
     "   Back", "S: Save /// Z: Undo /// Q: Quit", "Score: ", "Shots fired: ", "Hits: ", "  Yes",
     "->No", "1 ship left to place", "You: D2: sunk (tug)", "Cell already fired at"},
    {"fr", "Déplacement avec les touches fléchées", "-> Nouvelle partie", "   Quitter", "-> Jouer",
     "   Paramètres", "   Retour", "S : Sauvegarder /// Z : Annuler le coup /// Q : Quitter",
     "Score : ", "Tirs effectués : ", "Tirs réussis : ", "  Oui", "->Non",
     "Il reste 1 bateau à placer", "Vous : D2 : coulé (remorqueur)", "Case déjà visée"},
};

void PrintTo(const Textes& pTextes, std::ostream* pFlux) {
  *pFlux << pTextes.langue;
}

// Each language in the described layout and in the compact one.
class Langue : public ::testing::TestWithParam<std::tuple<Textes, bool>> {
 protected:
  void SetUp() override {
    const char* langue = std::get<0>(GetParam()).langue;
    if (!plateforme::choisirLangue(langue, CATALOGUES)) GTEST_SKIP() << "no msgfmt";
    dossier_.preparerDonneesDuJeu();
  }
  void TearDown() override { plateforme::choisirLangue("", CATALOGUES); }
  DossierTemporaire dossier_;
};

TEST_P(Langue, ChaqueEcranASesTextesASaPlace) {
  const auto& [t, compact] = GetParam();
  Reglages reglages;
  reglages.graine = 1;
  reglages.compact = compact;
  const Disposition& d = compact ? DISPOSITION_COMPACTE : DISPOSITION_DECRITE;
  TerminalScripte terminal{"x", "\r", "\r", "Marin\r", "\x1b[B\r", "q"};
  executerStatut(terminal, [&] { return programmePrincipal(reglages); });
  const auto& vues = terminal.vues();
  ASSERT_GE(vues.size(), 7u);
  EXPECT_EQ(ligne(vues[1], 2), t.indication);
  // The rules span the hint; the entries line up under it.
  EXPECT_EQ(ligne(vues[1], 1),
            std::string(std::max<std::size_t>(33, plateforme::largeurUtf8(t.indication)), '-'));
  EXPECT_EQ(ligne(vues[1], 4), t.premiere);
  EXPECT_EQ(ligne(vues[1], 8), t.derniere);
  EXPECT_EQ(ligne(vues[2], 4), t.jouer);
  EXPECT_EQ(ligne(vues[2], 5), t.parametres);
  EXPECT_EQ(ligne(vues[2], 6), t.retour);
  const plateforme::Ecran& jeu = vues[5];
  EXPECT_EQ(texte(jeu, d.touches.x, d.touches.y, largeur(t.touches)), t.touches);
  // Both panels' labels, each row closed by its frame's right edge.
  const Disposition::Panneaux& p = d.panneaux;
  for (const int x : {p.xJoueur, p.xOrdinateur}) {
    int rangee = p.rangeeCadre + 1;
    for (const char* libelle : {t.score, t.tirs, t.reussis}) {
      EXPECT_EQ(texte(jeu, x + p.decalageTexte, rangee, largeur(libelle)), libelle) << x;
      EXPECT_EQ(texte(jeu, x + p.largeurCadre, rangee++, 1), "|") << libelle;
    }
  }
  EXPECT_EQ(ligne(vues[6], d.question.y + 1), t.oui);
  EXPECT_EQ(ligne(vues[6], d.question.y + 2), t.non);
  // Past the start screen (the window's, not the settings' choice), the compact screens hold
  // in 80 x 24.
  for (std::size_t i = 1; compact && i < vues.size(); ++i) {
    for (int y = 1; y <= 45; ++y) {
      EXPECT_LE(largeur(ligne(vues[i], y)), y <= 24 ? 80 : 0) << "screen " << i << " row " << y;
    }
  }

  TerminalScripte placement;
  executer(placement, [&] { afficherInfoPlacement(1, "tavrun", d); });
  // Padded in cells to the widest count, however many bytes its letters take.
  EXPECT_EQ(texte(d.infoPlacement.x, d.infoPlacement.rangeeCompte, 30),
            std::string(t.reste) + std::string(30 - plateforme::largeurUtf8(t.reste), ' '));
  // --aide-jeu, the computer to play: the computer's tug (D2, E2) sunk at D2, then D2 refused.
  Tparam partie = partie::nouvellePartie();
  partie.aCommence = 1;
  partie::tirerDeja(*partie.joueur1, *partie.joueur2, 25);
  reglages.aideJeu = true;
  TerminalScripte aide{partie::viserEtTirer(24), partie::viserEtTirer(24)};
  executer(aide, [&] { jouer(partie, 1, reglages); });
  EXPECT_EQ(texte(aide.vues()[1], 1, compact ? 24 : 44, largeur(t.coule)), t.coule);
  EXPECT_EQ(texte(aide.vues()[2], 1, compact ? 24 : 44, largeur(t.refus)), t.refus);
}

INSTANTIATE_TEST_SUITE_P(EnAnglaisEtEnFrancais, Langue,
                         ::testing::Combine(::testing::ValuesIn(TEXTES), ::testing::Bool()),
                         [](const auto& pInfo) {
                           return std::string(std::get<0>(pInfo.param).langue) +
                                  (std::get<1>(pInfo.param) ? "Compacte" : "Decrite");
                         });

// Every message id of the code is in each catalogue, and nothing else is: the ids are drawn
// from the sources as a translator would (xgettext), compared by msgcmp and counted.
TEST(Catalogues, TiennentChaqueMessageDuCodeEtPasPlus) {
  const std::string msgfmt = KORVANE_MSGFMT;
  if (msgfmt.find("NOTFOUND") != std::string::npos) GTEST_SKIP() << "gettext is missing";
  const std::string racine = KORVANE_RACINE;
  DossierTemporaire dossier;
  const std::string pot = (dossier.chemin() / "korvane.pot").string();
  ASSERT_EQ(std::system(("cd " + racine +
                         " && xgettext --from-code=UTF-8 -C --omit-header -k -ktr "
                         "-ktrAvec -ktrPluriel:1,2 -kaTraduire -ktraduire -ktraduirePluriel:1,2 "
                         "-o " +
                         pot + " src/*.cpp src/*/*.cpp")
                            .c_str()),
            0);
  const int ids = std::stoi(sortieDe("grep -c '^msgid ' " + pot));
  EXPECT_GT(ids, 70);
  for (const char* langue : {"en", "fr"}) {
    const std::string po = racine + "/po/" + langue + ".po";
    EXPECT_EQ(std::system((msgfmt + " --check -o /dev/null " + po).c_str()), 0) << langue;
    EXPECT_EQ(std::system(("msgcmp " + po + " " + pot).c_str()), 0) << langue;
    // The header is one id more.
    EXPECT_EQ(std::stoi(sortieDe("grep -c '^msgid ' " + po)), ids + 1) << langue;
  }
}

// A whole game in English, the language chosen in the options file, under no locale at all: the
// C library still translates (through C.UTF-8 and LANGUAGE) and the accents-free texts of the
// language's own files come from the data folder.
TEST(LangueVraiTerminal, UnePartieEntiereEnAnglais) {
  if (!disponible("tmux") || !plateforme::choisirLangue("en", CATALOGUES)) GTEST_SKIP();
  plateforme::choisirLangue("", CATALOGUES);
  DossierTemporaire dossier;
  dossier.preparerDonneesDuJeu();
  for (const char* nom : {"regles", "startScreen"}) {
    std::filesystem::copy_file(std::string(KORVANE_DONNEES) + "/en/" + nom + ".txt",
                               dossier.chemin() / (std::string(nom) + ".en.txt"));
  }
  std::filesystem::create_directory(dossier.chemin() / "korvane");
  dossier.ecrireFichier("korvane/options", "langue=en\n");
  SessionTmux jeu(dossier.chemin(), 110, 45,
                  "unset LANG LC_ALL LC_MESSAGES LANGUAGE; XDG_CONFIG_HOME=" +
                      guillemets(dossier.chemin().string()));
  ASSERT_TRUE(jeu.attendreTexte("Press a key to start"));
  jeu.touches("x");
  ASSERT_TRUE(jeu.attendreTexte("-> New game"));
  jeu.touches("Down Down Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("Press a key to go back to the menu."));
  jeu.touches("x Up Up Up Enter");
  ASSERT_TRUE(jeu.attendreTexte("-> Play"));
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Enter your name:"));
  jeu.taper("Sailor");
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Do you want to place your ships?"));
  jeu.touches("Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Save /// Z: Undo /// Q: Quit"));
  EXPECT_NE(jeu.ecran().find("Computer"), std::string::npos);
  // Every cell in row order until the game ends.
  for (int k = 0; k < 100 && jeu.ecran().find("GAME OVER") == std::string::npos; ++k) {
    for (int i = 0; i < k % 10; ++i) jeu.touches("Right");
    for (int i = 0; i < k / 10; ++i) jeu.touches("Down");
    jeu.touches("Enter");
    ASSERT_TRUE(attendreQue([&] {
      const std::string ecran = jeu.ecran();
      return ecran.find("GAME OVER") != std::string::npos ||
             ecran.find("Shots fired: " + std::to_string(k + 1) + " ") != std::string::npos;
    }));
  }
  ASSERT_TRUE(jeu.attendreTexte("Press a key to continue..."));
  jeu.touches("x");
  ASSERT_TRUE(attendreQue([&] {
    const std::string ecran = jeu.ecran();
    return ecran.rfind("YOU WIN!", 0) == 0 || ecran.rfind("YOU LOSE", 0) == 0;
  }));
  jeu.touches(jeu.ecran().rfind("YOU WIN!", 0) == 0 ? "x x" : "x");
  ASSERT_TRUE(jeu.attendreTexte("-> New game"));
  jeu.touches("Down Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
}

}  // namespace
