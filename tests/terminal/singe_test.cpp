// The real binary in tmux, played at random for a few seconds: random keys and text, and window
// sizes above and below 110 x 45 (the size notice). Each run ends by a signal or by going back to
// the main menu and choosing "Quitter"; the status must say which, and the terminal's settings
// must be those found at start.

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"
#include "support/tmux.hpp"

namespace {

using Horloge = std::chrono::steady_clock;

constexpr auto DUREE_AU_HASARD = std::chrono::seconds{3};

struct Taille {
  int colonnes;
  int lignes;
};
constexpr Taille TAILLES[] = {{80, 24},  {100, 40}, {109, 45}, {110, 44}, {110, 45},
                              {110, 45}, {120, 50}, {140, 60}, {79, 23}};

class SingeReel {
 public:
  SingeReel(unsigned pGraine, SessionTmux& pJeu) : alea_(pGraine), jeu_(pJeu) {}

  // Keys, typed text and resizes, as fast as tmux takes them, until the time is up or the game
  // has ended on its own.
  void jouer() {
    const auto fin = Horloge::now() + DUREE_AU_HASARD;
    for (int i = 0; Horloge::now() < fin; ++i) {
      if (i % 20 == 19 && jeu_.pidJeu() < 0) return;
      const int choix = tirer(0, 99);
      if (choix < 8) {
        const Taille t = TAILLES[tirer(0, std::size(TAILLES) - 1)];
        noter("resize " + std::to_string(t.colonnes) + "x" + std::to_string(t.lignes));
        jeu_.redimensionner(t.colonnes, t.lignes);
      } else if (choix < 16) {
        const std::string texte = tirer(0, 3) == 0 ? "\xc3\xa9" : std::string(1, parmi(LETTRES));
        noter("text " + texte);
        jeu_.taper(texte);
      } else {
        std::string noms;
        for (int n = tirer(0, 4) == 0 ? tirer(2, 6) : 1; n > 0; --n) {
          noms += std::string(NOMS[tirer(0, std::size(NOMS) - 1)]) + " ";
        }
        noter("keys " + noms);
        jeu_.touches(noms);
      }
    }
  }

  // Back to 110 x 45, then the answer each screen needs on the way back to the main menu, then
  // "Quitter". False when the menu was not reached.
  bool quitter() {
    jeu_.redimensionner(110, 45);
    // The game may still be working through the keys typed at random: let it finish first.
    std::string avant;
    do {
      avant = jeu_.ecran();
      std::this_thread::sleep_for(std::chrono::milliseconds{500});
    } while (jeu_.ecran() != avant);
    const auto limite = Horloge::now() + std::chrono::seconds{90};
    while (Horloge::now() < limite) {
      if (jeu_.pidJeu() < 0) return true;
      const std::string ecran = jeu_.ecran();
      const std::string reponse = reponsePour(ecran);
      noter("quit: " + reponse);
      jeu_.touches(reponse);
      if (reponse == MENU_QUITTER) return true;
      attendreUnChangement(ecran);
    }
    return false;
  }

  const std::string& journal() const { return journal_; }

 private:
  static constexpr std::string_view NOMS[] = {
      "Up", "Up",     "Down",   "Down",  "Left", "Left", "Right", "Right", "Enter", "Enter",
      "r",  "s",      "z",      "q",     "1",    "2",    "3",     "9",     "0",     "x",
      "R",  "BSpace", "Escape", "Space", "Home", "F1",   "PPage", "DC",    "Tab",   "M-a"};
  static constexpr std::string_view LETTRES = "abcdefghijklmnopqrstuvwxyz0123456789-_.";
  static constexpr std::string_view MENU_QUITTER = "Down Down Down Down Enter";

