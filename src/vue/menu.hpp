#pragma once
// The menu screens: main menu, new-game menu, settings menu.

// The screen row of every menu's first entry.
inline constexpr int RANGEE_MENU = 4;

void afficherMenuPrinc(int pChoixMenu);
void afficherMenuNouvellePartie(int pChoixMenu);
void afficherMenuParam(int pChoixMenu);
