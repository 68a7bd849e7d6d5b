#include "plateforme/clavier.hpp"

#include <gtest/gtest.h>

#include <vector>

using plateforme::DecodeurTouches;

namespace {

std::vector<int> codes(DecodeurTouches& d) {
  std::vector<int> resultat;
  while (auto c = d.code()) resultat.push_back(*c);
  return resultat;
}

std::vector<int> decoder(std::string_view octets) {
  DecodeurTouches d;
  d.alimenter(octets);
  d.finEntree();
  return codes(d);
}

}  // namespace

struct CasSequence {
  const char* nom;
  std::string octets;
  std::vector<int> attendus;
};

class Sequences : public ::testing::TestWithParam<CasSequence> {};

TEST_P(Sequences, DonnentLesCodesDuJeu) {
  EXPECT_EQ(decoder(GetParam().octets), GetParam().attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Clavier, Sequences,
    ::testing::Values(
        CasSequence{"hautCsi", "\x1b[A", {224, 72}}, CasSequence{"basCsi", "\x1b[B", {224, 80}},
        CasSequence{"droiteCsi", "\x1b[C", {224, 77}},
        CasSequence{"gaucheCsi", "\x1b[D", {224, 75}}, CasSequence{"hautSs3", "\x1bOA", {224, 72}},
        CasSequence{"gaucheSs3", "\x1bOD", {224, 75}},
        CasSequence{"basAvecCtrl", "\x1b[1;5B", {224, 80}},
        CasSequence{"droiteAvecMaj", "\x1b[1;2C", {224, 77}}, CasSequence{"suppr", "\x1b[3~", {0}},
        CasSequence{"debut", "\x1b[H", {0}}, CasSequence{"f1", "\x1bOP", {0}},
        CasSequence{"f5", "\x1b[15~a", {0, 'a'}}, CasSequence{"altX", "\x1bx", {0}},
        CasSequence{"echapSeulEnFin", "\x1b", {27}},
        CasSequence{"deuxEchap", "\x1b\x1b[A", {27, 224, 72}}, CasSequence{"cr", "\r", {13}},
        CasSequence{"lf", "\n", {13}}, CasSequence{"crlfUneFois", "\r\n", {13}},
        CasSequence{"deuxCr", "\r\r", {13, 13}}, CasSequence{"lfcr", "\n\r", {13, 13}},
        CasSequence{"lettres", "zZqQ", {'z', 'Z', 'q', 'Q'}},
        CasSequence{"majusculesFleches", "HPKM", {72, 80, 75, 77}},
        CasSequence{"effacement", "\x7f\x08", {127, 8}},
        CasSequence{"accent",
                    "\xc3\xa9"
                    "a",
                    {0, 'a'}},
        CasSequence{"octetPerdu",
                    "\x80"
                    "a",
                    {0, 'a'}}),
    [](const auto& p) { return std::string(p.param.nom); });

TEST(Clavier, UneSequenceCoupeeEntreDeuxLecturesResteEntiere) {
  DecodeurTouches d;
  d.alimenter("\x1b");
  EXPECT_TRUE(codes(d).empty());
  EXPECT_TRUE(d.sequenceEnCours());
  d.alimenter("[");
  EXPECT_TRUE(codes(d).empty());
  d.alimenter("B");
  EXPECT_EQ(codes(d), (std::vector<int>{224, 80}));
  EXPECT_FALSE(d.sequenceEnCours());
}

TEST(Clavier, EchapSeulApresLeDelaiEst27) {
  DecodeurTouches d;
  d.alimenter("\x1b");
  d.attendre(std::chrono::milliseconds{20});
  EXPECT_TRUE(codes(d).empty());
  d.attendre(std::chrono::milliseconds{30});
  EXPECT_EQ(codes(d), (std::vector<int>{27}));
  d.alimenter("A");
  EXPECT_EQ(codes(d), (std::vector<int>{'A'}));
}

TEST(Clavier, UnLFLongtempsApresUnCREstUneAutreEntree) {
  DecodeurTouches d;
  d.alimenter("\r");
  d.attendre(std::chrono::milliseconds{100});
  d.alimenter("\n");
  EXPECT_EQ(codes(d), (std::vector<int>{13, 13}));
}

TEST(Clavier, UnCaractereMultiOctetCoupeAttendSaSuite) {
  DecodeurTouches d;
  d.alimenter("\xc3");
  EXPECT_TRUE(codes(d).empty());
  d.alimenter(
      "\xa9"
      "b");
  EXPECT_EQ(codes(d), (std::vector<int>{0, 'b'}));
}

// --- The mouse, when it is on ---

struct CasSouris {
  const char* nom;
  std::vector<std::string> morceaux;  // each fed in one go
  std::vector<int> codes;
  std::vector<plateforme::Clic> clics;  // of the keys that carry one, in order
};

class Souris : public ::testing::TestWithParam<CasSouris> {};

TEST_P(Souris, SeulsLesAppuisGaucheEtDroitDonnentUneTouche) {
  DecodeurTouches d;
  d.activerSouris(true);
  for (const auto& m : GetParam().morceaux) d.alimenter(m);
  d.finEntree();
  std::vector<int> lus;
  std::vector<plateforme::Clic> clics;
  while (auto t = d.touche()) {
    lus.push_back(t->code);
    if (t->clic) clics.push_back(*t->clic);
  }
  EXPECT_EQ(lus, GetParam().codes);
  EXPECT_EQ(clics, GetParam().clics);
}

using C = plateforme::Clic;
INSTANTIATE_TEST_SUITE_P(
    Clavier, Souris,
    ::testing::Values(
        CasSouris{"appuiGauche", {"\x1b[<0;12;7M"}, {0}, {C{C::gauche, 12, 7}}},
        CasSouris{"appuiDroit", {"\x1b[<2;110;45M"}, {0}, {C{C::droit, 110, 45}}},
        CasSouris{"relache", {"\x1b[<0;12;7m"}, {}, {}},
        CasSouris{"milieu", {"\x1b[<1;3;3M"}, {}, {}},
        CasSouris{"molette", {"\x1b[<64;3;3M\x1b[<65;3;3M"}, {}, {}},
        CasSouris{"mouvement", {"\x1b[<32;3;3M\x1b[<35;4;4M"}, {}, {}},
        CasSouris{"horsDeLEcran", {"\x1b[<0;300;200M"}, {0}, {C{C::gauche, 300, 200}}},
        CasSouris{"coupeEnDeux", {"\x1b[<0;1", "2;7Ma"}, {0, 'a'}, {C{C::gauche, 12, 7}}},
        CasSouris{"deuxNombres", {"\x1b[<0;12M"}, {}, {}},
        CasSouris{"quatreNombres", {"\x1b[<0;1;1;1M"}, {0}, {}},
        CasSouris{"flecheToujours", {"\x1b[A"}, {224, 72}, {}}),
    [](const auto& p) { return std::string(p.param.nom); });

TEST(Souris, EteinteUnRapportEstUneToucheInconnue) {
  EXPECT_EQ(decoder("\x1b[<0;12;7M\x1b[<0;12;7m"), (std::vector<int>{0, 0}));
}

TEST(Souris, UnRapportCoupeParUnLienLentAttendSaFinEtViderGardeLaSouris) {
  DecodeurTouches d;
  d.activerSouris(true);
  d.alimenter("\x1b[<0;1");
  d.attendre(std::chrono::milliseconds{200});
  EXPECT_EQ(d.code(), std::nullopt);
  d.alimenter("2;7M");
  auto t = d.touche();
  ASSERT_TRUE(t && t->clic);
  EXPECT_EQ(*t->clic, (plateforme::Clic{plateforme::Clic::gauche, 12, 7}));
  EXPECT_EQ(d.code(), std::nullopt);
  // Keys dropped at the size notice leave the mouse on.
  d.alimenter("\x1b[<0;1");
  d.vider();
  EXPECT_FALSE(d.sequenceEnCours());
  d.alimenter("\x1b[<2;3;4M");
  t = d.touche();
  ASSERT_TRUE(t && t->clic);
  EXPECT_EQ(t->clic->bouton, plateforme::Clic::droit);
}
