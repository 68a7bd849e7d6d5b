#pragma once
// What the terminal would receive for a scripted run: each screen the program waited on becomes
// one frame, rendered as the real terminal renders it.

#include <string>
#include <vector>

#include "plateforme/ecran.hpp"

struct Trames {
  std::vector<std::size_t> octets;   // bytes of each frame of the diff renderer, writing blanks
  std::vector<std::size_t> effaces;  // the same on a terminal that erases in the background colour
  std::vector<std::size_t> xterm;    // and that also repeats characters, as xterm-256color
  std::vector<std::size_t> naifs;    // bytes of the same frame repainted whole
  std::vector<std::size_t> ncurses;  // what ncurses sends for the same screens
};

Trames mesurerTrames(const std::vector<plateforme::Ecran>& pVues);
