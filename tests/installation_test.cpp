// The game as a new player installs and starts it: the command line under a real terminal, the
// installed `korvane` command in tmux, and the Debian package.

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/octets.hpp"
#include "support/shell.hpp"
#include "support/tmux.hpp"

namespace fs = std::filesystem;

namespace {

// --- The command line under a pseudo-terminal: whatever it prints, never an escape sequence ---

struct RunPty {
  std::string octets;
  int statut = -1;
};

RunPty executerSousPty(const std::vector<std::string>& pArguments) {
  RunPty run;
  const int maitre = posix_openpt(O_RDWR | O_NOCTTY);
  if (maitre < 0 || grantpt(maitre) != 0 || unlockpt(maitre) != 0) return run;
  const std::string esclave = ptsname(maitre);
  std::vector<char*> argv;
  for (const std::string& a : pArguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();
    const int fd = open(esclave.c_str(), O_RDWR);
    ioctl(fd, TIOCSCTTY, 0);
    dup2(fd, 0);
    dup2(fd, 1);
    dup2(fd, 2);
    close(maitre);
    execv(argv[0], argv.data());
    _exit(127);
  }
  std::array<char, 4096> tampon{};
  // Until the last descriptor on the terminal's side is closed (EIO).
  for (ssize_t n; (n = read(maitre, tampon.data(), tampon.size())) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    run.octets.append(tampon.data(), static_cast<std::size_t>(n));
  }
  close(maitre);
  int etat = 0;
  waitpid(pid, &etat, 0);
  run.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
  return run;
}

TEST(LigneCommandeSousTerminal, AucuneSequenceDEchappement) {
  struct Cas {
    std::string argument;
    int statut;
    std::string debut;
  };
  for (const Cas& cas : {Cas{"--help", 0, "Usage: korvane"}, Cas{"-V", 0, "korvane 1.0.0"},
                         Cas{"--bidon", 2, "korvane: invalid option '--bidon'"}}) {
    const RunPty run = executerSousPty({KORVANE_BINAIRE, cas.argument});
    EXPECT_EQ(run.statut, cas.statut) << cas.argument;
    EXPECT_TRUE(run.octets.starts_with(cas.debut)) << run.octets;
    EXPECT_EQ(run.octets.find('\x1b'), std::string::npos) << cas.argument;
  }
}

// Nothing goes into a pipe, nor to a terminal that cannot place the cursor, but one line.
TEST(LigneCommandeSousTerminal, SansTerminalOuSansCurseurUneLigneEtLeStatut1) {
  // The game's output and its status both go into the pipe.
  EXPECT_EQ(sortieDe("{ " + guillemets(KORVANE_BINAIRE) + " </dev/null 2>&1; echo $?; } | cat"),
            "korvane: standard input and output must be a terminal\n1\n");
  const RunPty run = executerSousPty({"/usr/bin/env", "TERM=dumb", KORVANE_BINAIRE});
  EXPECT_EQ(run.statut, 1);
  EXPECT_EQ(run.octets, "korvane: TERM=dumb: the terminal cannot place the cursor\r\n");
}

// --- The installed command in tmux, with a fresh home ---

class CommandeInstallee : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!disponible("tmux")) GTEST_SKIP() << "tmux is missing";
    const std::string installer = guillemets(KORVANE_CMAKE) + " --install " +
                                  guillemets(KORVANE_CONSTRUCTION) + " --prefix " +
                                  guillemets(prefixe().string()) + " 2>&1";
    const std::string sortie = sortieDe(installer + "; echo \"statut $?\"");
    ASSERT_TRUE(sortie.ends_with("statut 0\n")) << sortie;
    fs::create_directory(racine_.chemin() / "maison");
  }
  void TearDown() override { arreterServeurTmux(socket()); }

  fs::path prefixe() const { return racine_.chemin() / "prefixe"; }
  // A server of its own for each launch: a new session on the socket of a server still shutting
  // down would go down with it.
  std::string socket() const {
    return "korvane-installe-" + std::to_string(getpid()) + "-" + std::to_string(lancements_);
  }
  std::string tmux(const std::string& pArguments) const {
    return sortieDe("tmux -L " + socket() + " " + pArguments + " 2>/dev/null");
  }

  // Runs `korvane` from the prefix in a 110 x 45 pane, from the root folder, with the fresh home
  // and no XDG variable; the pane's shell records the status in the root folder.
  void lancer() {
    fs::remove(racine_.chemin() / "statut");
    arreterServeurTmux(socket());
    ++lancements_;
    const std::string commande = "cd " + guillemets(racine_.chemin().string()) +
                                 " && HOME=\"$PWD/maison\" XDG_DATA_HOME= XDG_CONFIG_HOME= " +
                                 guillemets((prefixe() / "bin/korvane").string()) +
                                 "; echo $? > statut.tmp; mv statut.tmp statut; sleep 600";
    tmux("-f /dev/null new-session -d -s jeu -x 110 -y 45 " +
         guillemets("sh -c " + guillemets(commande)));
  }
  std::string ecran() const { return tmux("capture-pane -p -t jeu"); }
  // A failure shows the pane as it was, so a run that went wrong elsewhere can be read back.
  ::testing::AssertionResult attendreTexte(const std::string& pTexte) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds{20};
    while (std::chrono::steady_clock::now() < limite) {
      if (ecran().find(pTexte) != std::string::npos) return ::testing::AssertionSuccess();
      std::this_thread::sleep_for(std::chrono::milliseconds{50});
    }
    return ::testing::AssertionFailure() << "\"" << pTexte << "\" never showed; the pane:\n"
                                         << ecran();
  }
  void touches(const std::string& pNoms) { tmux("send-keys -t jeu " + pNoms); }
  std::string attendreStatut() {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds{30};
    while (!racine_.existe("statut") && std::chrono::steady_clock::now() < limite) {
      std::this_thread::sleep_for(std::chrono::milliseconds{50});
    }
    return racine_.lireFichier("statut");
  }

  DossierTemporaire racine_;
  int lancements_ = 0;
  const std::string donnees_ = "maison/.local/share/korvane/";
};

