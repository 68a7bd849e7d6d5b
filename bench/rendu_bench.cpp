// Bytes sent to the terminal per key: a main-menu move, an aiming-cursor move, a placement move;
// bytes of the first full frame of the menu and of a game.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "controleur/bateau.hpp"
#include "controleur/jeu.hpp"
#include "menuPrincipal.hpp"
#include "mesures.hpp"
#include "modele/parametre.hpp"
#include "modele/random.hpp"
#include "plateforme/rendu.hpp"
#include "support/terminalScripte.hpp"

namespace {

void publier(benchmark::State& pEtat, const Trames& pTrames, std::size_t pIndice) {
  pEtat.counters["octets"] = static_cast<double>(pTrames.octets.at(pIndice));
  pEtat.counters["octets_naif"] = static_cast<double>(pTrames.naifs.at(pIndice));
  pEtat.counters["rapport"] = static_cast<double>(pTrames.naifs.at(pIndice)) /
                              static_cast<double>(pTrames.octets.at(pIndice));
}

// Views: start screen, menu with entry 1 marked, menu with entry 2 marked.
Trames tramesMenu() {
  TerminalScripte t{"x", touches::BAS};
  fixerGraine(1);
  executerStatut(t, programmePrincipal);
  return mesurerTrames(t.vues());
}

void partiePlacee(Tparam& pParam) {
  std::srand(7);
  setParamParDef(pParam);
  placementAlea(*pParam.joueur2, 4);
  placementAlea(*pParam.joueur1, 4);
}

// Views: the game's first screen, then after one move of the aiming cursor.
std::vector<plateforme::Ecran> vuesCurseur() {
  Tparam param;
  partiePlacee(param);
  TerminalScripte t;
  // Seed 2 makes the human begin: the first wait is for the human's key.
  std::srand(2);
  for (int i = 0; i < 4; ++i) t.taper(touches::DROITE);
  executer(t, [&] { jouer(param, 0); });
  return t.vues();
}

void BM_DeplacementMenu(benchmark::State& pEtat) {
  Trames trames;
  for (auto _ : pEtat) trames = tramesMenu();
  publier(pEtat, trames, 2);
}
BENCHMARK(BM_DeplacementMenu)->Iterations(5);

void BM_PremiereTrameMenu(benchmark::State& pEtat) {
  TerminalScripte t{"x", touches::BAS};
  executerStatut(t, programmePrincipal);
  std::string trame;
  for (auto _ : pEtat) {
    plateforme::Rendu neuf;
    trame = neuf.trame(t.vues().at(1));
    benchmark::DoNotOptimize(trame);
  }
  pEtat.counters["octets"] = static_cast<double>(trame.size());
}
BENCHMARK(BM_PremiereTrameMenu);

void BM_DeplacementCurseurJeu(benchmark::State& pEtat) {
  Trames trames;
  for (auto _ : pEtat) trames = mesurerTrames(vuesCurseur());
  publier(pEtat, trames, 1);
}
BENCHMARK(BM_DeplacementCurseurJeu)->Iterations(5);

void BM_PremiereTrameJeu(benchmark::State& pEtat) {
  const auto vues = vuesCurseur();
  std::string trame;
  for (auto _ : pEtat) {
    plateforme::Rendu neuf;
    trame = neuf.trame(vues.at(0));
    benchmark::DoNotOptimize(trame);
  }
  pEtat.counters["octets"] = static_cast<double>(trame.size());
  pEtat.counters["octets_naif"] = static_cast<double>(plateforme::trameNaive(vues.at(0)).size());
}
BENCHMARK(BM_PremiereTrameJeu);

void BM_DeplacementPlacement(benchmark::State& pEtat) {
  Trames trames;
  for (auto _ : pEtat) {
    Tparam param;
    setParamParDef(param);
    std::srand(3);
    // Name, placement by hand, then one move of the first ship.
    TerminalScripte t{"Marin\r", touches::ENTREE, touches::DROITE, touches::BAS};
    executer(t, [&] { placerBateau(param); });
    trames = mesurerTrames(t.vues());
  }
  // Views: name prompt, choice screen, placement board, after the move right, after the move down.
  publier(pEtat, trames, 3);
}
BENCHMARK(BM_DeplacementPlacement)->Iterations(5);

}  // namespace
