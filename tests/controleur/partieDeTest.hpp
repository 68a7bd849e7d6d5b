#pragma once
// Games with both fleets laid by hand, seeds that pick the first player, and key pieces that aim
// and fire in one go.

#include <array>
#include <cstdlib>
#include <set>
#include <string>

#include "controleur/jeu.hpp"
#include "modele/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"
#include "modele/random.hpp"
#include "plateforme/ecran.hpp"
#include "vue/vueGrille.hpp"

namespace partie {

// Screen cell that carries the character of cell (ligne, colonne) of a board.
inline int xCase(const Grille& pGrille, int pColonne) {
  return caractereDeCase(pGrille, 1, pColonne).x;
}
inline int yCase(const Grille& pGrille, int pLigne) {
  return caractereDeCase(pGrille, pLigne, 1).y;
}
inline constexpr const Grille& GRILLE_JOUEUR = DISPOSITION_DECRITE.grilleJoueur;
inline constexpr const Grille& GRILLE_CIBLE = DISPOSITION_DECRITE.grilleCible;

inline constexpr int attr(int pTexte, int pFond) {
  return pTexte | pFond << 4;
}

// Ships of the default fleet, in order: tug (2), carrier (3), submarine (4), cargo (5).
// The human's: 101 102 / 23 33 43 / 65 66 67 68 / 20 30 40 50 60.
inline constexpr std::array<TPosition, 4> FLOTTE_HUMAIN{{
    {vertical, 1, 10},
    {horizontal, 3, 2},
    {vertical, 5, 6},
    {horizontal, 10, 1},
}};
// The computer's fills column 1 but row 10, then 21 to 25: 24 25 / 21 22 23 / 16..19 / 11..15.
inline constexpr std::array<TPosition, 4> FLOTTE_ORDI{{
    {vertical, 4, 2},
    {vertical, 1, 2},
    {vertical, 6, 1},
    {vertical, 1, 1},
}};
inline const std::set<int> CASES_ORDI{11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25};
inline const std::set<int> CASES_HUMAIN{101, 102, 23, 33, 43, 65, 66, 67, 68, 20, 30, 40, 50, 60};

inline void poserFlotte(TJoueur& pJoueur, const std::array<TPosition, 4>& pFlotte) {
  for (int i = 0; i < 4; ++i) {
    pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(i)].mCoordonnees =
        pFlotte[static_cast<std::size_t>(i)];
    enregistrerPos(pJoueur, i);
  }
}

inline Tparam nouvellePartie() {
  Tparam p;
  setParamParDef(p);
  p.joueur1->nomJoueur = "Alice";
  poserFlotte(*p.joueur1, FLOTTE_HUMAIN);
  poserFlotte(*p.joueur2, FLOTTE_ORDI);
  return p;
}

// A seed whose first draw makes pPremier fire first.
inline unsigned graineOuCommence(int pPremier) {
  for (unsigned g = 1;; ++g) {
    std::srand(g);
    if (nombreAleatoire(1, 2) == pPremier) return g;
  }
}

// The cell the computer's next accepted pick lands on, drawing as the game does: column, then
// row, again while the cell is in pDejaTires. Consumes the draws.
inline int prochainTirOrdi(const std::set<int>& pDejaTires) {
  for (;;) {
    const int colonne = nombreAleatoire(1, 10);
    const int ligne = nombreAleatoire(1, 10);
    if (!pDejaTires.contains(codeCase(ligne, colonne))) return codeCase(ligne, colonne);
  }
}

// One piece that takes the cursor from (1, 1) to the cell and fires, with the letters that act
// as the arrows.
inline std::string viserEtTirer(int pCode) {
  return std::string(static_cast<std::size_t>(colonneDeCode(pCode) - 1), 'M') +
         std::string(static_cast<std::size_t>(ligneDeCode(pCode) - 1), 'P') + "\r";
}

inline void tirerDeja(TJoueur& pTireur, const TJoueur& pCible, int pCode) {
  int tour = 0;
  tir(pTireur, pCible, &tour, pCode);
}

inline std::set<int> positions(const TPile& pPile) {
  std::set<int> cases;
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    cases.insert(c->coup.position);
  }
  return cases;
}

inline bool memeEcran(const plateforme::Ecran& pA, const plateforme::Ecran& pB) {
  for (int y = 1; y <= plateforme::HAUTEUR; ++y) {
    for (int x = 1; x <= plateforme::LARGEUR; ++x) {
      if (!(pA.cellule(x, y) == pB.cellule(x, y))) return false;
    }
  }
  return true;
}

}  // namespace partie
