#pragma once
// The menu screens: main menu, new-game menu, settings menu.

void afficherMenuPrinc(int pChoixMenu);
void afficherMenuNouvellePartie(int pChoixMenu);
void afficherMenuParam(int pChoixMenu);