TEST_F(CommandeInstallee, PrepareLeDossierDuJoueurPuisLeGardeAuDeuxiemeLancement) {
  lancer();
  ASSERT_TRUE(attendreTexte("Appuyez sur une touche pour commencer"));
  for (const std::string texte : {"regles.txt", "startScreen.txt"}) {
    EXPECT_EQ(racine_.lireFichier(donnees_ + texte),
              lireFichier(fs::path(KORVANE_DONNEES) / texte));
  }
  EXPECT_TRUE(racine_.existe(donnees_ + "meilleurs.dat"));
  EXPECT_EQ(racine_.lireFichier(donnees_ + "meilleurs.dat"), "");
  touches("x");
  ASSERT_TRUE(attendreTexte("-> Nouvelle partie"));
  touches("Down Down Down Down Enter");
  ASSERT_EQ(attendreStatut(), "0\n") << ecran();

  // The player's table and save stay; a text they changed stays, an older one is refreshed.
  const std::string table = enregistrement(80, 14, 20, "Corsaire");
  racine_.ecrireFichier(donnees_ + "meilleurs.dat", table);
  racine_.ecrireFichier(donnees_ + "save.dat", "une partie");
  racine_.ecrireFichier(donnees_ + "regles.txt", "mes regles");
  racine_.ecrireFichier(donnees_ + "startScreen.txt", "ancien");
  fs::last_write_time(racine_.chemin() / donnees_ / "startScreen.txt",
                      fs::file_time_type::clock::now() - std::chrono::hours{24 * 3650});
  lancer();
  ASSERT_TRUE(attendreTexte("Appuyez sur une touche pour commencer"));
  touches("x");
  ASSERT_TRUE(attendreTexte("-> Nouvelle partie"));
  touches("Down Down Enter");
  ASSERT_TRUE(attendreTexte("Corsaire"));
  touches("x");
  ASSERT_TRUE(attendreTexte("-> Meilleurs scores"));
  touches("Down Down Enter");
  ASSERT_EQ(attendreStatut(), "0\n") << ecran();
  EXPECT_EQ(racine_.lireFichier(donnees_ + "meilleurs.dat"), table);
  EXPECT_EQ(racine_.lireFichier(donnees_ + "save.dat"), "une partie");
  EXPECT_EQ(racine_.lireFichier(donnees_ + "regles.txt"), "mes regles");
  EXPECT_NE(racine_.lireFichier(donnees_ + "startScreen.txt"), "ancien");
}

