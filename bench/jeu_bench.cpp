// CPU of the game loop: one turn, a whole automated game; and the real binary's time from start
// to its first frame.

#include <benchmark/benchmark.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>

#include "controleur/bateau.hpp"
#include "controleur/jeu.hpp"
#include "mesures.hpp"
#include "modele/parametre.hpp"
#include "support/flottesAuHasard.hpp"
#include "support/terminalScripte.hpp"

namespace {

// The human fires at every cell in a seeded random order: from (1, 1), where every human turn
// starts, arrows to the cell, then Enter.
TerminalScripte tirsAleatoires(unsigned pGraine) {
  std::vector<int> cases(100);
  std::iota(cases.begin(), cases.end(), 0);
  std::mt19937 generateur(pGraine);
  std::shuffle(cases.begin(), cases.end(), generateur);
  TerminalScripte t;
  std::string script;
  for (int c : cases) {
    for (int i = 0; i < c % 10; ++i) script += touches::DROITE;
    for (int i = 0; i < c / 10; ++i) script += touches::BAS;
    script += touches::ENTREE;
  }
  t.taper(script + "x");  // and the key that ends the end screen
  return t;
}

void BM_PartieAutomatique(benchmark::State& pEtat) {
  const int n = static_cast<int>(pEtat.range(0));
  unsigned graine = 1;
  int codes = 0;
  for (auto _ : pEtat) {
    pEtat.PauseTiming();
    Tparam param;
    flottesAuHasard(param, n, graine);
    TerminalScripte t = tirsAleatoires(graine++);
    pEtat.ResumeTiming();
    executer(t, [&] { jouer(param, 0, REGLAGES_DECRITS); });
    codes += t.codesLus();
  }
  pEtat.counters["touches_par_partie"] = codes / static_cast<double>(pEtat.iterations());
}
BENCHMARK(BM_PartieAutomatique)
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// pNombre shots already on the boards, half each, in cell order, short of sinking the last cell
// of either fleet so that the game goes on.
void tirsDejaFaits(Tparam& pParam, int pNombre) {
  int tour = 1;
  for (TJoueur* tireur : {pParam.joueur1.get(), pParam.joueur2.get()}) {
    const TJoueur& cible = tireur == pParam.joueur1.get() ? *pParam.joueur2 : *pParam.joueur1;
    const int epargnee = cible.tabPosBateauJoueur[0];
    int faits = 0;
    for (int code = 11; code <= 110 && faits < pNombre / 2; ++code) {
      if (code == epargnee) continue;
      tir(*tireur, cible, &tour, code);
      ++faits;
    }
  }
}

// One turn of the loop: a cursor move right then left, each a full redraw of the game screen,
// with no shot yet or with 90 shots on the boards.
void BM_TourDeBoucle(benchmark::State& pEtat) {
  constexpr int TOURS = 400;
  for (auto _ : pEtat) {
    pEtat.PauseTiming();
    Tparam param;
    flottesAuHasard(param, 3, 5);
    tirsDejaFaits(param, static_cast<int>(pEtat.range(0)));
    std::string script;
    for (int i = 0; i < TOURS / 2; ++i) script += "MK";  // right, left, without prefix codes
    TerminalScripte t{script};
    std::srand(2);  // the human begins
    pEtat.ResumeTiming();
    executer(t, [&] { jouer(param, 0, REGLAGES_DECRITS); });
  }
  pEtat.SetItemsProcessed(pEtat.iterations() * TOURS);
  pEtat.counters["us_par_tour"] = benchmark::Counter(
      static_cast<double>(pEtat.iterations() * TOURS),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_TourDeBoucle)
    ->Arg(0)
    ->Arg(90)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Start of the real binary, in a pseudo-terminal of 110 x 45, until its first frame (the start
// screen) is complete.
void BM_DemarrageJusquALaPremiereTrame(benchmark::State& pEtat) {
  for (auto _ : pEtat) {
    winsize taille{};
    taille.ws_row = 45;
    taille.ws_col = 110;
    int maitre = -1;
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = forkpty(&maitre, nullptr, nullptr, &taille);
    if (pid == 0) {
      setenv("TERM", "xterm-256color", 1);
      execl(KORVANE_BINAIRE, KORVANE_BINAIRE, static_cast<char*>(nullptr));
      _exit(127);
    }
    if (pid < 0) {
      pEtat.SkipWithError("forkpty");
      return;
    }
    std::string recu;
    char tampon[65536];
    ssize_t n = 0;
    while (recu.find("\x1b[?2026l") == std::string::npos &&
           (n = read(maitre, tampon, sizeof tampon)) > 0) {
      recu.append(tampon, static_cast<std::size_t>(n));
    }
    const auto fin = std::chrono::steady_clock::now();
    pEtat.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
    kill(pid, SIGTERM);
    while (read(maitre, tampon, sizeof tampon) > 0) {
    }
    close(maitre);
    waitpid(pid, nullptr, 0);
    if (recu.find("\x1b[?2026l") == std::string::npos) {
      pEtat.SkipWithError("the game ended before its first frame");
      return;
    }
  }
}
BENCHMARK(BM_DemarrageJusquALaPremiereTrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
