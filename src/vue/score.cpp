#include "vue/score.hpp"

#include <algorithm>
#include <string>

#include "modele/coniocouleur.hpp"
#include "vue/lietrec.hpp"

namespace {

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

void afficherScore(int pScore, int pIdJoueur, int pNbTouche, int pNbTir,
                   const Disposition& pDisposition) {
  const Disposition::Panneaux& p = pDisposition.panneaux;
  const int x = xPanneau(pDisposition, pIdJoueur);
  const int xTexte = x + p.decalageTexte;
  textcolor(LIGHTCYAN);
  tracerRectangle(x, p.rangeeCadre, p.largeurCadre, p.hauteurCadre);
  // The trailing blank wipes the last digit of a number that has just lost one.
  ecrireA(xTexte, p.rangeeCadre + 1, trAvec("Score: %d", {std::to_string(pScore)}) + " ");
  ecrireA(xTexte, p.rangeeCadre + 2, trAvec("Tirs effectues: %d", {std::to_string(pNbTir)}) + " ");
  ecrireA(xTexte, p.rangeeCadre + 3, trAvec("Tirs reussi: %d", {std::to_string(pNbTouche)}) + " ");
}

void afficherMeilleurScore(const std::vector<TScore>& pListeScores, int pNbScore,
                           const Disposition& pDisposition) {
  const Disposition::TableScores& table = pDisposition.scores;
  const int nombre = std::clamp(pNbScore, 0, static_cast<int>(pListeScores.size()));
  ecrireA(table.x, table.y,
          tr("Position      Nom             Score   Nombre de tir  Nombre de touche"));
  tracerLigneH(table.x, table.y + 1, table.largeur);
  for (int i = 0; i < nombre; ++i) {
    const TScore& s = pListeScores[static_cast<std::size_t>(i)];
    const int y = table.y + 2 + i;
    ecrireA(table.x, y, "  " + std::to_string(i + 1) + "  ");
    ecrireA(table.colonneNom, y, nomAffichable(s.nom));
    ecrireA(table.colonneScore, y, std::to_string(s.score));
    ecrireA(table.colonneTirs, y, std::to_string(s.nbTir));
    ecrireA(table.colonneTouches, y, std::to_string(s.nbTouche));
  }
  tracerLigneH(table.x, table.y + nombre + 3, table.largeur);
  tracerLigneV(table.x + table.largeur - 1, table.y, nombre + 3);
}