// --- The Debian package ---

TEST(PaquetDebian, UnJeuCommeDebianLAttendSansErreurNiAvertissementDeLintian) {
  if (!disponible("dpkg-deb") || !disponible("dpkg")) GTEST_SKIP() << "dpkg-deb is missing";
  DossierTemporaire dossier;
  const std::string construire =
      guillemets(KORVANE_CPACK) + " -G DEB --config " +
      guillemets(std::string(KORVANE_CONSTRUCTION) + "/CPackConfig.cmake") + " -B " +
      guillemets(dossier.chemin().string()) + " >/dev/null 2>&1";
  // No maintainer is made up: without one there is no package.
  ASSERT_NE(std::system(("env -u DEBEMAIL -u EMAIL " + construire).c_str()), 0);
  ASSERT_EQ(std::system(("DEBFULLNAME=Ada DEBEMAIL=ada@example.org " + construire).c_str()), 0);
  const std::string architecture = sortieDe("dpkg --print-architecture");
  const fs::path paquet =
      dossier.chemin() /
      ("korvane_" KORVANE_VERSION "_" + architecture.substr(0, architecture.find('\n')) + ".deb");
  ASSERT_TRUE(fs::exists(paquet)) << paquet;
  const std::string liste = sortieDe("dpkg-deb -c " + guillemets(paquet.string()));
  for (const char* fichier :
       {" ./usr/games/korvane\n", " ./usr/libexec/korvane/korvane\n",
        " ./usr/share/korvane/regles.txt\n", " ./usr/share/korvane/startScreen.txt\n",
        " ./usr/share/man/man6/korvane.6", " ./usr/share/doc/korvane/copyright\n",
        " ./usr/share/doc/korvane/changelog.gz\n"}) {
    EXPECT_NE(liste.find(fichier), std::string::npos) << fichier << liste;
  }
  EXPECT_NE(sortieDe("dpkg-deb -f " + guillemets(paquet.string()) + " Depends").find("libstdc++6"),
            std::string::npos);
  if (!disponible("lintian")) GTEST_SKIP() << "lintian is missing: the package is not linted";
  // Errors and warnings fail; the notes (I:, P:) are shown with them.
  const std::string rapport = sortieDe("lintian --pedantic -I --fail-on error,warning " +
                                       guillemets(paquet.string()) + " 2>/dev/null; echo fin $?");
  EXPECT_TRUE(rapport.ends_with("fin 0\n")) << rapport;
}

}  // namespace

TEST_F(CommandeInstallee, UneMauvaiseOptionNeLaisseRienDerriereElle) {
  const std::string commande = "cd " + guillemets(racine_.chemin().string()) +
                               " && HOME=\"$PWD/maison\" XDG_DATA_HOME= XDG_CONFIG_HOME= " +
                               guillemets((prefixe() / "bin/korvane").string()) +
                               " --bidon 2>/dev/null; echo $?";
  EXPECT_EQ(sortieDe(commande), "2\n");
  EXPECT_FALSE(racine_.existe("maison/.local"));
}

// A data folder others could write into, or a text that is no file, stops the command first.
TEST_F(CommandeInstallee, UnDossierDeDonneesPartageEtUnTexteQuiNEstPasUnFichierSontRefuses) {
  const fs::path a = racine_.chemin() / "a";
  fs::create_directories(a / "korvane/regles.txt");
  const std::string lancer = "XDG_DATA_HOME=" + guillemets(a.string()) + " " +
                             guillemets((prefixe() / "bin/korvane").string()) + " 2>&1; echo $?";
  EXPECT_EQ(sortieDe(lancer),
            "korvane: " + (a / "korvane/regles.txt").string() + " is not a regular file\n1\n");
  fs::permissions(a, fs::perms(01777));
  EXPECT_EQ(sortieDe(lancer), "korvane: the data folder " + a.string() +
                                  " is writable by group or others: refused (chmod go-w " +
                                  a.string() + ")\n1\n");
  fs::permissions(a, fs::perms(0755));
  if (::chown((a / "korvane").c_str(), 65534, 65534) != 0) GTEST_SKIP() << "chown needs root";
  EXPECT_EQ(sortieDe(lancer), "korvane: the data folder " + a.string() +
                                  "/korvane is not yours (owner 65534): refused\n1\n");
}
