// The real binary in tmux, as a player meets it.

#include <signal.h>
#include <string.h>
#include <algorithm>

#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/tmux.hpp"

namespace fs = std::filesystem;

namespace {

// Row y of a captured screen.
std::string rangee(const std::string& pEcran, int pY) {
  std::size_t debut = 0;
  for (int i = 1; i < pY; ++i) debut = pEcran.find('\n', debut) + 1;
  return pEcran.substr(debut, pEcran.find('\n', debut) - debut);
}

// After a run started at 120 x 50: settings, main screen and cursor as before, and the bytes
// that give the terminal back ask for the start size again and put the cursor on the last row
// before leaving the alternate screen.
void verifierTerminalRendu(SessionTmux& pJeu) {
  EXPECT_TRUE(pJeu.sttyRestaure());
  EXPECT_TRUE(pJeu.ecranPrincipal());
  EXPECT_TRUE(pJeu.attendreOctets(
      "\x1b[?2026l\x1b[8;50;120t\x1b[23;0t\x1b[999;1H\x1b[0m\x1b[?25h\x1b[?1049l"));
}

class VraiTerminal : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is missing";
    dossier_.preparerDonneesDuJeu();
  }

  // Past the start screen, on the main menu.
  void jusquAuMenu(SessionTmux& pSession) {
    ASSERT_TRUE(pSession.attendreTexte("Appuyez sur une touche pour commencer"));
    pSession.touches("x");
    ASSERT_TRUE(pSession.attendreTexte("-> Nouvelle partie"));
  }

  // From the main menu through "Nouvelle partie", "Jouer" and the name to the placement choice.
  void jusquAuChoixDuPlacement(SessionTmux& pSession) {
    pSession.touches("Enter");
    ASSERT_TRUE(pSession.attendreTexte("-> Jouer"));
    pSession.touches("Enter");
    ASSERT_TRUE(pSession.attendreTexte("Saisir votre pseudo:"));
    pSession.taper("Marin");
    pSession.touches("Enter");
    ASSERT_TRUE(pSession.attendreTexte("Voulez-vous placer vos bateaux?"));
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
    autre.preparerDonneesDuJeu();
    SessionTmux jeu(autre.chemin());
    jusquAuMenu(jeu);
    ASSERT_GT(jeu.pidJeu(), 0);
    kill(jeu.pidJeu(), signal);
    EXPECT_EQ(jeu.attendreStatut(), 128 + signal);
    EXPECT_TRUE(jeu.sttyRestaure());
  }
}

TEST_F(VraiTerminal, SignauxFatalsRendentLeTerminalCommeAuDepart) {
  struct Cas {
    const char* touche;  // nullptr: the signal is sent with kill
    int signal;
  };
  for (const Cas& cas : {Cas{"C-\\\\", SIGQUIT}, Cas{nullptr, SIGABRT}}) {
    SCOPED_TRACE(strsignal(cas.signal));
    SessionTmux jeu(dossier_.chemin(), 120, 50, "ulimit -c 0;");
    jusquAuMenu(jeu);
    if (cas.touche != nullptr) {
      jeu.touches(cas.touche);
    } else {
      kill(jeu.pidJeu(), cas.signal);
    }
    EXPECT_EQ(jeu.attendreStatut(), 128 + cas.signal);
    verifierTerminalRendu(jeu);
  }
}

