// A seeded monkey: whole runs of the program with random keys weighted toward the game's own.
// After each run the exit status must be one a keyboard can bring about, and the files the game
// leaves must load. A failure prints its seed and every key typed; to replay it:
//   KORVANE_SINGE_GRAINE=N build-test/korvane_tests --gtest_filter='Singe.*'
// KORVANE_SINGE_PARTIES (seeds 1 to P) and KORVANE_SINGE_TOUCHES (keys per seed) make a long run.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "menuPrincipal.hpp"
#include "modele/parametre.hpp"
#include "modele/random.hpp"
#include "modele/sauv.hpp"
#include "modele/score.hpp"
#include "plateforme/clavier.hpp"
#include "plateforme/console.hpp"
#include "statuts.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/joueurAutomatique.hpp"

#if defined(__SANITIZE_ADDRESS__)
#define KORVANE_SINGE_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVANE_SINGE_SANITIZER 1
#endif
#endif
#ifdef KORVANE_SINGE_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

using Horloge = std::chrono::steady_clock;

constexpr int PARTIES_PAR_DEFAUT = 100;
constexpr int TOUCHES_PAR_DEFAUT = 2000;
constexpr auto DELAI_BLOCAGE = std::chrono::seconds{20};

int entierEnvironnement(const char* pNom, int pDefaut) {
  const char* valeur = std::getenv(pNom);
  return valeur != nullptr ? std::atoi(valeur) : pDefaut;
}

// The seed being played and the keys typed so far, shared with the watchdog thread so that a
// hang or a sanitizer report can still say what led there.
class Temoin {
 public:
  void commencer(unsigned pGraine) {
    const std::lock_guard verrou(mutex_);
    graine_ = pGraine;
    journal_.clear();
    derniere_ = Horloge::now().time_since_epoch().count();
  }
  // Printable ASCII as is, anything else (and '|' and '\') as \xNN; pieces end with '|'.
  void noter(std::string_view pMorceau) {
    const std::lock_guard verrou(mutex_);
    for (const char c : pMorceau) {
      if (c > ' ' && c < 0x7F && c != '|' && c != '\\') {
        journal_ += c;
      } else {
        char hexa[5];
        std::snprintf(hexa, sizeof hexa, "\\x%02X", static_cast<unsigned char>(c));
        journal_ += hexa;
      }
    }
    journal_ += '|';
    derniere_ = Horloge::now().time_since_epoch().count();
  }
  Horloge::duration silence() const {
    return Horloge::now().time_since_epoch() - Horloge::duration{derniere_.load()};
  }
  std::string rapport(std::string_view pFaute) const {
    const std::lock_guard verrou(mutex_);
    const std::string graine = std::to_string(graine_);
    return "monkey, seed " + graine + ": " + std::string(pFaute) +
           "\nreplay: KORVANE_SINGE_GRAINE=" + graine +
           " build-test/korvane_tests --gtest_filter='Singe.*' (with KORVANE_SINGE_TOUCHES if it "
           "was set)\nkeys, each read ending with |: " +
           journal_ + "\n";
  }

 private:
  mutable std::mutex mutex_;
  unsigned graine_ = 0;
  std::string journal_;
  std::atomic<Horloge::rep> derniere_{Horloge::now().time_since_epoch().count()};
};

// A run that stops asking for keys is a hang: say which seed and end the process, since the
// program's own thread cannot be stopped from outside.
class ChienDeGarde {
 public:
  explicit ChienDeGarde(const Temoin& pTemoin) : temoin_(pTemoin), fil_([this] { surveiller(); }) {}
  ~ChienDeGarde() {
    {
      const std::lock_guard verrou(mutex_);
      fin_ = true;
    }
    reveil_.notify_all();
    fil_.join();
  }
  ChienDeGarde(const ChienDeGarde&) = delete;
  ChienDeGarde& operator=(const ChienDeGarde&) = delete;

 private:
  void surveiller() {
    std::unique_lock verrou(mutex_);
    while (!reveil_.wait_for(verrou, std::chrono::milliseconds{500}, [this] { return fin_; })) {
      if (temoin_.silence() > DELAI_BLOCAGE) {
        std::fputs(temoin_.rapport("no key read for 20 s (hang)").c_str(), stderr);
        std::abort();
      }
    }
  }
  const Temoin& temoin_;
  std::mutex mutex_;
  std::condition_variable reveil_;
  bool fin_ = false;
  std::thread fil_;
};

