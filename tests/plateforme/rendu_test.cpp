#include "plateforme/rendu.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <vector>

#include "menuPrincipal.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/random.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/emulateurTerminal.hpp"
#include "support/environnement.hpp"
#include "support/joueurAutomatique.hpp"
#include "support/terminalScripte.hpp"

using plateforme::CapacitesTerminal;
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
  // The blank shows no foreground: it takes the X's, which then needs no change.
  EXPECT_EQ(r.trame(e), synchro("\x1b[2;1H\x1b[97;101m X"));
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

// --- What the terminal can do, from its terminfo entry ---

namespace {

constexpr const char* TMUX = "/tmp/tmux-0/default,1234,0";

}  // namespace

// Entries from Debian's ncurses-base. A name with no entry, or no TERM, is answered without a
// word or an exit. Inside tmux its entries are not believed; inside GNU screen they are, and a
// terminal started from a tmux pane is believed by its own.
TEST(CapacitesTerminal, LuesDeLEntreeDeTermOuDeTmux) {
  struct Cas {
    const char* term;  // null: unset
    const char* tmux;
    const char* sty;
    bool bce;
    bool rep;
  };
  for (const Cas& cas :
       {Cas{"xterm-256color", nullptr, nullptr, true, true},
        Cas{"linux", nullptr, nullptr, true, false},
        Cas{"tmux-256color", nullptr, nullptr, false, false},
        Cas{"pas-un-terminal", nullptr, nullptr, false, false},
        Cas{nullptr, nullptr, nullptr, false, false},
        Cas{"tmux-256color", TMUX, nullptr, true, true}, Cas{"screen", TMUX, nullptr, true, true},
        Cas{"tmux-256color", "", nullptr, false, false},
        Cas{"screen-256color", TMUX, "1.pts-0", false, false},
        Cas{"linux", TMUX, nullptr, true, false}}) {
    const Environnement term("TERM", cas.term);
    const Environnement tmux("TMUX", cas.tmux);
    const Environnement sty("STY", cas.sty);
    const CapacitesTerminal lues = plateforme::capacitesTerminal();
    const std::string nom =
        std::string(cas.term ? cas.term : "unset") + (cas.tmux ? " in tmux" : "");
    EXPECT_EQ(lues.effaceEnCouleur, cas.bce) << nom;
    EXPECT_EQ(lues.repete, cas.rep) << nom;
  }
}

// --- Erasing on a terminal that erases in the background colour ---