TEST_F(VraiTerminal, TropPetitAfficheLAvisEtJetteLesTouchesTapees) {
  SessionTmux jeu(dossier_.chemin(), 120, 50);
  jusquAuMenu(jeu);
  jeu.redimensionner(79, 23);
  ASSERT_TRUE(
      jeu.attendreTexte("Agrandissez la fenetre: 80 x 24 caracteres (actuellement 79 x 23)"));
  const std::string avis = jeu.ecran();
  EXPECT_EQ(rangee(avis, 12).find("Agrandissez"), 7u);
  EXPECT_EQ(rangee(avis, 13).find("Ctrl-C pour quitter"), 30u);
  // On the menu these keys would quit; the player cannot see that.
  jeu.touches("Down Down Down Down Enter");
  jeu.redimensionner(79, 24);  // once redrawn, the keys sent before are in
  ASSERT_TRUE(jeu.attendreTexte("(actuellement 79 x 24)"));
  jeu.redimensionner(120, 50);
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  EXPECT_EQ(jeu.ecran().find("Agrandissez"), std::string::npos);
  EXPECT_FALSE(dossier_.existe(".statut"));
  jeu.touches("Down Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
  verifierTerminalRendu(jeu);
}

TEST_F(VraiTerminal, SansPlacePourLaSauvegardeLaPartieContinue) {
  SessionTmux jeu(dossier_.chemin(), 110, 45, "ulimit -f 0;");
  jusquAuMenu(jeu);
  jusquAuChoixDuPlacement(jeu);
  jeu.touches("Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  jeu.touches("s");
  ASSERT_TRUE(jeu.attendreTexte("Une erreur est survenue. Sauvegarde impossible."));
  jeu.touches("x Enter");  // the message goes, then a shot at A1
  ASSERT_TRUE(jeu.attendreTexte("Tirs effectues: 1"));
  EXPECT_EQ(jeu.ecran().find("Sauvegarde impossible"), std::string::npos);
  EXPECT_FALSE(dossier_.existe(".statut"));
}

TEST_F(VraiTerminal, CtrlZRendLeTerminalEtSigcontRepeintLeJeu) {
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  jeu.touches("Down");
  ASSERT_TRUE(jeu.attendreTexte("-> Charger partie"));
  jeu.touches("C-z");
  // Stopped: the main screen is back, without the menu.
  EXPECT_TRUE(attendreQue([&] { return jeu.ecran().find("Charger partie") == std::string::npos; }));
  kill(jeu.pidJeu(), SIGCONT);
  ASSERT_TRUE(jeu.attendreTexte("-> Charger partie"));
  jeu.touches("Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
  EXPECT_TRUE(jeu.sttyRestaure());
}

namespace {

std::string repeter(const std::string& pTouche, int pFois) {
  std::string resultat;
  for (int i = 0; i < pFois; ++i) resultat += pTouche + " ";
  return resultat;
}

}  // namespace

TEST_F(VraiTerminal, PlacementALaMainAvecLesFleches) {
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  jusquAuChoixDuPlacement(jeu);
  jeu.touches("Enter");
  ASSERT_TRUE(jeu.attendreTexte("Bateau courant: fenoril"));
  EXPECT_NE(jeu.ecran().find("Il reste 4 bateaux a placer"), std::string::npos);
  // Each ship starts at A1, over the ones laid before it: move it right of them, then lay it.
  const char* noms[] = {"dombar", "quelis", "tavrun"};
  jeu.touches("Enter");
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(jeu.attendreTexte(std::string("Bateau courant: ") + noms[i]));
    jeu.touches("Enter");  // refused: it lies over the first ship
    jeu.touches(repeter("Right", i + 1) + "Enter");
  }
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder /// Z: Annuler le coup /// Q: Quitter"));
  // Row A of the own board: the four ships side by side, each in its colour. tmux may show the
  // key line before it has drawn the whole frame: the row is read until it settles.
  constexpr const char* FONDS[] = {"101m", "42m", "44m", "105m"};
  std::string rangeeA;
  attendreQue([&] {
    rangeeA = rangee(jeu.ecran(true), 6);
    return std::ranges::all_of(FONDS,
                               [&](const char* f) { return rangeeA.find(f) != std::string::npos; });
  });
  for (const char* fond : FONDS) EXPECT_NE(rangeeA.find(fond), std::string::npos) << fond << rangeeA;
  EXPECT_NE(jeu.ecran().find("Marin"), std::string::npos);
}

TEST_F(VraiTerminal, UnePartieEntiereJusquAuMenuPuisQuitter) {
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  jusquAuChoixDuPlacement(jeu);
  jeu.touches("Down Enter");
  ASSERT_TRUE(jeu.attendreTexte("S: Sauvegarder"));
  // Every human turn starts with the cursor on A1: aim at the next cell in row order and fire,
  // then wait for the shot to show in the left panel.
  bool fini = false;
  for (int k = 0; k < 100 && !fini; ++k) {
    jeu.touches(repeter("Right", k % 10) + repeter("Down", k / 10) + "Enter");
    const std::string attendu = "Tirs effectues: " + std::to_string(k + 1) + " ";
    ASSERT_TRUE(attendreQue([&] {
      const std::string ecran = jeu.ecran();
      fini = ecran.find("PARTIE TERMINEE") != std::string::npos;
      return fini || rangee(ecran, 29).find(attendu) == 25 - 1;
    })) << "shot "
        << k + 1;
  }
  ASSERT_TRUE(jeu.attendreTexte("Appuyez sur une touche pour continuer..."));
  jeu.touches("x");
  std::string resultat;
  ASSERT_TRUE(attendreQue([&] {
    resultat = rangee(jeu.ecran(), 1);
    return resultat.rfind("YOU WIN!", 0) == 0 || resultat.rfind("YOU LOOSE", 0) == 0;
  }));
  jeu.touches(resultat.rfind("YOU WIN!", 0) == 0 ? "x x" : "x");
  ASSERT_TRUE(jeu.attendreTexte("-> Nouvelle partie"));
  jeu.touches("Down Down Down Down Enter");
  EXPECT_EQ(jeu.attendreStatut(), 0);
  EXPECT_TRUE(jeu.sttyRestaure());
}

TEST_F(VraiTerminal, CtrlLRepeintCeQuUnAutreProgrammeAEcritParDessus) {
  SessionTmux jeu(dossier_.chemin());
  jusquAuMenu(jeu);
  jeu.touches("Enter Enter");  // even in a typed answer, the player's name
  ASSERT_TRUE(jeu.attendreTexte("Saisir votre pseudo:"));
  jeu.ecrireParDessus("\x1b[3;1HGRIBOUILLIS");
  ASSERT_TRUE(jeu.attendreTexte("GRIBOUILLIS"));
  jeu.touches("C-l");
  EXPECT_TRUE(attendreQue([&] { return jeu.ecran().find("GRIBOUILLIS") == std::string::npos; }));
}

TEST_F(VraiTerminal, AvecViHJKLDeplacentSaufDansUneReponseTapee) {
  fs::create_directories(dossier_.chemin() / "config/korvane");
  dossier_.ecrireFichier("config/korvane/options", "vi\n");
  SessionTmux jeu(dossier_.chemin(), 110, 45,
                  "XDG_CONFIG_HOME=" + citer((dossier_.chemin() / "config").string()));
  jusquAuMenu(jeu);
  jeu.touches("j");
  ASSERT_TRUE(jeu.attendreTexte("-> Charger partie"));
  jeu.touches("k Enter Enter");
  ASSERT_TRUE(jeu.attendreTexte("Saisir votre pseudo:"));
  jeu.taper("hjkl");
  EXPECT_TRUE(jeu.attendreTexte("hjkl"));
}
