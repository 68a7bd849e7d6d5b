#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controleur/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "support/terminalScripte.hpp"
#include "vue/bateau.hpp"
#include "vue/vue.hpp"

// --- The placement choice screen ---

struct CasChoix {
  const char* nom;
  std::vector<std::string> touches;
  bool alea;
};

class ChoixPlacement : public testing::TestWithParam<CasChoix> {};

// Up always marks the first line and down the second; only Enter decides.
TEST_P(ChoixPlacement, RendLaLigneMarquee) {
  const CasChoix& cas = GetParam();
  TerminalScripte t;
  for (const auto& k : cas.touches) t.taper(k);
  bool alea = !cas.alea;
  EXPECT_EQ(executer(t, [&] { alea = estAlea(REGLAGES_DECRITS); }), 0);
  EXPECT_EQ(alea, cas.alea);
  const auto& avantEntree = t.vues().back();
  EXPECT_EQ(ligne(avantEntree, 1), "Voulez-vous placer vos bateaux?");
  EXPECT_EQ(ligne(avantEntree, 2), std::string(30, '-'));
  EXPECT_EQ(ligne(avantEntree, 3), std::string(cas.alea ? "  " : "->") +
                                       "Oui, on est jamais mieux servi que par soi-meme!");
  EXPECT_EQ(ligne(avantEntree, 4),
            std::string(cas.alea ? "->" : "  ") + "Non, je prefere laisser le hasard decider.");
  EXPECT_EQ(ligne(avantEntree, 5), "");
}

INSTANTIATE_TEST_SUITE_P(
    Touches, ChoixPlacement,
    testing::Values(CasChoix{"EntreeDirecte", {"\r"}, false},
                    CasChoix{"Bas", {"\x1b[B", "\r"}, true},
                    CasChoix{"BasSurLaDerniere", {"\x1b[B", "\x1b[B", "\r"}, true},
                    CasChoix{"HautSurLaPremiere", {"\x1b[A", "\r"}, false},
                    CasChoix{"BasPuisHaut", {"\x1b[B", "\x1b[A", "\r"}, false},
                    CasChoix{"LettreCommeFleche", {"P", "\r"}, true},
                    CasChoix{"AutresTouchesRedessinent", {"\x1b[B", "x", "\x1b[2~", "\r"}, true}),
    [](const testing::TestParamInfo<CasChoix>& pCas) { return pCas.param.nom; });

// The screen sets no colour of its own.
TEST(EcranChoixPlacement, DansLaCouleurCourante) {
  TerminalScripte t{"\r"};
  executer(t, [] {
    textcolor(LIGHTGREEN);
    estAlea(REGLAGES_DECRITS);
  });
  EXPECT_EQ(attribut(t.vues().back(), 1, 1), LIGHTGREEN);
  EXPECT_EQ(attribut(t.vues().back(), 1, 3), LIGHTGREEN);
}

// --- The name prompt ---

struct CasPseudo {
  const char* nom;
  std::vector<std::string> lignes;
  std::string attendu;
};

class SaisirPseudo : public testing::TestWithParam<CasPseudo> {};

TEST_P(SaisirPseudo, GardeLePremierMotCoupeA14) {
  TerminalScripte t;
  for (const auto& l : GetParam().lignes) t.taper(l);
  std::string pseudo;
  executer(t, [&] {
    clrscr();
    pseudo = saisirPseudo();
  });
  EXPECT_EQ(ligne(t.vues().front(), 2), "Saisir votre pseudo:");
  EXPECT_EQ(pseudo, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, SaisirPseudo,
    testing::Values(CasPseudo{"UnMot", {"Alice\r"}, "Alice"},
                    CasPseudo{"LignesVidesSautees", {"\r", "   \r", "Bob\r"}, "Bob"},
                    CasPseudo{"DeuxMots", {"  Carl Dupont\r"}, "Carl"},
                    CasPseudo{"Quatorze", {"abcdefghijklmn\r"}, "abcdefghijklmn"},
                    CasPseudo{"TropLongCoupe", {"abcdefghijklmnopqrstuvwxyz\r"}, "abcdefghijklmn"}),
    [](const testing::TestParamInfo<CasPseudo>& pCas) { return pCas.param.nom; });

// --- Pieces of the settings listing ---

TEST(AfficherType, NomsDesQuatreTypesEtRienPourLesAutres) {
  TerminalScripte t;
  executer(t, [] {
    for (int i = 0; i <= 6; ++i) {
      gotoxy(1, i + 1);
      afficherType(i);
      ecrire("|");
    }
  });
  // Each name is followed by a tab, which reaches column 17 after any of them.
  EXPECT_EQ(ligne(1), "|");
  EXPECT_EQ(ligne(2), "|");
  EXPECT_EQ(ligne(3), "remorqueur      |");
  EXPECT_EQ(ligne(4), "porteAvion      |");
  EXPECT_EQ(ligne(5), "sousMarin       |");
  EXPECT_EQ(ligne(6), "cargot  |");
  EXPECT_EQ(ligne(7), "|");
}

TEST(AfficherCouleur, NomFrancaisPuisTabulation) {
  TerminalScripte t;
  executer(t, [] {
    afficherCouleur(0);
    ecrire("|\n");
    afficherCouleur(13);
    ecrire("|\n");
    afficherCouleur(14);
    ecrire("|");
  });
  EXPECT_EQ(ligne(1), "Couleur : NOIR  |");
  EXPECT_EQ(ligne(2), "Couleur : LIGHTMAGENTA  |");
  EXPECT_EQ(ligne(3), "Couleur : JAUNE |");
}
