// --aide-jeu in a resumed game of known fleets, read from the screens in both layouts and in the
// described, French and English texts: the fleets' status, the said results and refusals.

#include <gtest/gtest.h>

#include "controleur/partieDeTest.hpp"
#include "plateforme/langue.hpp"
#include "support/terminalScripte.hpp"

using namespace partie;

namespace {

struct CasAide {
  const char* langue;
  bool compact;
  // The first entry of each fleet, the step from one entry to the next, the glyph's offset.
  Point joueur, ordi, pas;
  int decalageGlyphe;
  Point message;
  const char *touche, *coule, *eau, *refus, *entreeCoulee;
};

const CasAide CAS[] = {
    {"",
     false,
     {10, 37},
     {60, 37},
     {20, 1},
     0,
     {1, 44},
     "B2: touche",
     "C2: coule (porteAvion)",
     "J3: a l'eau",
     "Case deja visee",
     "# remorqueur 2"},
    {"fr",
     true,
     {36, 3},
     {76, 3},
     {0, 1},
     3,
     {1, 23},
     "B2 : touché",
     "C2 : coulé (porte-avions)",
     "J3 : à l'eau",
     "Case déjà visée",
     "R2 #"},
    {"en",
     false,
     {10, 37},
     {60, 37},
     {20, 1},
     0,
     {1, 44},
     "B2: hit",
     "C2: sunk (aircraft carrier)",
     "J3: miss",
     "Cell already fired at",
     "# tug 2"},
};

class AideJeu : public testing::TestWithParam<CasAide> {
 protected:
  void SetUp() override {
    const std::string catalogues = std::string(KORVANE_CONSTRUCTION) + "/locale";
    if (!plateforme::choisirLangue(GetParam().langue, catalogues)) GTEST_SKIP() << "no msgfmt";
  }
  void TearDown() override {
    plateforme::choisirLangue("", std::string(KORVANE_CONSTRUCTION) + "/locale");
  }
};

// Glyphs of the four entries of a fleet, in order.
std::string glyphes(const plateforme::Ecran& pV, Point pPremier, const CasAide& pCas) {
  std::string g;
  for (int i = 0; i < 4; ++i) {
    const int x = pPremier.x + (pCas.pas.x == 0 ? 0 : (i % 2) * pCas.pas.x) + pCas.decalageGlyphe;
    const int y = pPremier.y + (pCas.pas.x == 0 ? i : i / 2);
    g += texte(pV, x, y, 1);
  }
  return g;
}

}  // namespace

TEST_P(AideJeu, EtatDesFlottesResultatsEtRefus) {
  const CasAide& cas = GetParam();
  // Resumed on the human's turn: the computer's tug sunk and carrier hit, the human's tug hit.
  Tparam p = nouvellePartie();
  p.aCommence = 1;
  for (auto [humain, ordi] : {std::pair{24, 101}, {25, 11}, {21, 12}}) {
    tirerDeja(*p.joueur1, *p.joueur2, humain);
    tirerDeja(*p.joueur2, *p.joueur1, ordi);
  }
  Reglages reglages{.compact = cas.compact};
  reglages.aideJeu = true;
  TerminalScripte t{viserEtTirer(22), viserEtTirer(23), "z", viserEtTirer(22), "M",
                    viserEtTirer(20)};
  executer(t, [&] {
    std::srand(1);
    jouer(p, 1, reglages);
  });
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 7u);
  EXPECT_EQ(glyphes(v[0], cas.ordi, cas), "#Xoo");
  EXPECT_EQ(glyphes(v[0], cas.joueur, cas), "Xooo");
  EXPECT_EQ(texte(v[0], cas.ordi.x, cas.ordi.y, largeur(cas.entreeCoulee)), cas.entreeCoulee);
  const auto message = [&](std::size_t pVue) {
    return texte(v[pVue], cas.message.x, cas.message.y, 40);
  };
  EXPECT_NE(message(1).find(cas.touche), std::string::npos) << message(1);
  EXPECT_NE(message(2).find(cas.coule), std::string::npos) << message(2);
  EXPECT_EQ(glyphes(v[2], cas.ordi, cas), "##oo");
  EXPECT_EQ(glyphes(v[3], cas.ordi, cas), "#Xoo");  // undone: the carrier afloat again, hit
  EXPECT_EQ(message(4).substr(0, std::string(cas.refus).size()), cas.refus);
  EXPECT_EQ(message(5), std::string(40, ' '));  // a refusal goes at the next key
  EXPECT_NE(message(6).find(cas.eau), std::string::npos) << message(6);
}

INSTANTIATE_TEST_SUITE_P(DispositionsEtLangues, AideJeu, testing::ValuesIn(CAS));

// Through the whole program, in both layouts: Escape on a settings prompt, the refused
// placement, the said wait after a game left by the quit question.
TEST(AideJeuProgramme, EchapRefusDuPlacementEtAttenteDite) {
  const std::string bas(touches::BAS), haut(touches::HAUT);
  for (const bool compact : {false, true}) {
    Reglages reglages{.compact = compact};
    reglages.aideJeu = true;
    const auto& ecran = compact ? DISPOSITION_COMPACTE : DISPOSITION_DECRITE;
    TerminalScripte reglage{"x", "\r", bas + "\r", bas + "\r", "2\r", "\x1b", haut + "\r"};
    executerProgramme(reglage, 1, reglages);
    // Back in the settings menu (Up then Enter lists them), the settings unchanged.
    EXPECT_EQ(ligne(reglage.vues()[7], 1), "Nombre d'instances 1");  // unchanged
    TerminalScripte placement{"x\r\rMarin\r\r", "\r", "\r", "M"};
    executerProgramme(placement, 1, reglages);
    const auto& info = ecran.infoPlacement;
    const auto refus = [&](std::size_t pVue) {
      return texte(placement.vues()[pVue], info.x, info.rangeeTouches + 4, 31);
    };
    EXPECT_EQ(refus(3), "Ce bateau en chevauche un autre");
    EXPECT_EQ(refus(4), std::string(31, ' '));  // until the next key
    TerminalScripte quitter{"x\r\rMarin\r" + bas + "\r", "q" + haut + "\r", "x", "x"};
    executerProgramme(quitter, 1, reglages);
    EXPECT_EQ(ligne(quitter.vues()[2], 1), "PARTIE TERMINEE");
    EXPECT_EQ(ligne(quitter.vues()[3], 3), "Appuyez sur une touche pour continuer...");
  }
}
