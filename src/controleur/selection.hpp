#pragma once
// The selection every menu and question shares.

#include <functional>

// The screen is drawn with line pSelection marked, then Up and Down move the mark between
// pPremiere and pDerniere without wrapping, Enter chooses and any other key only redraws. With the
// mouse on, a left click on a line (pPremiere is drawn on screen row pRangee, the next ones below
// it) chooses it. Gives the chosen line.
int choisirLigne(int pPremiere, int pDerniere, int pRangee, int pSelection,
                 const std::function<void(int)>& pAfficher);
