// The compact layout in process: one table of every screen by its cells at 80 x 24, the boards'
// colours against the full layout's, and a whole game with every display option that never
// draws outside the 80 x 24 window.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "modele/coniocouleur.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/joueurAutomatique.hpp"
#include "support/octets.hpp"
#include "support/terminalScripte.hpp"
#include "vue/vueGrille.hpp"

namespace {

const std::string BAS(touches::BAS);
// From the start screen to the listing of a fleet of three ships of each type.
std::string listerTroisParType() {
  std::string touches = "x\r" + BAS + "\r" + BAS + "\r3\r";
  for (int i = 0; i < 12; ++i) touches += "1\rb\r";
  return touches + std::string(touches::HAUT) + "\r";
}
// From the start screen to the first move of a game placed at random.
const std::string VERS_LA_PARTIE = "x\r\rMarin\r" + BAS + "\r";
const Disposition& C = DISPOSITION_COMPACTE;

Reglages compact() {
  Reglages reglages;
  reglages.compact = true;
  return reglages;
}

// Text expected at a cell, and its attribute when one is given.
struct Attendu {
  int x;
  int y;
  std::string texte;
  int attribut = -1;
};

struct EcranCompact {
  const char* nom;
  std::string touches;
  std::vector<Attendu> cellules;
};

const std::vector<EcranCompact> ECRANS = {
    {"ecran d'accueil centre",
     "",
     {{3, 1, "##   ##"}, {9, 21, "Trouvez les navires"}, {22, 23, "Appuyez sur une touche"}}},
    {"menu principal",
     "x",
     {{1, 1, std::string(33, '-'), LIGHTCYAN}, {1, 4, "-> Nouvelle partie"}, {1, 8, "   Quitter"}}},
    {"nouvelle partie", "x\r", {{1, 2, "Deplacement avec touches flechees"}, {1, 6, "   Retour"}}},
    {"parametres", "x\r" + BAS + "\r", {{1, 4, "-> Afficher parametres"}, {1, 6, "   Retour "}}},
    {"liste des parametres",
     "x\r" + BAS + "\r\r",
     {{1, 1, "Nombre d'instances 1"}, {1, 9, "Couleur : "}}},
    {"liste de 25 lignes",
     listerTroisParType(),
     {{1, 1, "Nombre d'instances 3"}, {1, 23, "Couleur : "}, {1, 24, "lignes 1-23 sur 25 "}}},
    {"liste de 25 lignes, page suivante",
     listerTroisParType() + " ",
     {{1, 1, "Couleur : BLEU"}, {1, 23, "Couleur : "}, {1, 24, "lignes 3-25 sur 25 "}}},
    {"nombre d'instances",
     "x\r" + BAS + "\r" + BAS + "\r",
     {{1, 4, "Saisir le nombre d'instances de bateau par type:"}}},
    {"pseudo", "x\r\rMa", {{1, 2, "Saisir votre pseudo:Ma"}}},
    {"choix du placement",
     "x\r\rMarin\r",
     {{1, 1, "Voulez-vous placer vos bateaux?"}, {1, 3, "->Oui"}, {3, 4, "Non"}}},
    {"placement",
     "x\r\rMarin\r\r",
     {{5, 2, "1  2"},
      {2, 13, "J |"},
      {40, 4, "Il reste 4 bateaux a placer"},
      {40, 5, "Bateau courant: "},
      {40, 10, "Entree: Valider placement"}}},
    {"partie",
     VERS_LA_PARTIE,
     {{5, 1, "1  2  3"},
      {32, 1, "10"},
      {72, 1, "10"},
      {2, 3, "A |"},
      {2, 12, "J |"},
      {42, 12, "J |"},
      {46, 3, "O"},
      {9, 14, "Marin", LIGHTCYAN},
      {49, 14, "Ordinateur", LIGHTCYAN},
      {5, 15, "-----"},
      {9, 16, "Score: 100"},
      {49, 17, "Tirs effectues: 1"},
      {49, 18, "Tirs reussi: 0"},
      {14, 20, "S: Sauvegarder", LIGHTCYAN}}},
    {"question pour quitter",
     VERS_LA_PARTIE + "q",
     {{1, 21, "Voulez-vous vraiment quitter?"}, {3, 22, "Oui"}, {1, 23, "->Non"}}},
    {"echec du chargement",
     "x" + BAS + "\r",
     {{1, 9, std::string(25, '-')},
      {1, 10, "Une erreur s'est produite"},
      {1, 5, "-> Charger partie"}}},
    {"echec du chargement apres un redimensionnement",
     "x" + BAS + "\r",
     {{1, 9, std::string(25, '-')},
      {1, 10, "Une erreur s'est produite"},
      {1, 5, "-> Charger partie"}}},
    {"partie sauvegardee", VERS_LA_PARTIE + "s", {{7, 21, "Sauvegarde effectuee."}}},
    {"meilleurs scores",
     "x" + BAS + BAS + "\r",
     {{1, 1, "Position"},
      {15, 3, "Marin"},
      {33, 3, "80"},
      {70, 1, "|"},
      {1, 6, std::string(70, '-')}}},
    {"regles",
     "x" + BAS + BAS + BAS + "\r",
     {{1, 1, "REGLES DE KORVANE"}, {1, 24, "lignes 1-23 sur 47 "}}},
};

// The cells of a screen that is not blank outside the 80 x 24 window, as "(x, y)".
std::string horsDeLaFenetre(const plateforme::Ecran& pEcran) {
  for (int y = 1; y <= plateforme::HAUTEUR; ++y) {
    for (int x = 1; x <= plateforme::LARGEUR; ++x) {
      const bool dedans = x <= plateforme::LARGEUR_COMPACTE && y <= plateforme::HAUTEUR_COMPACTE;
      if (!dedans && texte(pEcran, x, y, 1) != " ") {
        return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  return {};
}

class EcransCompacts : public ::testing::Test {
 protected:
  void SetUp() override { dossier_.preparerDonneesDuJeu(); }
  DossierTemporaire dossier_;
};

}  // namespace

TEST_F(EcransCompacts, ChaqueEcranASesCellulesDansLaFenetre) {
  dossier_.ecrireFichier("meilleurs.dat",
                         enregistrement(80, 14, 20, "Marin") + enregistrement(70, 14, 30, "Bob"));
  for (const EcranCompact& ecran : ECRANS) {
    TerminalScripte terminal;
    terminal.taper(ecran.touches);
    // A resize across the threshold and back, after which the screen is drawn again.
    if (std::string(ecran.nom).find("redimensionnement") != std::string::npos) {
      terminal.basculer();
      terminal.basculer();
    }
    executerProgramme(terminal, 1, compact());
    for (const Attendu& a : ecran.cellules) {
      EXPECT_EQ(texte(a.x, a.y, static_cast<int>(a.texte.size())), a.texte)
          << ecran.nom << " (" << a.x << ", " << a.y << ")";
      if (a.attribut >= 0) {
        EXPECT_EQ(attribut(a.x, a.y), a.attribut) << ecran.nom;
      }
    }
    EXPECT_EQ(horsDeLaFenetre(plateforme::ecranCourant()), "") << ecran.nom;
  }
}

TEST_F(EcransCompacts, LesCasesOntLesCouleursEtLesMarquesDeLaDispositionDecrite) {
  Reglages marques = compact();
  marques.marques = true;
  std::vector<plateforme::Ecran> ecrans;
  for (Reglages reglages : {marques, Reglages{.marques = true}}) {
    TerminalScripte terminal;
    terminal.taper(VERS_LA_PARTIE + "\r" + BAS + "\r");  // two shots at A1 then B1
    executerProgramme(terminal, 4, reglages);
    ecrans.push_back(plateforme::ecranCourant());
  }
  for (const auto& [compacte, decrite] :
       {std::pair{C.grilleJoueur, DISPOSITION_DECRITE.grilleJoueur},
        {C.grilleCible, DISPOSITION_DECRITE.grilleCible}}) {
    for (int l = 1; l <= 10; ++l) {
      for (int c = 1; c <= 10; ++c) {
        const Point pc = caractereDeCase(compacte, l, c);
        const Point pd = caractereDeCase(decrite, l, c);
        const std::string marque = texte(ecrans[1], pd.x, pd.y, 1);
        EXPECT_EQ(texte(ecrans[0], pc.x, pc.y, 1), marque) << l << c;
        // A blank shows its background only.
        const int masque = marque == " " ? 0xF0 : 0xFF;
        EXPECT_EQ(attribut(ecrans[0], pc.x, pc.y) & masque,
                  attribut(ecrans[1], pd.x, pd.y) & masque)
            << l << c;
      }
    }
  }
}

TEST_F(EcransCompacts, UnePartieEntiereAvecLesOptionsResteDansLaFenetre) {
  Reglages reglages = compact();
  reglages.marques = reglages.devoiler = reglages.garderCurseur = true;
  TerminalScripte terminal;
  terminal.taper(VERS_LA_PARTIE);
  terminal.repondre(JoueurAutomatique({"x", "x", "x", "x"}, JoueurAutomatique::Debut::tirer, C));
  EXPECT_EQ(executerProgramme(terminal, 3, reglages), 4);
  int finDePartie = 0;
  int resultat = 0;
  for (const plateforme::Ecran& vue : terminal.vues()) {
    ASSERT_EQ(horsDeLaFenetre(vue), "") << terminal.vues().size();
    if (ligne(vue, 1) == "PARTIE TERMINEE") {
      ++finDePartie;
      EXPECT_EQ(ligne(vue, 6), "Appuyez sur une touche pour continuer...");
    }
    if (ligne(vue, 1).rfind("YOU ", 0) == 0) ++resultat;
  }
  EXPECT_EQ(finDePartie, 1);
  EXPECT_GE(resultat, 1);
  EXPECT_EQ(ligne(4), "-> Nouvelle partie");
}
