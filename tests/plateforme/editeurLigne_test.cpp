#include "plateforme/editeurLigne.hpp"

#include <gtest/gtest.h>

#include "modele/coniocouleur.hpp"
#include "support/terminalScripte.hpp"

namespace {

// The line the editor gives for the keys of the script.
std::string ligneTapee(TerminalScripte& pTerminal) {
  std::string lu;
  executer(pTerminal,
           [&] { lu = plateforme::lireLigne(plateforme::ecranCourant(), lireToucheEtCaractere); });
  return lu;
}

}  // namespace

TEST(EditeurLigne, EchoDansLAttributCourantPuisLigneSuivante) {
  TerminalScripte t{"abc", touches::ENTREE};
  std::string lu;
  executer(t, [&] {
    gotoxy(10, 5);
    textcolor(YELLOW);
    lu = plateforme::lireLigne(plateforme::ecranCourant(), lireToucheEtCaractere);
  });
  EXPECT_EQ(lu, "abc");
  EXPECT_EQ(texte(10, 5, 3), "abc");
  EXPECT_EQ(attribut(11, 5), YELLOW);
  EXPECT_EQ(plateforme::ecranCourant().curseurX(), 1);
  EXPECT_EQ(plateforme::ecranCourant().curseurY(), 6);
  EXPECT_FALSE(plateforme::ecranCourant().curseurVisible());
  // While typing, the text cursor shows where the next character goes.
  ASSERT_GE(t.vues().size(), 2u);
  EXPECT_TRUE(t.vues()[1].curseurVisible());
  EXPECT_EQ(t.vues()[1].curseurX(), 13);
}

TEST(EditeurLigne, EffacementRetireLeDernierCaractereEtSonEcho) {
  TerminalScripte t{
      "abc\x7f\x7f"
      "d\x08\x08\x08\x08x",
      touches::ENTREE};
  const std::string lu = ligneTapee(t);
  EXPECT_EQ(lu, "x");
  EXPECT_EQ(ligne(1), "x");
}

TEST(EditeurLigne, GardeLesLettresAccenteesEtIgnoreLesFlechesEtLeNonImprimable) {
  // A wide character (U+4E2D) and a stray continuation byte would shift or break the row.
  TerminalScripte t{"a", touches::GAUCHE,
                    "\t\x01\xc3\xa9\xe4\xb8\xad\x80"
                    "b",
                    touches::ENTREE};
  const std::string lu = ligneTapee(t);
  EXPECT_EQ(lu,
            "a\xc3\xa9"
            "b");
  EXPECT_EQ(ligne(1),
            "a\xc3\xa9"
            "b");
}

TEST(EditeurLigne, EffacementRetireUnCaractereAccentueEntier) {
  TerminalScripte t{
      "H\xc3\xa9\x7f"
      "e",
      touches::ENTREE};
  const std::string lu = ligneTapee(t);
  EXPECT_EQ(lu, "He");
  EXPECT_EQ(ligne(1), "He");
}

TEST(EditeurLigne, GardeAuPlus256Caracteres) {
  TerminalScripte t{std::string(300, 'x'), touches::ENTREE};
  const std::string lu = ligneTapee(t);
  EXPECT_EQ(lu.size(), 256u);
}

TEST(SaisieMot, SauteLesLignesVidesEtGardeLePremierMotCoupeA14) {
  TerminalScripte t{"\r", "   \r", "  Capitaine Haddock\r"};
  std::string mot;
  executer(t, [&] { mot = saisirMot(); });
  EXPECT_EQ(mot, "Capitaine");
  TerminalScripte long_{"abcdefghijklmnopqrstuvwxyz\r"};
  executer(long_, [&] { mot = saisirMot(); });
  EXPECT_EQ(mot, "abcdefghijklmn");
  // Byte 14 is the first half of the last "\xc3\xa9": the whole character stays out.
  TerminalScripte accent{"abcdefghijklm\xc3\xa9z\r"};
  executer(accent, [&] { mot = saisirMot(); });
  EXPECT_EQ(mot, "abcdefghijklm");
}

struct CasNombre {
  const char* nom;
  std::string ligne;
  std::optional<int> attendu;
};

class SaisieNombre : public ::testing::TestWithParam<CasNombre> {};

TEST_P(SaisieNombre, LitLEntierEnTeteOuRien) {
  TerminalScripte t{"\r", GetParam().ligne + "\r"};
  std::optional<int> lu{-12345};
  executer(t, [&] { lu = saisirNombre(); });
  EXPECT_EQ(lu, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Ligne, SaisieNombre,
    ::testing::Values(CasNombre{"simple", "3", 3}, CasNombre{"blancsDevant", "   12", 12},
                      CasNombre{"negatif", "-4", -4}, CasNombre{"plus", "+7", 7},
                      CasNombre{"resteIgnore", "2 ships", 2}, CasNombre{"suffixe", "15abc", 15},
                      CasNombre{"lettres", "abc", std::nullopt},
                      CasNombre{"signeSeul", "-", std::nullopt},
                      CasNombre{"deuxSignes", "+-3", std::nullopt},
                      CasNombre{"tropGrand", "99999999999", std::nullopt},
                      CasNombre{"tropPetit", "-99999999999", std::nullopt},
                      CasNombre{"maxInt", "2147483647", 2147483647}),
    [](const auto& p) { return std::string(p.param.nom); });

TEST(SaisieNombre, LaFinDeLEntreeArreteLaQuestion) {
  TerminalScripte t{"12"};
  EXPECT_EQ(executer(t, [] { saisirNombre(); }), 4);
  EXPECT_FALSE(plateforme::ecranCourant().curseurVisible());
}
