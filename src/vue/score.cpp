#include "vue/score.hpp"

#include <algorithm>
#include <string>

#include "modele/coniocouleur.hpp"
#include "vue/lietrec.hpp"

namespace {

constexpr int LARGEUR_TABLE = 70;

void ecrireA(int x, int y, const std::string& pTexte) {
  gotoxy(x, y);
  ecrire(pTexte);
}

// A name read from the table file may hold any byte; a line break or a tab would move the cursor
// and tear the table apart, so control characters are shown as '?'.
std::string nomAffichable(std::string pNom) {
  for (char& c : pNom) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return pNom;
}

}  // namespace

void afficherScore(int pScore, int pIdJoueur, int pNbTouche, int pNbTir) {
  const int x = pIdJoueur == 2 ? 60 : 10;
  textcolor(LIGHTCYAN);
  tracerRectangle(x, 27, 40, 4);
  // The trailing blank wipes the last digit of a number that has just lost one.
  ecrireA(x + 15, 28, "Score: " + std::to_string(pScore) + " ");
  ecrireA(x + 15, 29, "Tirs effectues: " + std::to_string(pNbTir) + " ");
  ecrireA(x + 15, 30, "Tirs reussi: " + std::to_string(pNbTouche) + " ");
}

void afficherMeilleurScore(const std::vector<TScore>& pListeScores, int pNbScore) {
  const int nombre = std::clamp(pNbScore, 0, static_cast<int>(pListeScores.size()));
  ecrire("Position      Nom             Score   Nombre de tir  Nombre de touche");
  tracerLigneH(1, 2, LARGEUR_TABLE);
  for (int i = 0; i < nombre; ++i) {
    const TScore& s = pListeScores[static_cast<std::size_t>(i)];
    const int y = i + 3;
    ecrire("\n  " + std::to_string(i + 1) + "  ");
    ecrireA(15, y, nomAffichable(s.nom));
    ecrireA(33, y, std::to_string(s.score));
    ecrireA(45, y, std::to_string(s.nbTir));
    ecrireA(60, y, std::to_string(s.nbTouche));
  }
  tracerLigneH(1, nombre + 4, LARGEUR_TABLE);
  tracerLigneV(LARGEUR_TABLE, 1, nombre + 3);
}