namespace {

struct CasEffacement {
  const char* nom;
  std::function<void(Ecran&)> avant;  // the screen the terminal already shows
  std::function<void(Ecran&)> apres;  // the change
  std::string sansBce;                // frame body written with blanks
  std::string avecBce;                // frame body with erasing
};

void texteA(Ecran& e, int x, int y, std::string_view t, int pAttribut = LIGHTGRAY) {
  e.definirAttribut(pAttribut);
  e.placerCurseur(x, y);
  e.ecrire(t);
  e.definirAttribut(LIGHTGRAY);
}

std::string blancs(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

// A full row that stays, so that erasing the whole screen does not pay for a small change.
constexpr int LIGNE_FIXE = 40;
void decor(Ecran& e) {
  texteA(e, 1, LIGNE_FIXE, std::string(110, 'o'));
}

const CasEffacement CAS_EFFACEMENT[] = {
    {"LigneVidee", [](Ecran& e) { texteA(e, 1, 5, std::string(110, 'x')); },
     [](Ecran& e) { texteA(e, 1, 5, blancs(110)); }, "\x1b[5;1H" + blancs(110), "\x1b[5;1H\x1b[K"},
    // The cursor stays at the start of the erased run: the cell after it needs a move.
    {"SuiteAuMilieuDUneLigne", [](Ecran& e) { texteA(e, 1, 5, std::string(40, 'x')); },
     [](Ecran& e) { texteA(e, 11, 5, blancs(20) + "Z"); }, "\x1b[5;11H" + blancs(20) + "Z",
     "\x1b[5;11H\x1b[20X\x1b[20CZ"},
    {"SuiteEnFinDeLigne", [](Ecran& e) { texteA(e, 91, 5, std::string(20, 'x')); },
     [](Ecran& e) { texteA(e, 91, 5, blancs(20)); }, "\x1b[5;91H" + blancs(20), "\x1b[5;91H\x1b[K"},
    // The colour is set before the erase, which fills with it.
    {"SuiteDUneAutreCouleur", [](Ecran&) {},
     [](Ecran& e) { texteA(e, 11, 5, blancs(20), LIGHTGRAY | BLUE << 4); },
     "\x1b[5;11H\x1b[44m" + blancs(20), "\x1b[5;11H\x1b[44m\x1b[20X"},
    // Too short to gain: written as before.
    {"CourteSuite", [](Ecran& e) { texteA(e, 1, 5, "xyz"); },
     [](Ecran& e) { texteA(e, 1, 5, blancs(3)); }, "\x1b[5;1H" + blancs(3),
     "\x1b[5;1H" + blancs(3)},
    {"EcranEntierVide",
     [](Ecran& e) {
       for (int y = 1; y <= 45; ++y) texteA(e, 1, y, "ligne");
     },
     [](Ecran& e) { e.effacer(); },
     [] {
       std::string s;
       for (int y = 1; y <= 45; ++y) {
         s += "\x1b[" + std::to_string(y) + ";1H" + blancs(y == LIGNE_FIXE ? 110 : 5);
       }
       return s;
     }(),
     "\x1b[2J"},
    {"RienNeChange", [](Ecran& e) { texteA(e, 1, 5, "x"); }, [](Ecran&) {}, "", ""},
};

}  // namespace

TEST(RenduEffacement, OctetsExactsAvecEtSansBce) {
  for (const CasEffacement& cas : CAS_EFFACEMENT) {
    for (bool bce : {false, true}) {
      Ecran e;
      decor(e);
      cas.avant(e);
      Rendu r(CapacitesTerminal{.effaceEnCouleur = bce});
      r.trame(e);
      cas.apres(e);
      const std::string& corps = bce ? cas.avecBce : cas.sansBce;
      EXPECT_EQ(r.trame(e), corps.empty() ? "" : synchro(corps)) << cas.nom << " bce " << bce;
    }
  }
}

TEST(RenduEffacement, PremiereTrameDUnEcranVideEffaceToutEnUneFois) {
  Ecran e;
  Rendu r(CapacitesTerminal{.effaceEnCouleur = true});
  EXPECT_EQ(r.trame(e), synchro("\x1b[37;40m\x1b[2J\x1b[?25l"));
}

// A run of one character is repeated when that is shorter, over unchanged cells of the same
// character up to the last changed one; the cursor then stands after the run.
TEST(RenduRepetition, SuiteDUnMemeCaractere) {
  Ecran e;
  texteA(e, 8, 5, "-");
  Rendu r(CapacitesTerminal{.repete = true});
  r.trame(e);
  texteA(e, 1, 5, std::string(20, '-') + "----x");
  texteA(e, 1, 6, "aaaab");
  EXPECT_EQ(r.trame(e), synchro("\x1b[5;1H-\x1b[23bx\x1b[6;1Haaaab"));
}

// A whole game, placed by hand, played to its end and back to the menu, with a repaint now and
// then as after a resize: the terminal shows each screen exactly, erasing or not.
namespace {

// Every screen a player saw in one whole game: placement by hand, then played to its end.
std::vector<plateforme::Ecran> vuesDUnePartieEntiere() {
  DossierTemporaire dossier;
  dossier.preparerDonneesDuJeu();
  TerminalScripte t{"x", "\r", "\r", "Marin\r", "\r", "\r"};
  for (int i = 1; i <= 3; ++i) {
    for (int d = 0; d < i; ++d) t.taper(touches::DROITE);
    t.taper("R");
    t.taper("R");
    t.taper(touches::ENTREE);
  }
  t.repondre(JoueurAutomatique({"x", std::string(touches::BAS), "\r"}));
  executerProgramme(t, 3);
  return t.vues();
}

}  // namespace

TEST(RenduEffacement, UnePartieEntiereRejoueeDonneLesMemesCellules) {
  const auto vues = vuesDUnePartieEntiere();
  ASSERT_GT(vues.size(), 100u);

  // The fifth: what tmux-256color inside tmux is taken to do, on a terminal that does it.
  const CapacitesTerminal dansTmux = [] {
    const Environnement term("TERM", "tmux-256color");
    const Environnement tmux("TMUX", TMUX);
    const Environnement sty("STY", nullptr);
    return plateforme::capacitesTerminal();
  }();
  for (CapacitesTerminal capacites :
       {CapacitesTerminal{}, CapacitesTerminal{true, false}, CapacitesTerminal{true, true},
        CapacitesTerminal{false, true}, dansTmux}) {
    Rendu r(capacites);
    EmulateurTerminal terminal(capacites.effaceEnCouleur);
    for (std::size_t i = 0; i < vues.size(); ++i) {
      if (i % 17 == 0) r.invalider();
      terminal.recevoir(r.trame(vues[i]));
      ASSERT_EQ(terminal.difference(vues[i]), "")
          << "frame " << i << " bce " << capacites.effaceEnCouleur << " rep " << capacites.repete;
    }
  }
}

// Without colour, a whole game selects no colour at all: every SGR sequence is a reset, bold or
// reverse video.
TEST(RenduSansCouleur, UnePartieEntiereNeChoisitAucuneCouleur) {
  const auto vues = vuesDUnePartieEntiere();
  Rendu r(CapacitesTerminal{true, true}, true);
  std::string octets;
  for (const auto& vue : vues) octets += r.trame(vue);
  const std::regex sgr("\x1b\\[([0-9;]*)m");
  int nombre = 0;
  for (auto it = std::sregex_iterator(octets.begin(), octets.end(), sgr);
       it != std::sregex_iterator(); ++it, ++nombre) {
    EXPECT_TRUE(std::regex_match((*it)[1].str(), std::regex("0(;1)?(;7)?"))) << (*it)[1].str();
  }
  EXPECT_GT(nombre, 10);
  // A ship of the placement screen on its colour shows in reverse video, a bright text in bold.
  Rendu seul(CapacitesTerminal{}, true);
  plateforme::Ecran e;
  e.definirAttribut(BLACK | LIGHTRED << 4);
  e.ecrire(" ");
  e.definirAttribut(LIGHTCYAN);
  e.ecrire("a");
  e.definirAttribut(LIGHTGRAY);
  e.ecrire("b");
  const std::string trame = seul.trame(e);
  EXPECT_NE(trame.find("\x1b[0;7m \x1b[0;1ma\x1b[0mb"), std::string::npos);
}
