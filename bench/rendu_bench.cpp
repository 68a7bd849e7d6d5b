// Bytes sent to the terminal on the path a player takes (parcoursJoueur.hpp), run in-process
// with the data files: each step's frame, and the full frames (first main menu, placement board,
// game, repaint after a resize). Each as sent to a terminal with neither capacity, with erasing in
// the background colour only (bce), and with erasing and repeats (xterm-256color), beside a naive
// repaint and beside ncurses 6.4 (xterm-256color) for the same screens. Then the renderer's time
// on each path, and its bytes beside ncurses' on eight terminal types, each as its terminfo
// entry describes it.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "comparaisonNcurses.hpp"
#include "menuPrincipal.hpp"
#include "mesures.hpp"
#include "modele/random.hpp"
#include "parcoursJoueur.hpp"
#include "plateforme/rendu.hpp"
#include "plateforme/terminfo.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/environnement.hpp"

namespace {

using plateforme::CapacitesTerminal;
constexpr CapacitesTerminal XTERM{.effaceEnCouleur = true, .repete = true};

// The screen after each step of the path, once for each layout.
std::vector<plateforme::Ecran> parcourir(bool pCompact) {
  {
    DossierTemporaire dossier;
    for (const char* nom : {"regles.txt", "startScreen.txt"}) {
      std::filesystem::copy_file(std::filesystem::path(KORVANE_DONNEES) / nom,
                                 dossier.chemin() / nom);
    }
    dossier.ecrireFichier("meilleurs.dat", "");
    TerminalScripte t;
    for (const Etape& etape : parcoursJoueur()) {
      if (!etape.touches.empty()) t.taper(etape.touches);
    }
    Reglages reglages;
    reglages.compact = pCompact;
    executerProgramme(t, 1, reglages);
    return t.vues();
  }
}
const std::vector<plateforme::Ecran>& vuesDuParcours(bool pCompact = false) {
  static const std::vector<plateforme::Ecran> decrites = parcourir(false);
  static const std::vector<plateforme::Ecran> compactes = parcourir(true);
  return pCompact ? compactes : decrites;
}

// The frame of one step, the terminal showing the steps before. The time is the renderer's for
// xterm-256color.
void BM_Etape(benchmark::State& pEtat, std::size_t pEtape) {
  const auto& vues = vuesDuParcours();
  plateforme::Rendu avant(XTERM);
  for (std::size_t i = 0; i < pEtape; ++i) avant.trame(vues.at(i));
  for (auto _ : pEtat) {
    plateforme::Rendu rendu = avant;
    benchmark::DoNotOptimize(rendu.trame(vues.at(pEtape)));
  }
  const std::vector<plateforme::Ecran> jusquIci(
      vues.begin(), vues.begin() + static_cast<std::ptrdiff_t>(pEtape) + 1);
  const Trames trames = mesurerTrames(jusquIci);
  pEtat.counters["octets"] = static_cast<double>(trames.octets.back());
  pEtat.counters["octets_bce"] = static_cast<double>(trames.effaces.back());
  pEtat.counters["octets_xterm"] = static_cast<double>(trames.xterm.back());
  pEtat.counters["octets_ncurses"] = static_cast<double>(trames.ncurses.back());
  pEtat.counters["octets_naif"] = static_cast<double>(trames.naifs.back());
}
BENCHMARK_CAPTURE(BM_Etape, 1_ecran_de_demarrage, 0);
BENCHMARK_CAPTURE(BM_Etape, 2_menu_principal, ETAPE_MENU);
BENCHMARK_CAPTURE(BM_Etape, 3_deplacement_menu, 2);
BENCHMARK_CAPTURE(BM_Etape, 4_ecran_de_placement, ETAPE_PLACEMENT);
BENCHMARK_CAPTURE(BM_Etape, 5_deplacement_placement, 7);
BENCHMARK_CAPTURE(BM_Etape, 6_ecran_de_jeu, ETAPE_JEU);
BENCHMARK_CAPTURE(BM_Etape, 7_deplacement_visee, ETAPE_VISEE);

// A full frame: the screen drawn on a terminal whose content is unknown, first or after a resize
// (the renderer showed the screen, then forgot what the terminal holds). The time is the
// renderer's for xterm-256color.
void BM_TrameComplete(benchmark::State& pEtat, std::size_t pEtape, bool pApresRedimensionnement) {
  const plateforme::Ecran& vue = vuesDuParcours().at(pEtape);
  for (auto _ : pEtat) {
    plateforme::Rendu rendu(XTERM);
    benchmark::DoNotOptimize(rendu.trame(vue));
  }
  auto octets = [&](CapacitesTerminal pCapacites) {
    plateforme::Rendu rendu(pCapacites);
    if (pApresRedimensionnement) {
      rendu.trame(vue);
      rendu.invalider();
    }
    return static_cast<double>(rendu.trame(vue).size());
  };
  pEtat.counters["octets"] = octets({});
  pEtat.counters["octets_bce"] = octets({.effaceEnCouleur = true});
  pEtat.counters["octets_xterm"] = octets(XTERM);
  pEtat.counters["octets_naif"] = static_cast<double>(plateforme::trameNaive(vue).size());
  pEtat.counters["octets_ncurses"] = static_cast<double>(
      octetsNcurses({vue, vue}, "xterm-256color", true).at(pApresRedimensionnement ? 1 : 0));
}
BENCHMARK_CAPTURE(BM_TrameComplete, 1_menu_principal, ETAPE_MENU, false);
BENCHMARK_CAPTURE(BM_TrameComplete, 2_placement, ETAPE_PLACEMENT, false);
BENCHMARK_CAPTURE(BM_TrameComplete, 3_jeu, ETAPE_JEU, false);
BENCHMARK_CAPTURE(BM_TrameComplete, 4_jeu_apres_redimensionnement, ETAPE_VISEE, true);

// The renderer's time on each path for a full game frame and for the aiming move after it: with
// neither capacity (every blank written), erasing only (bce), erasing and repeats.
void BM_Chemin(benchmark::State& pEtat, CapacitesTerminal pCapacites, bool pDeplacement) {
  const auto& vues = vuesDuParcours();
  plateforme::Rendu avant(pCapacites);
  if (pDeplacement) avant.trame(vues.at(ETAPE_JEU));
  const plateforme::Ecran& vue = vues.at(pDeplacement ? ETAPE_VISEE : ETAPE_JEU);
  for (auto _ : pEtat) {
    plateforme::Rendu rendu = avant;
    benchmark::DoNotOptimize(rendu.trame(vue));
  }
  plateforme::Rendu rendu = avant;
  pEtat.counters["octets"] = static_cast<double>(rendu.trame(vue).size());
}
BENCHMARK_CAPTURE(BM_Chemin, 1_jeu_sans_capacite, CapacitesTerminal{}, false);
BENCHMARK_CAPTURE(BM_Chemin, 2_jeu_bce, CapacitesTerminal{.effaceEnCouleur = true}, false);
BENCHMARK_CAPTURE(BM_Chemin, 3_jeu_bce_rep, XTERM, false);
BENCHMARK_CAPTURE(BM_Chemin, 4_visee_sans_capacite, CapacitesTerminal{}, true);
BENCHMARK_CAPTURE(BM_Chemin, 5_visee_bce, CapacitesTerminal{.effaceEnCouleur = true}, true);
BENCHMARK_CAPTURE(BM_Chemin, 6_visee_bce_rep, XTERM, true);

// The frames compared on each terminal type: the full ones, then the moves (the frame of that
// step, the terminal showing the steps before).
enum class Genre { Complete, Repeinte, Deplacement };
struct Figure {
  const char* nom;
  std::size_t etape;
  Genre genre;
};
constexpr Figure FIGURES[] = {
    {"1_menu", ETAPE_MENU, Genre::Complete},
    {"2_placement", ETAPE_PLACEMENT, Genre::Complete},
    {"3_jeu", ETAPE_JEU, Genre::Complete},
    {"4_repeinte", ETAPE_VISEE, Genre::Repeinte},
    {"5_dep_menu", 2, Genre::Deplacement},
    {"6_dep_placement", 7, Genre::Deplacement},
    {"7_dep_visee", ETAPE_VISEE, Genre::Deplacement},
};

std::size_t octetsRendu(CapacitesTerminal pCapacites, const Figure& pFigure) {
  const auto& vues = vuesDuParcours();
  plateforme::Rendu rendu(pCapacites);
  if (pFigure.genre == Genre::Deplacement) {
    for (std::size_t i = 0; i < pFigure.etape; ++i) rendu.trame(vues.at(i));
  } else if (pFigure.genre == Genre::Repeinte) {
    rendu.trame(vues.at(pFigure.etape));
    rendu.invalider();
  }
  return rendu.trame(vues.at(pFigure.etape)).size();
}

std::size_t octetsNcursesPour(const char* pTerm, const Figure& pFigure) {
  const auto& vues = vuesDuParcours();
  const plateforme::Ecran& vue = vues.at(pFigure.etape);
  switch (pFigure.genre) {
    case Genre::Complete:
      return octetsNcurses({vue}, pTerm).at(0);
    case Genre::Repeinte:
      return octetsNcurses({vue, vue}, pTerm, true).at(1);
    case Genre::Deplacement:
      break;
  }
  const std::vector<plateforme::Ecran> jusquIci(
      vues.begin(), vues.begin() + static_cast<std::ptrdiff_t>(pFigure.etape) + 1);
  return octetsNcurses(jusquIci, pTerm).back();
}

// One terminal type: the renderer with what its terminfo entry says (outside tmux and GNU
// screen), its bytes for each figure and ncurses' (the counter ending in _nc) for the same
// screens. The time is the renderer's for the full game frame.
CapacitesTerminal capacitesDe(const char* pTerm) {
  const Environnement term("TERM", pTerm);
  const Environnement tmux("TMUX", nullptr);
  const Environnement sty("STY", nullptr);
  return plateforme::capacitesTerminal();
}

void BM_Terminal(benchmark::State& pEtat, const char* pTerm) {
  const CapacitesTerminal capacites = capacitesDe(pTerm);
  const plateforme::Ecran& jeu = vuesDuParcours().at(ETAPE_JEU);
  for (auto _ : pEtat) {
    plateforme::Rendu rendu(capacites);
    benchmark::DoNotOptimize(rendu.trame(jeu));
  }
  try {
    for (const Figure& figure : FIGURES) {
      pEtat.counters[figure.nom] = static_cast<double>(octetsRendu(capacites, figure));
      pEtat.counters[std::string(figure.nom) + "_nc"] =
          static_cast<double>(octetsNcursesPour(pTerm, figure));
    }
  } catch (const std::exception& e) {
    pEtat.SkipWithError(e.what());  // no terminfo entry for that type here
  }
  pEtat.SetLabel(std::string(capacites.effaceEnCouleur ? "bce" : "-") +
                 (capacites.repete ? " rep" : ""));
}
BENCHMARK_CAPTURE(BM_Terminal, xterm_256color, "xterm-256color");
BENCHMARK_CAPTURE(BM_Terminal, alacritty, "alacritty");
BENCHMARK_CAPTURE(BM_Terminal, foot, "foot");
BENCHMARK_CAPTURE(BM_Terminal, tmux_256color, "tmux-256color");
BENCHMARK_CAPTURE(BM_Terminal, screen_256color, "screen-256color");
BENCHMARK_CAPTURE(BM_Terminal, xterm_kitty, "xterm-kitty");
BENCHMARK_CAPTURE(BM_Terminal, console_linux, "linux");
BENCHMARK_CAPTURE(BM_Terminal, rxvt_unicode_256color, "rxvt-unicode-256color");

// The compact layout (80 x 24) on the same path: its full game frame and its aiming move, beside
// ncurses' for the same screens (the cells off the 80 x 24 window are blank on both sides).
void BM_Compact(benchmark::State& pEtat, const char* pTerm) {
  const CapacitesTerminal capacites = capacitesDe(pTerm);
  const auto& vues = vuesDuParcours(true);
  for (auto _ : pEtat) {
    plateforme::Rendu rendu(capacites);
    benchmark::DoNotOptimize(rendu.trame(vues.at(ETAPE_JEU)));
  }
  plateforme::Rendu complet(capacites);
  pEtat.counters["3_jeu"] = static_cast<double>(complet.trame(vues.at(ETAPE_JEU)).size());
  plateforme::Rendu suite(capacites);
  for (std::size_t i = 0; i < ETAPE_VISEE; ++i) suite.trame(vues.at(i));
  pEtat.counters["7_dep_visee"] = static_cast<double>(suite.trame(vues.at(ETAPE_VISEE)).size());
  try {
    pEtat.counters["3_jeu_nc"] =
        static_cast<double>(octetsNcurses({vues.at(ETAPE_JEU)}, pTerm).at(0));
    const std::vector<plateforme::Ecran> jusquIci(
        vues.begin(), vues.begin() + static_cast<std::ptrdiff_t>(ETAPE_VISEE) + 1);
    pEtat.counters["7_dep_visee_nc"] = static_cast<double>(octetsNcurses(jusquIci, pTerm).back());
  } catch (const std::exception& e) {
    pEtat.SkipWithError(e.what());
  }
}
BENCHMARK_CAPTURE(BM_Compact, xterm_256color, "xterm-256color");
BENCHMARK_CAPTURE(BM_Compact, tmux_256color, "tmux-256color");

}  // namespace
