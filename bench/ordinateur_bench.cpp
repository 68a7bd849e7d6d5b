// The computer's strength at each level: shots to sink a whole fleet laid by the game's random
// placement, over the same seeded fleets for every level, and the time of one decision.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "controleur/bateau.hpp"
#include "controleur/jeu.hpp"
#include "mesures.hpp"
#include "modele/ordinateur.hpp"
#include "modele/pile.hpp"
#include "modele/score.hpp"
#include "support/flottesAuHasard.hpp"

namespace {

constexpr int PARTIES = 2000;
constexpr unsigned PREMIERE_GRAINE = 1000;

struct Mesures {
  std::vector<int> tirs;          // shots of each game
  std::vector<double> decisions;  // microseconds of each decision
};

// The computer alone fires at the human's fleet until it is sunk, as the game loop would: the
// sunk flags and marks are brought up to date after every accepted shot.
void partieOrdinateurSeul(NiveauOrdinateur pNiveau, Tparam& pParam, Mesures& pMesures) {
  TJoueur& ordi = *pParam.joueur2;
  TJoueur& humain = *pParam.joueur1;
  const int nbBateaux = 4 * pParam.mNombreInstanceBateaux;
  int tour = 0;
  checkBateauxCoules(nbBateaux, ordi, humain);
  while (getTouche(*ordi.pileCoup) < humain.nbCasesPrises) {
    const auto debut = std::chrono::steady_clock::now();
    const int code = choisirTir(pNiveau, *ordi.pileCoup, humain.mBateauxDuJoueur);
    const auto fin = std::chrono::steady_clock::now();
    pMesures.decisions.push_back(std::chrono::duration<double, std::micro>(fin - debut).count());
    const int avant = tour;
    tir(ordi, humain, &tour, code);
    if (tour != avant) checkBateauxCoules(nbBateaux, ordi, humain);
  }
  pMesures.tirs.push_back(getNbTir(*ordi.pileCoup));
}

// Lower median and nearest-rank percentile: values that were really measured.
template <typename T>
T rang(std::vector<T> pValeurs, double pFraction) {
  std::sort(pValeurs.begin(), pValeurs.end());
  const auto n = pValeurs.size();
  auto i = static_cast<std::size_t>(pFraction * static_cast<double>(n) + 0.999999);
  i = std::clamp<std::size_t>(i, 1, n) - 1;
  return pValeurs[i];
}

void BM_Ordinateur(benchmark::State& pEtat) {
  const auto niveau = static_cast<NiveauOrdinateur>(pEtat.range(0));
  const int n = static_cast<int>(pEtat.range(1));
  Mesures mesures;
  for (auto _ : pEtat) {
    for (int partie = 0; partie < PARTIES; ++partie) {
      Tparam param;
      flottesAuHasard(param, n, PREMIERE_GRAINE + static_cast<unsigned>(partie));
      partieOrdinateurSeul(niveau, param, mesures);
    }
  }
  const auto& tirs = mesures.tirs;
  const double moyenne =
      std::accumulate(tirs.begin(), tirs.end(), 0.0) / static_cast<double>(tirs.size());
  std::printf(
      "ordinateur %s n=%d parties=%zu mediane=%d moyenne=%.1f p90=%d max=%d decision_us=%.2f\n",
      std::string(nomNiveau(niveau)).c_str(), n, tirs.size(), rang(tirs, 0.5), moyenne,
      rang(tirs, 0.9), *std::max_element(tirs.begin(), tirs.end()), rang(mesures.decisions, 0.5));
  std::fflush(stdout);
}
BENCHMARK(BM_Ordinateur)
    ->ArgsProduct({{static_cast<int>(NiveauOrdinateur::hasard),
                    static_cast<int>(NiveauOrdinateur::chasseur),
                    static_cast<int>(NiveauOrdinateur::expert)},
                   {1, 2, 3}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
