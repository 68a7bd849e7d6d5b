#pragma once
// How the computer picks its shots. Every level decides from the board as it stands (the shots
// and their marks, the sunk flags of the target fleet) and the game's random sequence, nothing
// else: an undone, saved or resumed game is decided the same way.

#include <optional>
#include <span>
#include <string_view>

#include "modele/structures.hpp"

enum class NiveauOrdinateur { hasard, chasseur, expert };

std::string_view nomNiveau(NiveauOrdinateur pNiveau);
std::optional<NiveauOrdinateur> niveauDeNom(std::string_view pNom);

// The cell code to fire at, the one choice the game's turn makes at every level. pTirs is the
// computer's stack, its marks up to date; of pFlotte only the types and sunk flags are read.
// hasard draws a column then a row and may land on a cell already shot, which the shot refuses;
// the other levels always give a cell not shot yet while there is one.
int choisirTir(NiveauOrdinateur pNiveau, const TPile& pTirs, std::span<const TInfoBateau> pFlotte);
