#include "plateforme/rendu.hpp"

#include <gtest/gtest.h>

#include "modele/coniocouleur.hpp"

using plateforme::Ecran;
using plateforme::Rendu;

namespace {

constexpr std::string_view DEBUT = "\x1b[?2026h";
constexpr std::string_view FIN = "\x1b[?2026l";

std::string synchro(std::string_view corps) {
  return std::string(DEBUT) + std::string(corps) + std::string(FIN);
}

// A renderer that has already sent the given screen.
Rendu renduA(const Ecran& e) {
  Rendu r;
  r.trame(e);
  return r;
}

}  // namespace

TEST(Couleurs, IndexConsoleVersAnsi) {
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(BLACK), 30);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(BLUE), 34);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(GREEN), 32);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(CYAN), 36);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(RED), 31);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(BROWN), 33);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(LIGHTGRAY), 37);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(DARKGRAY), 90);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(LIGHTCYAN), 96);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(YELLOW), 93);
  EXPECT_EQ(plateforme::codeAnsiAvantPlan(WHITE), 97);
  EXPECT_EQ(plateforme::codeAnsiArrierePlan(BLACK), 40);
  EXPECT_EQ(plateforme::codeAnsiArrierePlan(MAGENTA), 45);
  EXPECT_EQ(plateforme::codeAnsiArrierePlan(LIGHTRED), 101);
  EXPECT_EQ(plateforme::codeAnsiArrierePlan(LIGHTBLUE), 104);
}

TEST(Rendu, LaPremiereTramePeintTouteLaGrilleEnUneFois) {
  Ecran e;
  Rendu r;
  const std::string trame = r.trame(e);
  EXPECT_EQ(trame.rfind(DEBUT, 0), 0u);
  EXPECT_EQ(trame.substr(trame.size() - FIN.size()), FIN);
  EXPECT_NE(trame.find("\x1b[1;1H\x1b[37;40m"), std::string::npos);
  EXPECT_NE(trame.find("\x1b[45;1H"), std::string::npos);
  EXPECT_EQ(std::count(trame.begin(), trame.end(), ' '), 110 * 45);
}

TEST(Rendu, UneTrameSansChangementNEnvoieRien) {
  Ecran e;
  Rendu r = renduA(e);
  EXPECT_EQ(r.trame(e), "");
}

TEST(Rendu, UnCaractereChangeEnvoieUnDeplacementEtLeCaractere) {
  Ecran e;
  Rendu r = renduA(e);
  e.placerCurseur(3, 5);
  e.ecrire("x");
  EXPECT_EQ(r.trame(e), synchro("\x1b[5;3Hx"));
}

TEST(Rendu, NeChangeQueLaPartieDeLAttributQuiDiffere) {
  Ecran e;
  Rendu r = renduA(e);
  e.placerCurseur(1, 2);
  e.definirAttribut(LIGHTGRAY | LIGHTRED << 4);
  e.ecrire(" ");
  e.definirAttribut(WHITE | LIGHTRED << 4);
  e.ecrire("X");
  EXPECT_EQ(r.trame(e), synchro("\x1b[2;1H\x1b[101m \x1b[97mX"));
}

TEST(Rendu, AvanceSurLaLigneOuReecritUnPetitEcart) {
  Ecran e;
  Rendu r = renduA(e);
  e.placerCurseur(1, 4);
  e.ecrire("a");
  e.placerCurseur(4, 4);
  e.ecrire("b");
  e.placerCurseur(40, 4);
  e.ecrire("c");
  EXPECT_EQ(r.trame(e), synchro("\x1b[4;1Ha  b\x1b[35Cc"));
}

TEST(Rendu, ApresLaDerniereColonneRepositionneLeCurseur) {
  Ecran e;
  Rendu r = renduA(e);
  e.placerCurseur(110, 3);
  e.ecrire("ab");
  EXPECT_EQ(r.trame(e), synchro("\x1b[3;110Ha\x1b[4;1Hb"));
}

TEST(Rendu, LeCurseurDeSaisieSeMontrePuisSeCache) {
  Ecran e;
  Rendu r = renduA(e);
  e.placerCurseur(7, 9);
  e.montrerCurseur(true);
  EXPECT_EQ(r.trame(e), synchro("\x1b[9;7H\x1b[?25h"));
  e.montrerCurseur(false);
  EXPECT_EQ(r.trame(e), synchro("\x1b[?25l"));
}

TEST(Rendu, InvaliderRepeintTout) {
  Ecran e;
  Rendu r = renduA(e);
  r.invalider();
  EXPECT_GT(r.trame(e).size(), 4950u);
}

TEST(Rendu, LesCaracteresNonAsciiPartentEnUtf8) {
  Ecran e;
  Rendu r = renduA(e);
  e.ecrire("\xc3\xa9");
  EXPECT_EQ(r.trame(e), synchro("\x1b[1;1H\xc3\xa9"));
}

TEST(RenduNaif, RepeintChaqueCelluleAChaqueTrame) {
  Ecran e;
  EXPECT_EQ(plateforme::trameNaive(e), plateforme::trameNaive(e));
  EXPECT_GT(plateforme::trameNaive(e).size(), 4950u);
}
