#pragma once
// The program's exit statuses. The usage prints this table; the manual page and the README list
// the same statuses, which a test holds them to.

#include <array>
#include <string_view>

inline constexpr int STATUT_NORMAL = 0;
inline constexpr int STATUT_TEXTE_ILLISIBLE = 1;
// Status 1 is every reason the game cannot start: no terminal to play in is one.
inline constexpr int STATUT_SANS_TERMINAL = STATUT_TEXTE_ILLISIBLE;
inline constexpr int STATUT_OPTION_INVALIDE = 2;
inline constexpr int STATUT_REGLES_ABSENTES = 3;
inline constexpr int STATUT_FIN_ENTREE = 4;
inline constexpr int STATUT_ERREUR_INTERNE = 5;
// Ended by a signal: 128 + its number, as the shell reports it; the terminal is restored first.
inline constexpr int STATUT_BASE_SIGNAL = 128;

struct DescriptionStatut {
  int statut;
  std::string_view quand;
};

inline constexpr auto STATUTS = std::to_array<DescriptionStatut>({
    {STATUT_NORMAL, "\"Quitter\" in the main menu, or help, version or a check shown"},
    {STATUT_TEXTE_ILLISIBLE, "a text unreadable, no terminal, or the data folder unusable"},
    {STATUT_OPTION_INVALIDE, "a bad option"},
    {STATUT_REGLES_ABSENTES, "\"Afficher les regles\" without regles.txt"},
    {STATUT_FIN_ENTREE, "the keyboard input ended"},
    {STATUT_ERREUR_INTERNE, "an internal error"},
});
