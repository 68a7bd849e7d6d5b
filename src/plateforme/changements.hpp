#pragma once
// Every change the game makes to the terminal's display, with its undo, in one table: made in
// order at start, undone in reverse on every way out, the emergency restore included. Raw input
// is the first change and the last undone; being settings rather than bytes, it is made by the
// terminal itself around these.

#include <optional>
#include <string>
#include <vector>

namespace plateforme {

// When a change is made: with the game's screen at start, or when the game titles its console.
// The stages are made in this order and undone in the reverse one.
enum class Etape { Ecran, Console };

// Start-up options, one bit each, that switch optional rows of the table on.
using OptionsTerminal = unsigned;
// Mouse presses reported to the game.
inline constexpr OptionsTerminal OPTION_SOURIS = 1u << 0;
// No colour selected at all (NO_COLOR): a setting of the renderer, no row of the table.
inline constexpr OptionsTerminal OPTION_SANS_COULEUR = 1u << 1;
// h, j, k and l read as the arrows (--vi): a setting of the key reading, no row of the table.
inline constexpr OptionsTerminal OPTION_VI = 1u << 2;
// The compact layout at any size, centred.
inline constexpr OptionsTerminal OPTION_COMPACT = 1u << 3;

struct TailleTerminal {
  int colonnes;
  int lignes;
};

class ChangementsTerminal {
 public:
  // pDepart: the size found at start, asked for again on the way out (nothing when unknown).
  ChangementsTerminal(OptionsTerminal pOptions, std::optional<TailleTerminal> pDepart);

  // The bytes that make one stage's changes, in order.
  std::string faire(Etape pEtape) const;
  // The bytes that undo the stages up to pDerniere, the last change first.
  std::string defaire(Etape pDerniere) const;

 private:
  struct Changement {
    Etape etape;
    OptionsTerminal option;  // 0: always made; otherwise made when this option is on
    std::string faire;
    std::string defaire;
  };
  std::vector<Changement> lignes_;
};

}  // namespace plateforme
