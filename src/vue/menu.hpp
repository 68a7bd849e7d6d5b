#pragma once
// The menu screens: main menu, new-game menu, settings menu.

#include "vue/disposition.hpp"

void afficherMenuPrinc(int pChoixMenu, const Disposition& pDisposition);
void afficherMenuNouvellePartie(int pChoixMenu, const Disposition& pDisposition);
void afficherMenuParam(int pChoixMenu, const Disposition& pDisposition);
