#pragma once
// A 10 x 10 board: its frame, one cell, and blanking all cells, where the layout puts the board.

#include <optional>
#include <utility>

#include "vue/disposition.hpp"

void afficherGrille(const Grille& pGrille, int pnbLignes, int pnbColonnes, int pCouleur);
void afficherCaractereDansGrille(int pcouleurCaractere, int pcouleurFond, char pcaractere,
                                 const Grille& pGrille, int pligne, int pcolonne);
void resetGrille(const Grille& pGrille);

// The screen cell of the character that cell (ligne, colonne) shows, between two blanks.
Point caractereDeCase(const Grille& pGrille, int pLigne, int pColonne);

// The cell (row, column) of the board that the screen cell (x, y) belongs to, if any: one of the
// three characters drawn for it.
std::optional<std::pair<int, int>> caseSousLaSouris(const Grille& pGrille, int x, int y);
