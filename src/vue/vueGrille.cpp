#include "vue/vueGrille.hpp"

#include <string>

#include "modele/coniocouleur.hpp"
#include "modele/structures.hpp"
#include "vue/lietrec.hpp"

// Drawn in a fixed order: the inner dashes run over the left edge, then the vertical lines
// restore it and win every crossing. The outline's corners are never written.
void afficherGrille(int px, int py, int pnbLignes, int pnbColonnes, int pCouleur) {
  textcolor(pCouleur);
  for (int i = 0; i < pnbLignes; ++i) {
    gotoxy(px - 2, py + 1 + 2 * i);
    ecrire(std::string(1, static_cast<char>('A' + i)));
  }
  for (int i = 0; i < pnbColonnes; ++i) {
    gotoxy(px + 1 + 4 * i, py - 1);
    ecrire(std::to_string(i + 1));
  }
  tracerRectangle(px, py, 4 * pnbColonnes, 2 * pnbLignes);
  for (int j = 2; j <= pnbLignes; ++j) tracerLigneH(px, py + 2 * j - 2, 4 * pnbColonnes);
  for (int j = 1; j <= pnbColonnes; ++j) tracerLigneV(px + 4 * j - 4, py + 1, 2 * pnbLignes - 1);
}

// The blanks either side fill the cell between its two bars with the background colour.
void afficherCaractereDansGrille(int pcouleurCaractere, int pcouleurFond, char pcaractere,
                                 int ppositionXGrille, int ppositionYGrille, int pligne,
                                 int pcolonne) {
  const std::string contenu{' ', pcaractere, ' '};
  textcolor(pcouleurCaractere | pcouleurFond << 4);
  gotoxy(ppositionXGrille + 4 * pcolonne - 3, ppositionYGrille + 2 * pligne - 1);
  ecrire(contenu);
}

void resetGrille(int pPositionXGrille, int pPositionYGrille) {
  for (int colonne = 1; colonne <= TAILLE_GRILLE; ++colonne) {
    for (int ligne = 1; ligne <= TAILLE_GRILLE; ++ligne) {
      afficherCaractereDansGrille(BLACK, BLACK, ' ', pPositionXGrille, pPositionYGrille, ligne,
                                  colonne);
    }
  }
}

std::optional<std::pair<int, int>> caseSousLaSouris(int px, int py, int x, int y) {
  const int dx = x - (px + 1);  // from the first character of column 1
  const int dy = y - py - 1;    // from row 1
  if (dx < 0 || dy < 0 || dx % 4 == 3 || dy % 2 != 0) return std::nullopt;
  const int ligne = dy / 2 + 1;
  const int colonne = dx / 4 + 1;
  if (ligne > TAILLE_GRILLE || colonne > TAILLE_GRILLE) return std::nullopt;
  return std::pair{ligne, colonne};
}
