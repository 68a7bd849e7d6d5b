// The real binary in a pseudo-terminal of 110 x 45 when a text file is missing or is no file at
// all: the game ends at once with its status, gives the terminal back, and then says on standard
// error, in one line, which file it wanted where.

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"

namespace fs = std::filesystem;

namespace {

constexpr auto DELAI = std::chrono::seconds{20};

// The game in a pseudo-terminal; everything it writes, standard error included, is gathered.
class JeuEnPty {
 public:
  JeuEnPty() {
    winsize taille{};
    taille.ws_row = 45;
    taille.ws_col = 110;
    pid_ = ::forkpty(&maitre_, nullptr, nullptr, &taille);
    if (pid_ == 0) {
      ::execl(KORVANE_BINAIRE, KORVANE_BINAIRE, static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  ~JeuEnPty() {
    if (pid_ > 0 && !statut_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (maitre_ >= 0) ::close(maitre_);
  }
  JeuEnPty(const JeuEnPty&) = delete;
  JeuEnPty& operator=(const JeuEnPty&) = delete;

  // Reads until the output holds the text, the game has closed the terminal, or the time-out.
  bool attendre(std::string_view pTexte) {
    const auto limite = std::chrono::steady_clock::now() + DELAI;
    while (sortie_.find(pTexte) == std::string::npos) {
      if (ferme_ || std::chrono::steady_clock::now() > limite) return false;
      lire();
    }
    return true;
  }
  void taper(std::string_view pOctets) {
    ASSERT_EQ(::write(maitre_, pOctets.data(), pOctets.size()),
              static_cast<ssize_t>(pOctets.size()));
  }
  // The exit status, once the game has ended within the time-out.
  std::optional<int> statut() {
    const auto limite = std::chrono::steady_clock::now() + DELAI;
    while (!ferme_ && std::chrono::steady_clock::now() < limite) lire();
    for (int s = 0; !statut_ && std::chrono::steady_clock::now() < limite;) {
      if (::waitpid(pid_, &s, WNOHANG) == pid_) statut_ = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    }
    return statut_;
  }
  const std::string& sortie() const { return sortie_; }

 private:
  void lire() {
    pollfd attente{maitre_, POLLIN, 0};
    if (::poll(&attente, 1, 100) <= 0) return;
    char tampon[4096];
    const ssize_t n = ::read(maitre_, tampon, sizeof tampon);
    // Once the game and its terminal are gone, the master reads an error.
    if (n <= 0) {
      ferme_ = true;
    } else {
      sortie_.append(tampon, static_cast<std::size_t>(n));
    }
  }

  int maitre_ = -1;
  pid_t pid_ = -1;
  std::string sortie_;
  bool ferme_ = false;
  std::optional<int> statut_;
};

struct CasSortie {
  const char* nom;
  const char* fichier;  // made a FIFO, or removed with pFifo false; none: nothing changed
  bool fifo;
  bool jusquAuxRegles;
  int statut;
};

class SortieExpliquee : public ::testing::TestWithParam<CasSortie> {};

TEST_P(SortieExpliquee, UneLigneSurLaSortieDErreurApresLaRestauration) {
  const CasSortie& cas = GetParam();
  DossierTemporaire dossier;
  dossier.preparerDonneesDuJeu();
  std::string attendu;
  if (cas.fichier != nullptr) {
    fs::remove(dossier.chemin() / cas.fichier);
    if (cas.fifo) {
      ASSERT_EQ(::mkfifo((dossier.chemin() / cas.fichier).c_str(), 0666), 0);
    }
    attendu = std::string("korvane: ") + cas.fichier + " introuvable ou illisible dans " +
              fs::canonical(dossier.chemin()).string() +
              "; lancez le jeu par la commande korvane ou ./scripts/jouer.sh, qui preparent ses "
              "fichiers\r\n";
  }
  JeuEnPty jeu;
  if (cas.jusquAuxRegles) {
    ASSERT_TRUE(jeu.attendre("Appuyez sur une touche pour commencer"));
    jeu.taper("x");
    ASSERT_TRUE(jeu.attendre("Deplacement avec touches flechees"));
    jeu.taper("\x1b[B\x1b[B\x1b[B\r");
  } else if (cas.fichier == nullptr) {
    ASSERT_TRUE(jeu.attendre("Appuyez sur une touche pour commencer"));
    jeu.taper("x");
    ASSERT_TRUE(jeu.attendre("Deplacement avec touches flechees"));
    jeu.taper("\x1b[B\x1b[B\x1b[B\x1b[B\r");
  }
  EXPECT_EQ(jeu.statut(), cas.statut);
  // The main screen comes back first; the line is all that follows the terminal's restoration.
  const std::string& sortie = jeu.sortie();
  const std::size_t ecranPrincipal = sortie.rfind("\x1b[?1049l");
  ASSERT_NE(ecranPrincipal, std::string::npos);
  std::string apres = sortie.substr(ecranPrincipal + std::string_view("\x1b[?1049l").size());
  if (apres.starts_with("\x1b[23;0t")) apres.erase(0, std::string_view("\x1b[23;0t").size());
  EXPECT_EQ(apres, attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, SortieExpliquee,
    ::testing::Values(CasSortie{"ReglesFifo", "regles.txt", true, true, 1},
                      CasSortie{"ReglesAbsentes", "regles.txt", false, true, 3},
                      CasSortie{"AccueilFifo", "startScreen.txt", true, false, 1},
                      CasSortie{"QuitterSansRienDire", nullptr, false, false, 0}),
    [](const auto& pInfo) { return std::string(pInfo.param.nom); });

}  // namespace
