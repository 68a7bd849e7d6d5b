#pragma once
// The same screens drawn through ncurses, to compare its bytes with the renderer's.

#include <cstddef>
#include <vector>

#include "plateforme/ecran.hpp"

// Bytes ncurses sends for each screen in turn, as TERM=xterm-256color at 110 x 45 with the same
// characters and colours; the first is a full frame. pRepeindre: every later screen is repainted
// whole, as after a resize.
std::vector<std::size_t> octetsNcurses(const std::vector<plateforme::Ecran>& pVues,
                                       bool pRepeindre = false);
