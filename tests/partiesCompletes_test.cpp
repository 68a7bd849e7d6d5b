// Whole games from the main menu to their result screens, played by an automatic player on
// seeded games: new games won, lost and left, a game saved, resumed and won, and the held
// parameter set across "Retour" and "Charger partie".

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "menuPrincipal.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/random.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/joueurAutomatique.hpp"
#include "support/octets.hpp"
#include "support/terminalScripte.hpp"

namespace fs = std::filesystem;
using Debut = JoueurAutomatique::Debut;

namespace {

// From the start screen to the first move of a game: "Nouvelle partie", "Jouer", the name, and
// random placement.
const std::string VERS_LA_PARTIE = "x\r\rMarin\r" + std::string(touches::BAS) + "\r";
// From the main menu (entry 1 marked) to a resumed game.
const std::string VERS_LA_REPRISE = std::string(touches::BAS) + "\r";

class PartieComplete : public ::testing::Test {
 protected:
  void SetUp() override { dossier_.preparerDonneesDuJeu(); }

  int jouer(unsigned pGraine, std::string pDebut, std::deque<std::string> pApres,
            Debut pCommentCommencer = Debut::tirer) {
    terminal_ = std::make_unique<TerminalScripte>();
    terminal_->taper(pDebut);
    terminal_->repondre(JoueurAutomatique(std::move(pApres), pCommentCommencer));
    return executerProgramme(*terminal_, pGraine);
  }

  // The first seed whose new game, played to its end, shows pResultat; the files are reset.
  unsigned graineDonnant(const std::string& pResultat) {
    for (unsigned graine = 1; graine < 300; ++graine) {
      jouer(graine, VERS_LA_PARTIE, {"x"});
      if (ligne(1).rfind(pResultat, 0) == 0) {
        dossier_.ecrireFichier("meilleurs.dat", "");
        return graine;
      }
    }
    ADD_FAILURE() << "no seed gives " << pResultat;
    return 0;
  }

  DossierTemporaire dossier_;
  std::unique_ptr<TerminalScripte> terminal_;
};

}  // namespace

TEST_F(PartieComplete, VictoireAvecStatistiquesEnregistreeEtDeuxTouches) {
  const unsigned graine = graineDonnant("YOU WIN!");
  ASSERT_NE(graine, 0u);
  EXPECT_EQ(jouer(graine, VERS_LA_PARTIE, {"x"}), 4);
  const std::string tirs = ligne(3).substr(std::string("Nombre de tirs effectues: ").size());
  const int nbTir = std::stoi(tirs);
  EXPECT_EQ(ligne(1), "YOU WIN!");
  EXPECT_EQ(attribut(1, 1), YELLOW);
  EXPECT_EQ(ligne(2), "");
  EXPECT_EQ(ligne(3), "Nombre de tirs effectues: " + std::to_string(nbTir));
  EXPECT_EQ(ligne(4), "Tirs reussis: 14");
  EXPECT_EQ(ligne(5), "Tirs rates: " + std::to_string(nbTir - 14));
  EXPECT_EQ(attribut(1, 5), YELLOW);
  // The win is in the table: score, hits, shots, name.
  const std::string table = dossier_.lireFichier("meilleurs.dat");
  ASSERT_EQ(table.size(), 28u);
  EXPECT_EQ(entier32(table, 0), 100 - nbTir);
  EXPECT_EQ(entier32(table, 4), 14);
  EXPECT_EQ(entier32(table, 8), nbTir);
  EXPECT_EQ(table.substr(12, 6), std::string("Marin\0", 6));
  // A second key on the unchanged screen, then the menu.
  dossier_.ecrireFichier("meilleurs.dat", "");
  jouer(graine, VERS_LA_PARTIE, {"x", "x"});
  EXPECT_EQ(ligne(1), "YOU WIN!");
  dossier_.ecrireFichier("meilleurs.dat", "");
  jouer(graine, VERS_LA_PARTIE, {"x", "x", "x"});
  EXPECT_EQ(ligne(4), "-> Nouvelle partie");
}

