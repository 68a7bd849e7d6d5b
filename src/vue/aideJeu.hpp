#pragma once
// What --aide-jeu adds to a game: each fleet's status by its board, and one line of messages
// (the results of an exchange, a refused key, a wait) where the described screens leave room.

#include <string>
#include <string_view>

#include "modele/reglages.hpp"
#include "modele/structures.hpp"
#include "vue/disposition.hpp"

#include <chrono>

// How long a refusal is said when no key comes first.
inline constexpr std::chrono::milliseconds DUREE_REFUS{2000};

enum class EtatBateau { aFlot, touche, coule };

// How the shots of pTireur left ship pIdBateau of pCible.
EtatBateau etatBateau(int pIdBateau, const TJoueur& pTireur, const TJoueur& pCible);
// The ship of pCible on the cell, or -1.
int bateauSurCase(const TJoueur& pCible, int pNbBateaux, int pCode);

// The status lists of both fleets; the computer's ships by type only.
void afficherEtatFlottes(const Tparam& pParam, int pNbBateaux, const Reglages& pReglages);

// "A5: a l'eau", "C3: touche", "C3: coule (porteAvion)" for the shot at pCode.
std::string resultatDuTir(int pCode, const TJoueur& pTireur, const TJoueur& pCible, int pNbBateaux);

// The message line: written over what it held, or blanked with an empty text.
void afficherMessageAide(std::string_view pTexte, const Reglages& pReglages);

// In placement, under the keys: the ship laid over another was refused, or a blank.
void direRefusPlacement(bool pMontrer, const Disposition& pDisposition);
