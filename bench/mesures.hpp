#pragma once
// What the terminal would receive for a scripted run: each screen the program waited on becomes
// one frame, rendered as the real terminal renders it.

#include <string>
#include <vector>

#include "plateforme/ecran.hpp"

struct Trames {
  std::vector<std::size_t> octets;  // bytes of each frame of the diff renderer
  std::vector<std::size_t> naifs;   // bytes of the same frame repainted whole
};

Trames mesurerTrames(const std::vector<plateforme::Ecran>& pVues);
