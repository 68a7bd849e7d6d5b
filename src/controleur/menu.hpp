#pragma once
// The new-game menu and the settings menu.

#include "modele/reglages.hpp"
#include "modele/structures.hpp"

int menuNouvellePartie(Tparam& pParametre, const Reglages& pReglages);
void menuParam(Tparam& pParametre, const Reglages& pReglages);
