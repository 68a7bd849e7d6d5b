// The one selection rule behind every menu, the placement choice and the quit question, with the
// bounds and first line each of those screens uses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modele/util.hpp"
#include "support/terminalScripte.hpp"

namespace {

struct CasSelection {
  const char* nom;
  int premiere;
  int derniere;
  int depart;
  std::string touches;       // ends with Enter
  std::vector<int> marques;  // the line marked at each drawing
};

class Selection : public ::testing::TestWithParam<CasSelection> {};

const std::string H(touches::HAUT);
const std::string B(touches::BAS);

}  // namespace

TEST_P(Selection, LesFlechesBougentSansBouclerEtEntreeChoisit) {
  const CasSelection& cas = GetParam();
  TerminalScripte t{cas.touches};
  std::vector<int> marques;
  int choix = -1;
  executer(t, [&] {
    choix = choisirLigne(cas.premiere, cas.derniere, cas.depart,
                         [&](int pLigne) { marques.push_back(pLigne); });
  });
  EXPECT_EQ(marques, cas.marques);
  EXPECT_EQ(choix, cas.marques.back());
}

INSTANTIATE_TEST_SUITE_P(
    Ecrans, Selection,
    ::testing::Values(
        // Main menu: five lines from "Nouvelle partie". H and P are the arrows' own codes.
        CasSelection{"MenuPrincipal", 1, 5, 1, "HPPPPPHP\r", {1, 1, 2, 3, 4, 5, 5, 4, 5}},
        // New-game and settings menus: three lines; other keys only redraw.
        CasSelection{"MenuNouvellePartie", 1, 3, 1, "xrP\r", {1, 1, 1, 2}},
        CasSelection{"MenuParametres", 1, 3, 2, "PPH\r", {2, 3, 3, 2}},
        // Placement choice, "Oui" (0) marked first. An arrow key's prefix code is a key of its
        // own: it redraws before the arrow moves the mark.
        CasSelection{"ChoixDuPlacement", 0, 1, 0, H + B + B + "\r", {0, 0, 0, 0, 1, 1, 1}},
        // Quit question: "Oui" is line 0, "Non" (1) marked first.
        CasSelection{"QuestionQuitter", 0, 1, 1, "HH\r", {1, 0, 0}}),
    [](const auto& p) { return std::string(p.param.nom); });
