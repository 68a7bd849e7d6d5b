#pragma once
// The text-file screens, the game's shots, names and key line, the name prompt and the
// settings listing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "modele/reglages.hpp"
#include "modele/structures.hpp"
#include "vue/disposition.hpp"

void afficherStartScreen();
void afficherRegles();
// The rules until the player leaves them (see vue.cpp for the keys).
void lireLesRegles();

// The character of a shot: an X; with readable marks '.' for a miss, 'X' for a hit, '#' for a hit
// on a sunk ship.
char glypheDuTir(int pMarque, const Reglages& pReglages);
void afficherTirs(const TPile& pPile, const Grille& pGrille, const Reglages& pReglages);

// A view's cache of what the screen shows, not a record of the shots: the mark each cell of a
// board shows, as last drawn there (0: none), or unknown. Indexed by cell code like the board it
// is compared with; the shots themselves are only in the stack's board.
using MarquesAffichees = std::array<std::uint8_t, TPlateauTirs::CODE_MAX + 1>;
inline constexpr std::uint8_t MARQUE_INCONNUE = 0xFF;
// Draws only the marks that differ from those shown, and records them: a turn that changed
// nothing costs the same at the first shot as at the hundredth.
void afficherMarquesChangees(const TPlateauTirs& pTirs, MarquesAffichees& pAffichees,
                             const Grille& pGrille, const Reglages& pReglages);
void afficherNom(std::string_view pNom, int pIdJoueur, const Disposition& pDisposition);
void afficherTouchesJeu(const Disposition& pDisposition);

std::string saisirPseudo();
void afficherParam(const Tparam& pParam);
// The settings listing until the player leaves it; in the compact window, page by page when it is
// taller than the window.
void lireParam(const Tparam& pParam);
void afficherCouleur(int pI);
