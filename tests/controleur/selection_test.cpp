// The one selection rule behind every menu, the placement choice and the quit question, with the
// bounds and first line each of those screens uses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controleur/selection.hpp"
#include "support/terminalScripte.hpp"
#include "vue/disposition.hpp"

namespace {

struct CasSelection {
  const char* nom;
  int premiere;
  int derniere;
  int rangee;  // screen row of the first line
  int depart;
  std::string touches;       // ends with Enter
  std::vector<int> marques;  // the line marked at each drawing
  int choix;
};

class Selection : public ::testing::TestWithParam<CasSelection> {};

const std::string H(touches::HAUT);
const std::string B(touches::BAS);
const int MENU = DISPOSITION_DECRITE.menu.premiereRangee;
const int PLACEMENT = DISPOSITION_DECRITE.choixPlacement.premiereRangee;
const int QUITTER = DISPOSITION_DECRITE.question.y + 1;

}  // namespace

TEST_P(Selection, LesFlechesBougentSansBouclerEtEntreeChoisit) {
  const CasSelection& cas = GetParam();
  TerminalScripte t{cas.touches};
  t.activerSouris();
  std::vector<int> marques;
  int choix = -1;
  executer(t, [&] {
    choix = choisirLigne(cas.premiere, cas.derniere, cas.rangee, cas.depart,
                         [&](int pLigne) { marques.push_back(pLigne); });
  });
  EXPECT_EQ(marques, cas.marques);
  EXPECT_EQ(choix, cas.choix);
}

// A left click on a line chooses it; a click on another row, a right click, a release or the
// wheel does not.
INSTANTIATE_TEST_SUITE_P(
    Ecrans, Selection,
    ::testing::Values(
        // Main menu: five lines from "Nouvelle partie". H and P are the arrows' own codes.
        CasSelection{"MenuPrincipal", 1, 5, MENU, 1, "HPPPPPHP\r", {1, 1, 2, 3, 4, 5, 5, 4, 5}, 5},
        CasSelection{"MenuPrincipalClic",
                     1,
                     5,
                     MENU,
                     1,
                     "\x1b[<0;3;3M\x1b[<2;3;5M\x1b[<0;3;5m\x1b[<64;3;5M\x1b[<0;40;8M",
                     {1, 1, 1},
                     5},
        // New-game and settings menus: three lines; other keys only redraw.
        CasSelection{"MenuNouvellePartie", 1, 3, MENU, 1, "xrP\r", {1, 1, 1, 2}, 2},
        CasSelection{"MenuParametres", 1, 3, MENU, 2, "PPH\r", {2, 3, 3, 2}, 2},
        CasSelection{"MenuParametresClic", 1, 3, MENU, 2, "\x1b[<0;1;4M", {2}, 1},
        // Placement choice, "Oui" (0) marked first. An arrow key's prefix code is a key of its
        // own: it redraws before the arrow moves the mark.
        CasSelection{
            "ChoixDuPlacement", 0, 1, PLACEMENT, 0, H + B + B + "\r", {0, 0, 0, 0, 1, 1, 1}, 1},
        CasSelection{"ChoixDuPlacementClic", 0, 1, PLACEMENT, 0, "\x1b[<0;10;4M", {0}, 1},
        // Quit question: "Oui" is line 0, "Non" (1) marked first.
        CasSelection{"QuestionQuitter", 0, 1, QUITTER, 1, "HH\r", {1, 0, 0}, 0},
        CasSelection{"QuestionQuitterClic", 0, 1, QUITTER, 1, "\x1b[<0;2;34M", {1}, 1}),
    [](const auto& p) { return std::string(p.param.nom); });
