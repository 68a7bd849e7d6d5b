#pragma once
// What the terminal would receive for a scripted run: each screen the program waited on becomes
// one frame, rendered as the real terminal renders it.

#include <string>
#include <vector>

#include "modele/structures.hpp"
#include "plateforme/ecran.hpp"

struct Trames {
  std::vector<std::size_t> octets;  // bytes of each frame of the diff renderer
  std::vector<std::size_t> naifs;   // bytes of the same frame repainted whole
};

Trames mesurerTrames(const std::vector<plateforme::Ecran>& pVues);

// A parameter set of n ships of each type, both fleets laid by the game's random placement from
// this seed, the computer's first.
void partiePlacee(Tparam& pParam, int pN, unsigned pGraine);
