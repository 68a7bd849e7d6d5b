// Bytes sent to the terminal on the path a player takes (parcoursJoueur.hpp), run in-process
// with the data files: each step's frame, and the full frames (first main menu, placement board,
// game, repaint after a resize). Each as sent to a terminal with neither capacity, with erasing in
// the background colour only (bce), and with erasing and repeats (xterm-256color), beside a naive
// repaint and beside ncurses 6.4 (xterm-256color) for the same screens.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "comparaisonNcurses.hpp"
#include "menuPrincipal.hpp"
#include "mesures.hpp"
#include "modele/random.hpp"
#include "parcoursJoueur.hpp"
#include "plateforme/rendu.hpp"
#include "support/dossierTemporaire.hpp"

namespace {

using plateforme::CapacitesTerminal;
constexpr CapacitesTerminal XTERM{.effaceEnCouleur = true, .repete = true};

// The screen after each step of the path, once.
const std::vector<plateforme::Ecran>& vuesDuParcours() {
  static const std::vector<plateforme::Ecran> vues = [] {
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
    executerProgramme(t, 1);
    return t.vues();
  }();
  return vues;
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
  pEtat.counters["octets_ncurses"] =
      static_cast<double>(octetsNcurses({vue, vue}, true).at(pApresRedimensionnement ? 1 : 0));
}
BENCHMARK_CAPTURE(BM_TrameComplete, 1_menu_principal, ETAPE_MENU, false);
BENCHMARK_CAPTURE(BM_TrameComplete, 2_placement, ETAPE_PLACEMENT, false);
BENCHMARK_CAPTURE(BM_TrameComplete, 3_jeu, ETAPE_JEU, false);
BENCHMARK_CAPTURE(BM_TrameComplete, 4_jeu_apres_redimensionnement, ETAPE_VISEE, true);

}  // namespace
