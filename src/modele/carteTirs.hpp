#pragma once
// The target board as its shooter knows it: where it fired, with each shot's mark, and the
// lengths of the ships still afloat. Nothing else of the target fleet is read, so a computer
// that decides from this knows what a player looking at the board knows.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "modele/structures.hpp"

enum class EtatCase : std::uint8_t { inconnue, ratee, touchee, coulee };

inline constexpr int COTE_CARTE = 10;
inline constexpr int NB_CASES_CARTE = COTE_CARTE * COTE_CARTE;

// Cells are numbered (ligne - 1) x 10 + (colonne - 1) here, rows and columns 1 to 10.
constexpr int indiceCase(int pLigne, int pColonne) {
  return (pLigne - 1) * COTE_CARTE + pColonne - 1;
}
constexpr int codeDIndice(int pIndice) {
  return codeCase(pIndice / COTE_CARTE + 1, pIndice % COTE_CARTE + 1);
}

struct CarteTirs {
  std::array<EtatCase, NB_CASES_CARTE> cases{};
  EtatCase etat(int pLigne, int pColonne) const {
    return cases[static_cast<std::size_t>(indiceCase(pLigne, pColonne))];
  }
  bool dansGrille(int pLigne, int pColonne) const {
    return pLigne >= 1 && pLigne <= COTE_CARTE && pColonne >= 1 && pColonne <= COTE_CARTE;
  }
};

// The marks as the game keeps them: a hit turns to "sunk" once its whole ship is hit.
CarteTirs lireCarte(const TPile& pTirs);
// Lengths of the ships whose sunk flag is clear.
std::vector<int> longueursAFlot(std::span<const TInfoBateau> pFlotte);
// The cells not shot yet.
std::vector<int> casesInconnues(const CarteTirs& pCarte);
// One of the cells, drawn with the game's generator when there is a choice; -1 for none.
int tirerParmi(const std::vector<int>& pIndices);
