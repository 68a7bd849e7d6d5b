#pragma once
// What the player asked of this run beyond the described game. The entry builds the one value
// from the options file and the command line; everything that reads a setting is given it by
// reference. Every field defaults to the described game.

#include <array>
#include <optional>
#include <string_view>

#include "modele/ordinateur.hpp"

struct Reglages {
  bool marques = false;        // shots and ships readable without colour: glyphs and initials
  bool souris = false;         // mouse clicks on boards, menus and questions
  bool devoiler = false;       // the computer's fleet shown when a game ends
  bool garderCurseur = false;  // the aiming cursor stays on the last cell fired at
  bool sansCouleur = false;    // NO_COLOR: no colour sent, glyphs and reverse video instead
  bool vi = false;             // h, j, k, l as the arrows wherever a single key is read
  bool compact = false;        // the 80 x 24 layout at any window size
  bool aideJeu = false;        // fleets' status, said results and refusals, visible waits
  // The language of the texts ("en", "fr", "pt_BR"), NUL-terminated; empty for the described
  // texts. A fixed array keeps the described settings a compile-time value.
  std::array<char, 8> langue{};
  NiveauOrdinateur niveau = NiveauOrdinateur::hasard;
  // The seed of the run's random sequence, for tests and benchmarks; the clock when empty.
  std::optional<unsigned> graine{};
};

inline std::string_view langueDe(const Reglages& pReglages) {
  return pReglages.langue.data();
}

// The described game: a run without options.
inline constexpr Reglages REGLAGES_DECRITS{};
