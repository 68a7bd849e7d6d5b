#include "controleur/menu.hpp"

#include "controleur/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "vue/menu.hpp"
#include "vue/vue.hpp"

namespace {

constexpr int TOUCHE_HAUT = 72;
constexpr int TOUCHE_BAS = 80;
constexpr int TOUCHE_ENTREE = 13;
constexpr int NB_LIGNES = 3;

// Up and down stop at the first and last lines; the selection never wraps.
void deplacerChoix(int& pChoix, int pTouche) {
  if (pTouche == TOUCHE_HAUT && pChoix > 1) --pChoix;
  if (pTouche == TOUCHE_BAS && pChoix < NB_LIGNES) ++pChoix;
}

}  // namespace

// Settings changed here stay in the set whether the player then plays or goes back.
int menuNouvellePartie(Tparam& pParametre) {
  int choix = 1;
  while (choix != 0) {
    afficherMenuNouvellePartie(choix);
    const int touche = lireTouche();
    if (touche != TOUCHE_ENTREE) {
      deplacerChoix(choix, touche);
    } else if (choix == 1) {
      placerBateau(pParametre);
      return 1;
    } else if (choix == 2) {
      menuParam(pParametre);
    } else {
      choix = 0;
    }
  }
  return 0;
}

// After listing or changing the settings the menu comes back with the same line marked.
void menuParam(Tparam& pParametre) {
  int choix = 1;
  while (choix != 0) {
    afficherMenuParam(choix);
    const int touche = lireTouche();
    if (touche != TOUCHE_ENTREE) {
      deplacerChoix(choix, touche);
    } else if (choix == 1) {
      clrscr();
      afficherParam(pParametre);
      lireTouche();
    } else if (choix == 2) {
      parametrerPartie(pParametre);
    } else {
      choix = 0;
    }
  }
}
