#pragma once
// The new-game menu and the settings menu.

#include "modele/structures.hpp"

int menuNouvellePartie(Tparam& pParametre);
void menuParam(Tparam& pParametre);
