// The real binary in a pseudo-terminal of 110 x 45, on the path a player takes: the bytes that
// come back for each step, with a TERM whose terminal erases in the background colour (bce) and
// with one whose terminal does not, that one also as inside tmux (TMUX set), which does.

#include <benchmark/benchmark.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "parcoursJoueur.hpp"
#include "support/dossierTemporaire.hpp"

namespace {

// Output that has been quiet this long is taken as the whole answer to a key.
constexpr int CALME_MS = 100;
constexpr int PREMIER_OCTET_MS = 3000;

class SessionPty {
 public:
  SessionPty(const char* pTerm, const char* pTmux, const char* pBinaire) {
    winsize taille{};
    taille.ws_row = 45;
    taille.ws_col = 110;
    pid_ = forkpty(&maitre_, nullptr, nullptr, &taille);
    if (pid_ == 0) {
      setenv("TERM", pTerm, 1);
      unsetenv("STY");
      pTmux != nullptr ? setenv("TMUX", pTmux, 1) : unsetenv("TMUX");
      execl(pBinaire, pBinaire, static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~SessionPty() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      lire(CALME_MS);
      waitpid(pid_, nullptr, 0);
    }
    if (maitre_ >= 0) close(maitre_);
  }
  SessionPty(const SessionPty&) = delete;
  SessionPty& operator=(const SessionPty&) = delete;

  bool ouverte() const { return pid_ > 0; }
  void taper(std::string_view pTouches) const {
    [[maybe_unused]] const ssize_t n = write(maitre_, pTouches.data(), pTouches.size());
  }
  void redimensionner(int pColonnes, int pLignes) const {
    winsize taille{};
    taille.ws_row = static_cast<unsigned short>(pLignes);
    taille.ws_col = static_cast<unsigned short>(pColonnes);
    ioctl(maitre_, TIOCSWINSZ, &taille);  // the game gets SIGWINCH
  }
  // Bytes of the frames sent until the output goes quiet (from the first frame's start, so
  // start-up sequences do not count).
  std::size_t octetsDesTrames() const {
    const std::string recu = lire(PREMIER_OCTET_MS);
    const std::size_t debut = recu.find("\x1b[?2026h");
    return debut == std::string::npos ? 0 : recu.size() - debut;
  }

 private:
  std::string lire(int pPremierDelaiMs) const {
    std::string recu;
    pollfd attente{maitre_, POLLIN, 0};
    while (poll(&attente, 1, recu.empty() ? pPremierDelaiMs : CALME_MS) > 0) {
      char tampon[65536];
      const ssize_t n = read(maitre_, tampon, sizeof tampon);
      if (n <= 0) break;  // the game has ended
      recu.append(tampon, static_cast<std::size_t>(n));
    }
    return recu;
  }

  int maitre_ = -1;
  pid_t pid_ = -1;
};

// pTmux: the value of TMUX, or null for none.
void BM_BinaireReel(benchmark::State& pEtat, const char* pTerm, const char* pTmux) {
  const char* binaire = std::getenv("KORVANE_BENCH_BINAIRE");  // to measure another build
  if (binaire == nullptr) binaire = KORVANE_BINAIRE;
  DossierTemporaire dossier;
  for (const char* nom : {"regles.txt", "startScreen.txt"}) {
    std::filesystem::copy_file(std::filesystem::path(KORVANE_DONNEES) / nom,
                               dossier.chemin() / nom);
  }
  dossier.ecrireFichier("meilleurs.dat", "");
  for (auto _ : pEtat) {
    SessionPty jeu(pTerm, pTmux, binaire);
    if (!jeu.ouverte()) {
      pEtat.SkipWithError("forkpty");
      return;
    }
    for (const Etape& etape : parcoursJoueur()) {
      jeu.taper(etape.touches);
      const std::size_t octets = jeu.octetsDesTrames();
      if (etape.figure != nullptr) pEtat.counters[etape.figure] = static_cast<double>(octets);
    }
    jeu.redimensionner(120, 50);
    pEtat.counters["8_apres_redimensionnement"] = static_cast<double>(jeu.octetsDesTrames());
  }
}
BENCHMARK_CAPTURE(BM_BinaireReel, avec_bce_xterm_256color, "xterm-256color", nullptr)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_BinaireReel, sans_bce_tmux_256color, "tmux-256color", nullptr)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_BinaireReel, dans_tmux_tmux_256color, "tmux-256color",
                  "/tmp/tmux-0/default,1,0")
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
