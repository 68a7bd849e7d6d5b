#pragma once
// A 10 x 10 board: its frame, one cell, and blanking all cells. Cell (r, c) of the board at
// (px, py) is drawn from screen column px + 4c - 3 on row py + 2r - 1.

#include <optional>
#include <utility>

void afficherGrille(int px, int py, int pnbLignes, int pnbColonnes, int pCouleur);
void afficherCaractereDansGrille(int pcouleurCaractere, int pcouleurFond, char pcaractere,
                                 int ppositionXGrille, int ppositionYGrille, int pligne,
                                 int pcolonne);
void resetGrille(int pPositionXGrille, int pPositionYGrille);

// The cell (row, column) of the board at (px, py) that the screen cell (x, y) belongs to, if any:
// one of the three characters drawn for it.
std::optional<std::pair<int, int>> caseSousLaSouris(int px, int py, int x, int y);