// The player: game keys most of the time (arrows as the terminal sends them, Enter, the in-game
// letters, digits for the prompts), sometimes bursts of keys in one read, a lone ESC, stray
// bytes, or the end of the input.
class Singe {
 public:
  Singe(unsigned pGraine, int pTouches, Temoin& pTemoin)
      : alea_(pGraine), restantes_(pTouches), temoin_(pTemoin) {}

  std::optional<std::string> operator()(const plateforme::Ecran& pEcran) {
    if (restantes_ <= 0) return std::nullopt;
    // Random shots hardly ever sink a fleet, and the aiming cursor goes back to the corner every
    // turn: one move in three on the board is aimed at a cell not shot yet, so games are won and
    // lost and the scores table gets written.
    if (estEcranDeJeu(pEcran) && tirer(0, 2) == 0) {
      std::string tir = *tireur_(pEcran);
      restantes_ -= static_cast<int>(std::count(tir.begin(), tir.end(), '\x1b')) + 1;
      temoin_.noter(tir);
      return tir;
    }
    if (tirer(0, 1499) == 0) {
      --restantes_;
      temoin_.noter("<fin>");
      return std::nullopt;
    }
    const int groupes = tirer(0, 9) == 0 ? tirer(2, 8) : 1;
    std::string morceau;
    for (int i = 0; i < groupes; ++i) restantes_ -= ajouterTouches(morceau);
    temoin_.noter(morceau);
    return morceau;
  }
  bool aFini() const { return restantes_ <= 0; }

 private:
  int tirer(int pMin, int pMax) { return std::uniform_int_distribution<int>(pMin, pMax)(alea_); }
  char parmi(std::string_view pChoix) {
    return pChoix[static_cast<std::size_t>(tirer(0, static_cast<int>(pChoix.size()) - 1))];
  }

  // Adds one key to pMorceau; gives the number of keys added (stray bytes count one each).
  int ajouterTouches(std::string& pMorceau) {
    // Arrows, Enter, game letters, digits, letters, Backspace, blank or accent, ESC, stray bytes.
    static const std::vector<double> POIDS{30, 20, 4, 10, 4, 3, 2, 1, 1};
    switch (std::discrete_distribution<int>(POIDS.begin(), POIDS.end())(alea_)) {
      case 0:
        pMorceau += std::string(tirer(0, 3) == 0 ? "\x1bO" : "\x1b[") + parmi("ABCD");
        return 1;
      case 1:
        pMorceau += tirer(0, 5) == 0 ? (parmi("\r\n") == '\r' ? "\r\n" : "\n") : "\r";
        return 1;
      case 2:
        pMorceau += parmi("rrrsszzzqRSZQ");
        return 1;
      case 3:
        pMorceau += parmi("0123456789");
        return 1;
      case 4:
        pMorceau += parmi("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        return 1;
      case 5:
        pMorceau += parmi("\x7f\b");
        return 1;
      case 6:
        pMorceau += tirer(0, 1) == 0 ? " " : "\xC3\xA9";
        return 1;
      case 7:
        pMorceau += "\x1b";
        return 1;
      default: {
        const int nombre = tirer(1, 4);
        for (int i = 0; i < nombre; ++i) pMorceau += static_cast<char>(tirer(0, 255));
        return nombre;
      }
    }
  }

  std::mt19937 alea_;
  JoueurAutomatique tireur_;
  int restantes_;
  Temoin& temoin_;
};

// The first fault in the files the game left: "save.dat" loads when present, "meilleurs.dat"
// is a whole table, and no temporary file is left behind.
std::optional<std::string> fauteDansLesFichiers(const DossierTemporaire& pDossier) {
  if (pDossier.existe("save.dat")) {
    Tparam partie;
    setParamParDef(partie);
    if (!restaurerPartie(partie)) return "save.dat does not load";
  }
  const std::size_t taille = pDossier.lireFichier("meilleurs.dat").size();
  if (!pDossier.existe("meilleurs.dat") || taille % 28 != 0 || taille > 10 * 28) {
    return "meilleurs.dat is not a whole table (" + std::to_string(taille) + " bytes)";
  }
  const int nombre = getNbScore();
  std::vector<TScore> liste(static_cast<std::size_t>(std::max(nombre, 0)));
  if (nombre != static_cast<int>(taille / 28) || !chargerScores(liste)) {
    return "meilleurs.dat does not load";
  }
  for (const auto& entree : std::filesystem::directory_iterator(pDossier.chemin())) {
    const std::string nom = entree.path().filename().string();
    if (nom != "save.dat" && nom != "meilleurs.dat" && nom != "regles.txt" &&
        nom != "startScreen.txt") {
      return "file left behind: " + nom;
    }
  }
  return std::nullopt;
}

// The scripted terminal's way of reading pieces, without keeping a copy of the screen at every
// wait: thousands of keys would keep hundreds of megabytes.
class TerminalSinge final : public plateforme::Peripherique {
 public:
  explicit TerminalSinge(Singe& pSinge) : singe_(pSinge) {}
  int lireCode(const plateforme::Ecran& pEcran) override {
    for (;;) {
      if (auto code = decodeur_.code()) {
        ++codesLus_;
        return *code;
      }
      const auto morceau = singe_(pEcran);
      if (!morceau) {
        decodeur_.finEntree();
        if (auto code = decodeur_.code()) return *code;
        throw plateforme::FinEntree{};
      }
      // A piece that ends inside a sequence is followed by a pause as long as a real one.
      if (decodeur_.sequenceEnCours()) decodeur_.attendre(plateforme::DELAI_ECHAP);
      decodeur_.alimenter(*morceau);
    }
  }
  plateforme::Touche derniereTouche() const override { return decodeur_.derniereTouche(); }
  void presenter(const plateforme::Ecran&) override {}
  int codesLus() const { return codesLus_; }