TEST_F(PartieComplete, VictoireSansTableauSignaleLErreurDerriereLeMessage) {
  const unsigned graine = graineDonnant("YOU WIN!");
  ASSERT_NE(graine, 0u);
  fs::remove(dossier_.chemin() / "meilleurs.dat");
  jouer(graine, VERS_LA_PARTIE, {"x"});
  EXPECT_EQ(ligne(1), "YOU WIN!Une erreur s'est produite.");
  EXPECT_FALSE(dossier_.existe("meilleurs.dat"));
}

TEST_F(PartieComplete, DefaiteUneSeuleTouche) {
  const unsigned graine = graineDonnant("YOU LOOSE");
  ASSERT_NE(graine, 0u);
  jouer(graine, VERS_LA_PARTIE, {"x"});
  EXPECT_EQ(ligne(1), "YOU LOOSE");
  EXPECT_EQ(ligne(2), "");
  EXPECT_EQ(ligne(3), "");
  EXPECT_EQ(ligne(4), "Vous ferez mieux une autre fois. :)");
  EXPECT_EQ(attribut(1, 4), YELLOW);
  EXPECT_EQ(dossier_.lireFichier("meilleurs.dat"), "");
  jouer(graine, VERS_LA_PARTIE, {"x", "x"});
  EXPECT_EQ(ligne(4), "-> Nouvelle partie");
}

TEST_F(PartieComplete, QuitterLaPartieDonneUnEcranVidePuisLeMenu) {
  jouer(1, VERS_LA_PARTIE, {}, Debut::quitter);
  EXPECT_EQ(ligne(1), "PARTIE TERMINEE");
  EXPECT_EQ(ligne(6), "Appuyez sur une touche pour continuer...");
  jouer(1, VERS_LA_PARTIE, {"x"}, Debut::quitter);
  for (int y = 1; y <= 45; ++y) EXPECT_EQ(ligne(y), "") << y;
  jouer(1, VERS_LA_PARTIE, {"x", "x"}, Debut::quitter);
  EXPECT_EQ(ligne(4), "-> Nouvelle partie");
  EXPECT_FALSE(dossier_.existe("save.dat"));
}

TEST_F(PartieComplete, SauverQuitterChargerEtGagnerDonneWinnerEtLeScore) {
  // Save on the first move, leave, then resume from the menu until a seed gives a human win.
  for (unsigned graine = 1; graine < 300; ++graine) {
    fs::remove(dossier_.chemin() / "save.dat");
    dossier_.ecrireFichier("meilleurs.dat", "");
    jouer(graine, VERS_LA_PARTIE, {"x", "x", VERS_LA_REPRISE, "x"}, Debut::sauverPuisQuitter);
    if (ligne(1) != "WINNER") continue;
    EXPECT_EQ(attribut(1, 1), YELLOW);
    EXPECT_EQ(ligne(2), "");
    const std::string table = dossier_.lireFichier("meilleurs.dat");
    ASSERT_EQ(table.size(), 28u);
    EXPECT_EQ(entier32(table, 4), 14);
    EXPECT_EQ(entier32(table, 0), 100 - entier32(table, 8));
    EXPECT_TRUE(dossier_.existe("save.dat")) << "loading leaves the save in place";
    // One key brings the menu back, still on "Charger partie".
    jouer(graine, VERS_LA_PARTIE, {"x", "x", VERS_LA_REPRISE, "x", "x"}, Debut::sauverPuisQuitter);
    EXPECT_EQ(ligne(5), "-> Charger partie");
    return;
  }
  ADD_FAILURE() << "no seed gives a resumed win";
}

