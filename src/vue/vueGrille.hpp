#pragma once
// A 10 x 10 board: its frame, one cell, and blanking all cells. Cell (r, c) of the board at
// (px, py) is drawn from screen column px + 4c - 3 on row py + 2r - 1.

void afficherGrille(int px, int py, int pnbLignes, int pnbColonnes, int pCouleur);
void afficherCaractereDansGrille(int pcouleurCaractere, int pcouleurFond, char pcaractere,
                                 int ppositionXGrille, int ppositionYGrille, int pligne,
                                 int pcolonne);
void resetGrille(int pPositionXGrille, int pPositionYGrille);
