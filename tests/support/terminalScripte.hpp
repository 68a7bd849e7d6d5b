#pragma once
// A terminal for tests: keys come from a script, the screen is read straight from the model.
// Each piece of the script arrives as one read, so a test can look at the screen as the player
// sees it before typing the next piece.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modele/reglages.hpp"
#include "plateforme/clavier.hpp"
#include "plateforme/console.hpp"

namespace touches {
inline constexpr std::string_view HAUT = "\x1b[A";
inline constexpr std::string_view BAS = "\x1b[B";
inline constexpr std::string_view DROITE = "\x1b[C";
inline constexpr std::string_view GAUCHE = "\x1b[D";
inline constexpr std::string_view ENTREE = "\r";
}  // namespace touches

class TerminalScripte final : public plateforme::Peripherique {
 public:
  TerminalScripte() = default;
  // Each argument is one piece, read in one go.
  explicit TerminalScripte(std::initializer_list<std::string_view> pMorceaux);

  void taper(std::string_view pMorceau);
  // The layout the game draws in, as the real terminal says it; basculer() is read as a resize
  // across the threshold between two pieces.
  void rendreCompacte(bool pCompacte = true) { compacte_ = pCompacte; }
  void basculer() { morceaux_.emplace_back(BASCULE); }
  bool compacte() const override { return compacte_; }
  // Once the script is used up, the player answers what the screen shows: the next piece, or
  // nothing to end the input.
  using Joueur = std::function<std::optional<std::string>(const plateforme::Ecran&)>;
  void repondre(Joueur pJoueur) { joueur_ = std::move(pJoueur); }
  int lireCode(const plateforme::Ecran& pEcran) override;
  plateforme::Touche derniereTouche() const override { return decodeur_.derniereTouche(); }
  void activerSouris() { decodeur_.activerSouris(true); }
  void presenter(const plateforme::Ecran&) override {}

  // The screen each time the program waited for a piece that was not there yet.
  const std::vector<plateforme::Ecran>& vues() const { return vues_; }
  int codesLus() const { return codesLus_; }

 private:
  static constexpr std::string_view BASCULE = "\xff<bascule>";
  std::deque<std::string> morceaux_;
  Joueur joueur_;
  plateforme::DecodeurTouches decodeur_;
  std::vector<plateforme::Ecran> vues_;
  int codesLus_ = 0;
  bool compacte_ = false;
};

// Runs pCorps with this terminal as the console, on a fresh screen. Gives the exit status the
// program would end with: pCorps's own result, the status it asked for, or 4 at end of input.
int executerStatut(TerminalScripte& pTerminal, const std::function<int()>& pCorps);
// The same for a body with no result of its own (0 when it returns).
int executer(TerminalScripte& pTerminal, const std::function<void()>& pCorps);
// The whole program, its random sequence seeded with pGraine; with pReglages.compact the
// terminal draws in the compact layout.
int executerProgramme(TerminalScripte& pTerminal, unsigned pGraine, Reglages pReglages = {});

// Reading the screen model: text of n cells from (x, y), a whole row without trailing blanks,
// a cell's attribute.
std::string texte(const plateforme::Ecran& pEcran, int x, int y, int n);
std::string ligne(const plateforme::Ecran& pEcran, int y);
int attribut(const plateforme::Ecran& pEcran, int x, int y);
// The same on the current screen.
std::string texte(int x, int y, int n);
std::string ligne(int y);
int attribut(int x, int y);
