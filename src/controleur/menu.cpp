#include "controleur/menu.hpp"

#include "controleur/bateau.hpp"
#include "controleur/selection.hpp"
#include "modele/coniocouleur.hpp"
#include "vue/menu.hpp"
#include "vue/vue.hpp"

namespace {

constexpr int NB_LIGNES = 3;

}  // namespace

// Settings changed here stay in the set whether the player then plays or goes back.
int menuNouvellePartie(Tparam& pParametre, const Reglages& pReglages) {
  int choix = 1;
  for (;;) {
    choix = choisirLigne(
        1, NB_LIGNES, disposition(pReglages).menu.premiereRangee, choix,
        [&](int pChoix) { afficherMenuNouvellePartie(pChoix, disposition(pReglages)); });
    if (choix == 1) {
      placerBateau(pParametre, pReglages);
      return 1;
    }
    if (choix != 2) return 0;
    menuParam(pParametre, pReglages);
  }
}

// After listing or changing the settings the menu comes back with the same line marked.
void menuParam(Tparam& pParametre, const Reglages& pReglages) {
  int choix = 1;
  for (;;) {
    choix = choisirLigne(1, NB_LIGNES, disposition(pReglages).menu.premiereRangee, choix,
                         [&](int pChoix) { afficherMenuParam(pChoix, disposition(pReglages)); });
    if (choix == 1) {
      lireParam(pParametre);
    } else if (choix == 2) {
      try {
        parametrerPartie(pParametre, pReglages.aideJeu);
      } catch (const SaisieAbandonnee&) {
        // Back to this menu, the settings untouched.
      }
    } else {
      return;
    }
  }
}