TEST_F(PartieComplete, ReprisePerdueDonneLeMessageCourt) {
  for (unsigned graine = 1; graine < 300; ++graine) {
    fs::remove(dossier_.chemin() / "save.dat");
    jouer(graine, VERS_LA_PARTIE, {"x", "x", VERS_LA_REPRISE, "x"}, Debut::sauverPuisQuitter);
    if (ligne(1).rfind("YOU LOOSE", 0) != 0) continue;
    EXPECT_EQ(ligne(1), "YOU LOOSE");
    for (int y = 2; y <= 45; ++y) EXPECT_EQ(ligne(y), "") << y;
    return;
  }
  ADD_FAILURE() << "no seed gives a resumed loss";
}

namespace {

// "Nouvelle partie", "Parametres", "Modifier les parametres" with two ships of each type, all
// blue and named "b", then "Retour" twice: back on the main menu with the new set held.
std::string reglerDeuxBateauxParType() {
  std::string touchesReglage =
      "\r" + std::string(touches::BAS) + "\r" + std::string(touches::BAS) + "\r2\r";
  for (int i = 0; i < 8; ++i) touchesReglage += "1\rb\r";
  touchesReglage += std::string(touches::BAS) + "\r" + std::string(touches::BAS) + "\r";
  return touchesReglage;
}

// From the main menu: "Nouvelle partie", "Parametres", "Afficher parametres".
const std::string AFFICHER_REGLAGES = "\r" + std::string(touches::BAS) + "\r\r";

}  // namespace

TEST_F(PartieComplete, RetourGardeLesReglagesEtUnChargementRateAussi) {
  jouer(1,
        "x" + reglerDeuxBateauxParType() + VERS_LA_REPRISE + "x" + std::string(touches::HAUT) +
            AFFICHER_REGLAGES,
        {});
  EXPECT_EQ(ligne(1), "Nombre d'instances 2");
}

TEST_F(PartieComplete, UnChargementReussiRemplaceLeJeuTenuEtLaPartieSuivanteRepartDuDefaut) {
  // A save of a default game, made by a first run.
  jouer(1, VERS_LA_PARTIE, {"x", "x"}, Debut::sauverPuisQuitter);
  ASSERT_TRUE(dossier_.existe("save.dat"));
  // Settings changed and held, then a resumed game left at once, then the settings again.
  terminal_ = std::make_unique<TerminalScripte>();
  terminal_->taper("x" + reglerDeuxBateauxParType() + VERS_LA_REPRISE);
  std::deque<std::string> apres{"x", "x", std::string(touches::HAUT) + AFFICHER_REGLAGES};
  terminal_->repondre(JoueurAutomatique(apres, Debut::quitter));
  EXPECT_EQ(executerProgramme(*terminal_, 1), 4);
  EXPECT_EQ(ligne(1), "Nombre d'instances 1");
}

TEST_F(PartieComplete, UnNomAccentueVaDuPanneauALaSauvegardeEtAuTableau) {
  const std::string nom = "H\xc3\xa9l\xc3\xa8ne";
  const std::string champ = nom + std::string(15 - nom.size(), '\0');
  const std::string versLaPartie = "x\r\r" + nom + "\r" + std::string(touches::BAS) + "\r";
  for (unsigned graine = 1; graine < 300; ++graine) {
    fs::remove(dossier_.chemin() / "save.dat");
    dossier_.ecrireFichier("meilleurs.dat", "");
    jouer(graine, versLaPartie, {"x", "x", VERS_LA_REPRISE, "x"}, Debut::sauverPuisQuitter);
    if (ligne(1) != "WINNER") continue;
    EXPECT_NE(dossier_.lireFichier("save.dat").find(champ), std::string::npos);
    const auto& vues = terminal_->vues();
    const auto reprise = std::find_if(vues.rbegin(), vues.rend(), estEcranDeJeu);
    ASSERT_NE(reprise, vues.rend());
    EXPECT_EQ(texte(*reprise, 25, 26, 6), nom) << "name panel of the resumed game";
    EXPECT_EQ(dossier_.lireFichier("meilleurs.dat").substr(12, 15), champ);
    return;
  }
  ADD_FAILURE() << "no seed gives a resumed win";
}
