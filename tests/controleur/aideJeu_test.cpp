// --aide-jeu read from the screens in both layouts.

#include <gtest/gtest.h>

#include "controleur/partieDeTest.hpp"
#include "support/terminalScripte.hpp"

using namespace partie;

// A game resumed on the human's turn: the computer's tug sunk and carrier hit, the human's tug
// hit. B2 hits, C2 sinks, an undo, B2 again is refused, a key, J3 misses.
TEST(AideJeu, EtatDesFlottesResultatsEtRefus) {
  for (const bool compact : {false, true}) {
    Tparam p = nouvellePartie();
    p.aCommence = 1;
    for (const int c : {24, 25, 21}) tirerDeja(*p.joueur1, *p.joueur2, c);
    for (const int c : {101, 11, 12}) tirerDeja(*p.joueur2, *p.joueur1, c);
    const Reglages reglages{.compact = compact, .aideJeu = true};
    TerminalScripte t{viserEtTirer(22), viserEtTirer(23), "z", viserEtTirer(22), "M", "PPPPPPPP\r"};
    executer(t, [&] { jouer(p, 1, reglages); });
    const auto& v = t.vues();
    ASSERT_EQ(v.size(), 7u);
    // A fleet's four glyphs: two entries to a row under the panels, or one beside the board.
    const auto glyphes = [&](std::size_t pVue, int pX) {
      std::string g;
      for (int i = 0; i < 4; ++i) {
        g += compact ? texte(v[pVue], pX + 3, 3 + i, 1)
                     : texte(v[pVue], pX + i % 2 * 20, 37 + i / 2, 1);
      }
      return g;
    };
    const int xOrdi = compact ? 76 : 60;
    EXPECT_EQ(glyphes(0, xOrdi) + glyphes(0, compact ? 36 : 10), "#XooXooo");
    EXPECT_EQ(texte(v[0], xOrdi, compact ? 3 : 37, 14),
              compact ? "R2 #          " : "# remorqueur 2");
    EXPECT_EQ(glyphes(2, xOrdi) + glyphes(3, xOrdi), "##oo#Xoo");  // sunk, then undone
    const auto message = [&](std::size_t pVue) { return texte(v[pVue], 1, compact ? 24 : 44, 30); };
    EXPECT_EQ(message(1), "Vous: B2: touche   Ordinateur:");
    EXPECT_EQ(message(2).substr(0, 28), "Vous: C2: coule (porteAvion)");
    EXPECT_EQ(message(4) + message(5), "Case deja visee" + std::string(45, ' '));  // till a key
    EXPECT_EQ(message(6).substr(0, 17), "Vous: J3: a l'eau");
  }
}

// Escape on a settings prompt, the refused placement, the said wait after a game left.
TEST(AideJeuProgramme, EchapRefusDuPlacementEtAttenteDite) {
  const std::string bas(touches::BAS), haut(touches::HAUT);
  for (const bool compact : {false, true}) {
    const Reglages reglages{.compact = compact, .aideJeu = true};
    TerminalScripte reglage{"x", "\r", bas + "\r", bas + "\r", "2\r", "\x1b", haut + "\r"};
    executerProgramme(reglage, 1, reglages);
    // Back in the settings menu (Up then Enter lists them), the settings unchanged.
    EXPECT_EQ(ligne(reglage.vues()[7], 1), "Nombre d'instances 1");
    TerminalScripte placement{"x\r\rMarin\r\r", "\r", "\r", "M"};
    executerProgramme(placement, 1, reglages);
    const auto& info = (compact ? DISPOSITION_COMPACTE : DISPOSITION_DECRITE).infoPlacement;
    EXPECT_EQ(texte(placement.vues()[3], info.x, info.rangeeTouches + 4, 31) +
                  texte(placement.vues()[4], info.x, info.rangeeTouches + 4, 31),
              "Ce bateau en chevauche un autre" + std::string(31, ' '));  // till a key
    TerminalScripte quitter{"x\r\rMarin\r" + bas + "\r", "q" + haut + "\r", "x", "x"};
    executerProgramme(quitter, 1, reglages);
    EXPECT_EQ(ligne(quitter.vues()[3], 3), "Appuyez sur une touche pour continuer...");
  }
}
