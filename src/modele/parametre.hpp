#pragma once
// Building, filling and releasing the parameter set of one game.

#include <string_view>

#include "modele/structures.hpp"

int getNBInstances(const Tparam& pParam);
// Ships in one fleet: n of each of the four types.
int getNbBateaux(const Tparam& pParam);
void newTParam(int pNbInstances, Tparam& pP);
void libererParam(Tparam& pParam);
void setIemeInfoBateauTParam(int pIdBateau, Tparam& pParam, std::string_view pNom, int pCouleur,
                             EType pType);
void setParamParDef(Tparam& param);
