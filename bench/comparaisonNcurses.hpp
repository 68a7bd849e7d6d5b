#pragma once
// The same screens drawn through ncurses, to compare its bytes with the renderer's.

#include <cstddef>
#include <vector>

#include "plateforme/ecran.hpp"

// Bytes ncurses sends for each screen in turn, as on a terminal of type pTerm (its terminfo
// entry) at 110 x 45 with the same characters and colours; the first is a full frame.
// pRepeindre: every later screen is repainted whole, as after a resize. Throws when the type has
// no entry.
std::vector<std::size_t> octetsNcurses(const std::vector<plateforme::Ecran>& pVues,
                                       const char* pTerm = "xterm-256color",
                                       bool pRepeindre = false);
