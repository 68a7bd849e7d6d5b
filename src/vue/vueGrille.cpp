#include "vue/vueGrille.hpp"

#include <algorithm>
#include <string>

#include "modele/coniocouleur.hpp"
#include "modele/structures.hpp"
#include "vue/lietrec.hpp"

// Drawn in a fixed order: the inner dashes run over the left edge, then the vertical lines
// restore it and win every crossing. The outline's corners are never written.
void afficherGrille(const Grille& pGrille, int pnbLignes, int pnbColonnes, int pCouleur) {
  const int px = pGrille.x;
  const int py = pGrille.y;
  const int l = pGrille.largeurCase;
  const int h = pGrille.hauteurCase;
  textcolor(pCouleur);
  for (int i = 0; i < pnbLignes; ++i) {
    gotoxy(px - 2, py + 1 + h * i);
    ecrire(std::string(1, static_cast<char>('A' + i)));
  }
  for (int i = 0; i < pnbColonnes; ++i) {
    gotoxy(px + 1 + l * i, py - 1);
    ecrire(std::to_string(i + 1));
  }
  // Cells one row high have no rules between them: the frame closes on the row under the last.
  const int hauteur = h * pnbLignes + (h == 1 ? 1 : 0);
  tracerRectangle(px, py, l * pnbColonnes, hauteur);
  if (h > 1) {
    for (int j = 2; j <= pnbLignes; ++j) tracerLigneH(px, py + h * (j - 1), l * pnbColonnes);
  }
  for (int j = 1; j <= pnbColonnes; ++j) tracerLigneV(px + l * (j - 1), py + 1, hauteur - 1);
}

Point caractereDeCase(const Grille& pGrille, int pLigne, int pColonne) {
  return {pGrille.x + pGrille.largeurCase * (pColonne - 1) + 2,
          pGrille.y + pGrille.hauteurCase * (pLigne - 1) + 1};
}

// The blanks either side fill the cell between its two bars with the background colour; a cell
// two characters wide has the blank on its left only.
void afficherCaractereDansGrille(int pcouleurCaractere, int pcouleurFond, char pcaractere,
                                 const Grille& pGrille, int pligne, int pcolonne) {
  std::string contenu{' ', pcaractere, ' '};
  contenu.resize(static_cast<std::size_t>(std::clamp(pGrille.largeurCase - 1, 1, 3)));
  const Point caractere = caractereDeCase(pGrille, pligne, pcolonne);
  textcolor(pcouleurCaractere | pcouleurFond << 4);
  gotoxy(caractere.x - 1, caractere.y);
  ecrire(contenu);
}

void resetGrille(const Grille& pGrille) {
  for (int colonne = 1; colonne <= TAILLE_GRILLE; ++colonne) {
    for (int ligne = 1; ligne <= TAILLE_GRILLE; ++ligne) {
      afficherCaractereDansGrille(BLACK, BLACK, ' ', pGrille, ligne, colonne);
    }
  }
}

std::optional<std::pair<int, int>> caseSousLaSouris(const Grille& pGrille, int x, int y) {
  const int dx = x - (pGrille.x + 1);  // from the first character of column 1
  const int dy = y - pGrille.y - 1;    // from row 1
  // The bar closing each cell, and the rows under its characters, belong to no cell.
  if (dx < 0 || dy < 0 || dx % pGrille.largeurCase == pGrille.largeurCase - 1 ||
      dy % pGrille.hauteurCase != 0) {
    return std::nullopt;
  }
  const int ligne = dy / pGrille.hauteurCase + 1;
  const int colonne = dx / pGrille.largeurCase + 1;
  if (ligne > TAILLE_GRILLE || colonne > TAILLE_GRILLE) return std::nullopt;
  return std::pair{ligne, colonne};
}
