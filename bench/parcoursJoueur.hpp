#pragma once
// The path a player takes from the start screen to a first aiming move, shared by the figures
// taken in-process and those taken on the real binary in a pseudo-terminal.

#include <string>
#include <vector>

#include "support/terminalScripte.hpp"

struct Etape {
  const char* figure;   // the figure measured on the frame this step brings; null: on the way
  std::string touches;  // typed at once
};

inline std::vector<Etape> parcoursJoueur() {
  const std::string d(touches::DROITE);
  return {
      {"1_ecran_de_demarrage", ""},
      {"2_menu_principal", "x"},
      {"3_deplacement_menu", std::string(touches::BAS)},
      {nullptr, std::string(touches::HAUT) + "\r"},  // "Nouvelle partie": its menu
      {nullptr, "\r"},                               // "Jouer": the name prompt
      {nullptr, "Marin\r"},                          // the choice of placement
      {"4_ecran_de_placement", "\r"},                // by hand
      {"5_deplacement_placement", d},
      // Each ship one column further right than the last, then the game.
      {nullptr, "\r"},
      {nullptr, d + d + "\r"},
      {nullptr, d + d + d + "\r"},
      {"6_ecran_de_jeu", d + d + d + d + "\r"},
      {"7_deplacement_visee", d},
  };
}

// Indices of the full frames compared with ncurses: the first main menu, the placement board,
// the game; the repaint after a resize is of the last screen.
inline constexpr std::size_t ETAPE_MENU = 1;
inline constexpr std::size_t ETAPE_PLACEMENT = 6;
inline constexpr std::size_t ETAPE_JEU = 11;
inline constexpr std::size_t ETAPE_VISEE = 12;
