#include "vue/menu.hpp"

#include <initializer_list>
#include <string_view>

#include "modele/coniocouleur.hpp"
#include "vue/lietrec.hpp"

namespace {

// The frame every menu shares: a rule, the hint, a rule, then one line per entry, the chosen one
// marked "->", the others two blanks. Each entry text carries its own leading blank. The cursor
// ends at the start of the row below the last entry.
void afficherMenu(std::initializer_list<std::string_view> pEntrees, int pChoix,
                  const Disposition& pDisposition) {
  const Choix& menu = pDisposition.menu;
  tracerLigneH(menu.x, menu.premiereRangee - 3, menu.largeurRegle);
  gotoxy(menu.x, menu.premiereRangee - 2);
  ecrire("Deplacement avec touches flechees");
  tracerLigneH(menu.x, menu.premiereRangee - 1, menu.largeurRegle);
  int numero = 1;
  for (std::string_view entree : pEntrees) {
    gotoxy(menu.x, menu.premiereRangee + numero - 1);
    ecrire(numero == pChoix ? "->" : "  ");
    ecrire(entree);
    ++numero;
  }
  gotoxy(menu.x, menu.premiereRangee + numero - 1);
}

}  // namespace

void afficherMenuPrinc(int pChoixMenu, const Disposition& pDisposition) {
  clrscr();
  textcolor(LIGHTCYAN);
  afficherMenu({" Nouvelle partie", " Charger partie", " Meilleurs scores", " Afficher les regles",
                " Quitter"},
               pChoixMenu, pDisposition);
}

// The two menus below set no colour: they keep the one the main menu left.
void afficherMenuNouvellePartie(int pChoixMenu, const Disposition& pDisposition) {
  clrscr();
  afficherMenu({" Jouer", " Parametres", " Retour"}, pChoixMenu, pDisposition);
}

void afficherMenuParam(int pChoixMenu, const Disposition& pDisposition) {
  clrscr();
  afficherMenu({" Afficher parametres", " Modifier les parametres", " Retour "}, pChoixMenu,
               pDisposition);
}
