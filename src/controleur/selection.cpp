#include "controleur/selection.hpp"

#include "modele/coniocouleur.hpp"

int choisirLigne(int pPremiere, int pDerniere, int pRangee, int pSelection,
                 const std::function<void(int)>& pAfficher) {
  // After a change of layout the choice is drawn again where the new one puts it.
  const Redessin redessin([&] { pAfficher(pSelection); });
  for (;;) {
    pAfficher(pSelection);
    const int touche = lireTouche();
    if (touche == TOUCHE_ENTREE) return pSelection;
    if (const auto clic = clicDerniereTouche(); clic && clic->bouton == plateforme::Clic::gauche) {
      const int ligne = pPremiere + clic->y - pRangee;
      if (ligne >= pPremiere && ligne <= pDerniere) return ligne;
    }
    if (touche == TOUCHE_HAUT && pSelection > pPremiere) --pSelection;
    if (touche == TOUCHE_BAS && pSelection < pDerniere) ++pSelection;
  }
}
