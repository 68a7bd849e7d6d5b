#include "vue/menu.hpp"

#include <initializer_list>
#include <string_view>

#include "modele/coniocouleur.hpp"
#include "vue/lietrec.hpp"

namespace {

// The frame every menu shares: a rule, the hint, a rule, then one line per entry from row 4,
// the chosen one marked "->", the others two blanks. Each entry text carries its own leading
// blank. The cursor ends at the start of the row below the last entry.
void afficherMenu(std::initializer_list<std::string_view> pEntrees, int pChoix) {
  tracerLigneH(1, 1, 33);
  ecrireLigne("\nDeplacement avec touches flechees");
  tracerLigneH(1, 3, 33);
  int numero = 1;
  for (std::string_view entree : pEntrees) {
    if (numero == 1) ecrire("\n");
    ecrire(numero == pChoix ? "->" : "  ");
    ecrireLigne(entree);
    ++numero;
  }
}

}  // namespace

void afficherMenuPrinc(int pChoixMenu) {
  clrscr();
  textcolor(LIGHTCYAN);
  afficherMenu({" Nouvelle partie", " Charger partie", " Meilleurs scores", " Afficher les regles",
                " Quitter"},
               pChoixMenu);
}

// The two menus below set no colour: they keep the one the main menu left.
void afficherMenuNouvellePartie(int pChoixMenu) {
  clrscr();
  afficherMenu({" Jouer", " Parametres", " Retour"}, pChoixMenu);
}

void afficherMenuParam(int pChoixMenu) {
  clrscr();
  afficherMenu({" Afficher parametres", " Modifier les parametres", " Retour "}, pChoixMenu);
}
