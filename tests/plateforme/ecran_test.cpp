#include "plateforme/ecran.hpp"

#include <gtest/gtest.h>

#include "modele/coniocouleur.hpp"
#include "support/terminalScripte.hpp"

using plateforme::Ecran;

TEST(Ecran, DemarreVideEnGrisClairSurNoir) {
  Ecran e;
  EXPECT_EQ(ligne(e, 1), "");
  EXPECT_EQ(attribut(e, 1, 1), LIGHTGRAY);
  EXPECT_EQ(attribut(e, 110, 45), LIGHTGRAY);
  EXPECT_EQ(e.attribut(), LIGHTGRAY);
}

TEST(Ecran, EcritAuCurseurDansLAttributCourant) {
  Ecran e;
  e.placerCurseur(110, 45);
  e.definirAttribut(WHITE | LIGHTRED << 4);
  e.placerCurseur(1, 1);
  e.ecrire("A");
  EXPECT_EQ(texte(e, 1, 1, 1), "A");
  EXPECT_EQ(attribut(e, 1, 1), WHITE | LIGHTRED << 4);
  EXPECT_EQ(e.curseurX(), 2);
  EXPECT_EQ(attribut(e, 2, 1), LIGHTGRAY);
}

TEST(Ecran, LaDerniereColonneRenvoieALaLigneSuivante) {
  Ecran e;
  e.placerCurseur(109, 3);
  e.ecrire("abc");
  EXPECT_EQ(texte(e, 109, 3, 2), "ab");
  EXPECT_EQ(texte(e, 1, 4, 1), "c");
  EXPECT_EQ(e.curseurX(), 2);
  EXPECT_EQ(e.curseurY(), 4);
}

TEST(Ecran, LaCelluleEnBasADroiteSEcritSansDefiler) {
  Ecran e;
  e.ecrire("haut");
  e.placerCurseur(110, 45);
  e.ecrire("z");
  EXPECT_EQ(texte(e, 110, 45, 1), "z");
  EXPECT_EQ(ligne(e, 1), "haut");
  e.ecrire("!");  // only the next character wraps, and scrolls
  EXPECT_EQ(ligne(e, 1), "");
  EXPECT_EQ(texte(e, 110, 44, 1), "z");
  EXPECT_EQ(ligne(e, 45), "!");
}

TEST(Ecran, SautDeLigneRetourChariotEtTabulation) {
  Ecran e;
  e.placerCurseur(5, 2);
  e.ecrire("x\ny");
  EXPECT_EQ(texte(e, 1, 3, 1), "y");
  e.ecrire("\rz");
  EXPECT_EQ(texte(e, 1, 3, 1), "z");
  e.ecrire("\t|");
  EXPECT_EQ(texte(e, 9, 3, 1), "|");
  e.placerCurseur(9, 5);
  e.ecrire("\t|");  // on a tab stop already: a whole tab of blanks
  EXPECT_EQ(texte(e, 17, 5, 1), "|");
  e.placerCurseur(106, 6);
  e.ecrire("\t|");  // the last stop is the first column of the next row
  EXPECT_EQ(texte(e, 106, 6, 5), "     ");
  EXPECT_EQ(texte(e, 1, 7, 1), "|");
}

TEST(Ecran, DescendreSousLaDerniereLigneFaitDefilerEnAttributCourant) {
  Ecran e;
  e.placerCurseur(1, 1);
  e.ecrire("haut");
  e.placerCurseur(1, 45);
  e.ecrire("bas");
  e.definirAttribut(YELLOW | BLUE << 4);
  e.ecrire("\n");
  EXPECT_EQ(ligne(e, 1), "");
  EXPECT_EQ(ligne(e, 44), "bas");
  EXPECT_EQ(ligne(e, 45), "");
  EXPECT_EQ(attribut(e, 50, 45), YELLOW | BLUE << 4);
  EXPECT_EQ(e.curseurY(), 45);
}

TEST(Ecran, EffacerGardeLesAttributsEtRameneLeCurseur) {
  Ecran e;
  e.definirAttribut(BLACK | LIGHTRED << 4);
  e.placerCurseur(12, 6);
  e.ecrire("   ");
  e.definirAttribut(LIGHTCYAN);
  e.effacer();
  EXPECT_EQ(attribut(e, 12, 6), BLACK | LIGHTRED << 4);
  EXPECT_EQ(texte(e, 12, 6, 3), "   ");
  EXPECT_EQ(e.curseurX(), 1);
  EXPECT_EQ(e.curseurY(), 1);
  EXPECT_EQ(e.attribut(), LIGHTCYAN);
}

struct CasOctets {
  const char* nom;
  std::string octets;
  std::string attendu;
};

class EcranOctets : public ::testing::TestWithParam<CasOctets> {};

TEST_P(EcranOctets, NAtteintJamaisLeTerminalCommeCommande) {
  Ecran e;
  e.ecrire(GetParam().octets);
  EXPECT_EQ(ligne(e, 1), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Texte, EcranOctets,
                         ::testing::Values(CasOctets{"echappement", "a\x1b[2Jb", "a?[2Jb"},
                                           CasOctets{"cloche",
                                                     "a\x07"
                                                     "b",
                                                     "a?b"},
                                           CasOctets{"effacement",
                                                     "a\x7f"
                                                     "b",
                                                     "a?b"},
                                           CasOctets{"utf8", "caf\xc3\xa9", "caf\xc3\xa9"},
                                           CasOctets{"octetInvalide",
                                                     "a\xff"
                                                     "b",
                                                     "a?b"},
                                           CasOctets{"sequenceCoupee",
                                                     "a\xc3"
                                                     "b",
                                                     "a?b"},
                                           CasOctets{"finCoupee", "a\xe2\x94", "a?"},
                                           CasOctets{"tropLong", "\xc0\xaf", "??"},
                                           CasOctets{"controleC1",
                                                     "\xc2\x9b"
                                                     "2J",
                                                     "?2J"},
                                           CasOctets{"caractereLarge", "\xe6\x97\xa5", "?"},
                                           CasOctets{"cadre", "\xe2\x94\x80", "\xe2\x94\x80"}),
                         [](const auto& p) { return std::string(p.param.nom); });

TEST(Ecran, UnTexteEnCRLFSAfficheCommeEnLF) {
  Ecran lf;
  Ecran crlf;
  lf.ecrire("un\ndeux\n");
  crlf.ecrire("un\r\ndeux\r\n");
  for (int y = 1; y <= 3; ++y) EXPECT_EQ(ligne(lf, y), ligne(crlf, y));
  EXPECT_EQ(lf.curseurY(), crlf.curseurY());
}
