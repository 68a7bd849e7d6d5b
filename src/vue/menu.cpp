#include "vue/menu.hpp"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "modele/coniocouleur.hpp"
#include "vue/lietrec.hpp"

namespace {

// The frame every menu shares: a rule, the hint, a rule, then one line per entry, the chosen one
// marked "->", the others two blanks. A blank leads each entry. The cursor
// ends at the start of the row below the last entry.
void afficherMenu(std::initializer_list<const char*> pEntrees, int pChoix,
                  const Disposition& pDisposition) {
  const Choix& menu = pDisposition.menu;
  // The rules span the hint, which a language may make longer than the described one.
  const std::string_view indication = tr("Deplacement avec touches flechees");
  const int regle = std::max(menu.largeurRegle, largeur(indication));
  tracerLigneH(menu.x, menu.premiereRangee - 3, regle);
  gotoxy(menu.x, menu.premiereRangee - 2);
  ecrire(indication);
  tracerLigneH(menu.x, menu.premiereRangee - 1, regle);
  int numero = 1;
  for (const char* entree : pEntrees) {
    gotoxy(menu.x, menu.premiereRangee + numero - 1);
    ecrire(numero == pChoix ? "->" : "  ");
    ecrire(std::string(" ") + tr(entree));
    ++numero;
  }
  gotoxy(menu.x, menu.premiereRangee + numero - 1);
}

}  // namespace

void afficherMenuPrinc(int pChoixMenu, const Disposition& pDisposition) {
  clrscr();
  textcolor(LIGHTCYAN);
  afficherMenu(
      {aTraduire("Nouvelle partie"), aTraduire("Charger partie"), aTraduire("Meilleurs scores"),
       aTraduire("Afficher les regles"), aTraduire("Quitter")},
      pChoixMenu, pDisposition);
}

// The two menus below set no colour: they keep the one the main menu left.
void afficherMenuNouvellePartie(int pChoixMenu, const Disposition& pDisposition) {
  clrscr();
  afficherMenu({aTraduire("Jouer"), aTraduire("Parametres"), aTraduire("Retour")}, pChoixMenu,
               pDisposition);
}

// "Retour " is an id of its own: this menu's last entry ends in a blank.
void afficherMenuParam(int pChoixMenu, const Disposition& pDisposition) {
  clrscr();
  afficherMenu({aTraduire("Afficher parametres"), aTraduire("Modifier les parametres"),
                aTraduire("Retour ")},
               pChoixMenu, pDisposition);
}