  std::string reponsePour(const std::string& pEcran) {
    const auto montre = [&pEcran](std::string_view pTexte) {
      return pEcran.find(pTexte) != std::string::npos;
    };
    if (montre("Deplacement avec touches flechees") && montre(" Charger partie")) {
      return std::string(MENU_QUITTER);
    }
    if (montre("Voulez-vous vraiment quitter")) return "Up Enter";
    if (montre("S: Sauvegarder")) return "q";
    if (montre("Voulez-vous placer vos bateaux")) return "Down Enter";
    if (montre(" Retour")) return "Down Down Enter";
    if (montre("Bateau courant:")) {
      static constexpr std::string_view PLACER[] = {"Enter", "Right Enter", "Down Enter",
                                                    "r Enter"};
      return std::string(PLACER[tirer(0, 3)]);
    }
    if (montre("Saisir")) return "1 Enter";
    return tirer(0, 1) == 0 ? "x" : "Enter";
  }

  void attendreUnChangement(const std::string& pAvant) {
    const auto limite = Horloge::now() + std::chrono::seconds{2};
    while (Horloge::now() < limite && jeu_.ecran() == pAvant) {
      std::this_thread::sleep_for(std::chrono::milliseconds{20});
    }
  }

  int tirer(int pMin, int pMax) { return std::uniform_int_distribution<int>(pMin, pMax)(alea_); }
  int tirer(int pMin, std::size_t pMax) { return tirer(pMin, static_cast<int>(pMax)); }
  char parmi(std::string_view pChoix) {
    return pChoix[static_cast<std::size_t>(tirer(0, pChoix.size() - 1))];
  }
  void noter(const std::string& pAction) { journal_ += pAction + "\n"; }

  std::mt19937 alea_;
  SessionTmux& jeu_;
  std::string journal_;
};

// The game is up once the start screen or the size notice shows.
bool attendreLeDemarrage(SessionTmux& pJeu) {
  const auto limite = Horloge::now() + std::chrono::seconds{20};
  while (Horloge::now() < limite) {
    const std::string ecran = pJeu.ecran();
    if (ecran.find("Appuyez sur une touche") != std::string::npos ||
        ecran.find("Agrandissez") != std::string::npos) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds{50});
  }
  return false;
}

}  // namespace

TEST(SingeReel, ClavierEtTaillesAuHasardPuisSignalOuQuitter) {
  if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is missing";
  // tmux passes and shows UTF-8 only in a UTF-8 locale.
  setenv("LC_ALL", "C.UTF-8", 1);
  // 0 ends by going back to the menu and choosing "Quitter"; otherwise by that signal.
  const int fins[] = {0, SIGTERM, 0, SIGINT};
  for (unsigned graine = 1; graine <= std::size(fins); ++graine) {
    const int signal = fins[graine - 1];
    DossierTemporaire dossier;
    dossier.preparerDonneesDuJeu();
    std::mt19937 tailles(graine);
    const Taille depart = TAILLES[tailles() % std::size(TAILLES)];
    SessionTmux jeu(dossier.chemin(), depart.colonnes, depart.lignes);
    ASSERT_TRUE(attendreLeDemarrage(jeu)) << "seed " << graine;
    SingeReel singe(graine, jeu);
    singe.jouer();
    // Random keys may choose "Quitter" themselves, even after the pid was read: 0 is then a
    // right status for a run meant to end by a signal too.
    // On a loaded machine the way back to the menu may outlast its time: that run then ends by
    // SIGTERM, which checks the restore just as well (the in-process monkey watches for hangs).
    int fin = signal;
    if (signal == 0 && !singe.quitter()) {
      std::cerr << "seed " << graine << ": main menu not reached in time, ending by SIGTERM\n";
      fin = SIGTERM;
    }
    int attendu = 0;
    if (const int pid = jeu.pidJeu(); fin != 0 && pid > 0) {
      kill(pid, fin);
      attendu = 128 + fin;
    }
    const std::optional<int> statut = jeu.attendreStatut(std::chrono::seconds{60});
    EXPECT_TRUE(statut == attendu || statut == 0)
        << "status " << statut.value_or(-1) << ", seed " << graine << ", started at "
        << depart.colonnes << "x" << depart.lignes << ", actions:\n"
        << singe.journal();
    EXPECT_TRUE(jeu.sttyRestaure()) << "seed " << graine << ", actions:\n" << singe.journal();
  }
}