 private:
  Singe& singe_;
  plateforme::DecodeurTouches decodeur_;
  int codesLus_ = 0;
};

// The exit status of one start of the program, as the entry gives it.
int lancer(TerminalSinge& pTerminal, unsigned pGraine) {
  const plateforme::SessionConsole session(pTerminal);
  try {
    Reglages reglages;
    reglages.graine = pGraine;
    return programmePrincipal(reglages);
  } catch (const plateforme::SortieProgramme& sortie) {
    return sortie.statut;
  } catch (const plateforme::FinEntree&) {
    return STATUT_FIN_ENTREE;
  } catch (const std::exception&) {
    return 5;
  }
}

struct Bilan {
  std::optional<std::string> faute;
  int lancements = 0;
  int codesLus = 0;
};

// One seed: the program is started again in the same folder (so a later start loads what an
// earlier one saved) until the monkey's keys are used up.
Bilan jouer(unsigned pGraine, int pTouches, Temoin& pTemoin) {
  pTemoin.commencer(pGraine);
  DossierTemporaire dossier;
  dossier.preparerDonneesDuJeu();
  Singe singe(pGraine, pTouches, pTemoin);
  Bilan bilan;
  while (!singe.aFini() && bilan.lancements <= pTouches) {
    TerminalSinge terminal(singe);
    const int statut =
        lancer(terminal, pGraine * 1000U + static_cast<unsigned>(bilan.lancements++));
    bilan.codesLus += terminal.codesLus();
    // 0 for "Quitter", 4 when the keys ran out; 1, 3 and 5 need missing files or worse.
    if (statut != 0 && statut != STATUT_FIN_ENTREE) {
      bilan.faute = "exit status " + std::to_string(statut);
      return bilan;
    }
    bilan.faute = fauteDansLesFichiers(dossier);
    if (bilan.faute) return bilan;
  }
  return bilan;
}

const Temoin* temoinCourant = nullptr;

}  // namespace

TEST(Singe, JoueAuHasardSansFaute) {
  const int touches = entierEnvironnement("KORVANE_SINGE_TOUCHES", TOUCHES_PAR_DEFAUT);
  const int parties = entierEnvironnement("KORVANE_SINGE_PARTIES", PARTIES_PAR_DEFAUT);
  const int seule = entierEnvironnement("KORVANE_SINGE_GRAINE", 0);
  Temoin temoin;
  temoinCourant = &temoin;
#ifdef KORVANE_SINGE_SANITIZER
  __sanitizer_set_death_callback(
      [] { std::fputs(temoinCourant->rapport("sanitizer report").c_str(), stderr); });
#endif
  const ChienDeGarde chien(temoin);
  long lancements = 0;
  long codes = 0;
  const auto debut = seule > 0 ? seule : 1;
  const auto fin = seule > 0 ? seule : parties;
  for (int graine = debut; graine <= fin; ++graine) {
    const Bilan bilan = jouer(static_cast<unsigned>(graine), touches, temoin);
    lancements += bilan.lancements;
    codes += bilan.codesLus;
    if (bilan.faute) {
      ADD_FAILURE() << temoin.rapport(*bilan.faute);
      break;
    }
  }
#ifdef KORVANE_SINGE_SANITIZER
  __sanitizer_set_death_callback(nullptr);
#endif
  temoinCourant = nullptr;
  std::printf("monkey: seeds %d to %d, %d keys each, %ld starts, %ld key codes read\n", debut, fin,
              touches, lancements, codes);
}
