#pragma once

#include "modele/reglages.hpp"

// The whole run as a player meets it: start screen, then the main menu until "Quitter".
// Gives the exit status of a normal end.
int programmePrincipal(const Reglages& pReglages);
