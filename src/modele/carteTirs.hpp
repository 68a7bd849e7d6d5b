#pragma once
// The target board as its shooter knows it: where it fired, with each shot's mark, and the
// lengths of the ships still afloat. Nothing else of the target fleet is read, so a computer
// that decides from this knows what a player looking at the board knows.

#include <cstdint>
#include <span>
#include <vector>

#include "modele/structures.hpp"

enum class EtatCase : std::uint8_t { inconnue, ratee, touchee, coulee };

// The computer's view of a stack's board, read in place: nothing copied, the stack not walked.
// Rows and columns from 1 to TAILLE_GRILLE; cells are given by their cell code.
class CarteTirs {
 public:
  explicit CarteTirs(const TPlateauTirs& pPlateau) : plateau_(pPlateau) {}
  // A hit turns to "sunk" once its whole ship is hit.
  EtatCase etat(int pLigne, int pColonne) const {
    const auto i = static_cast<std::size_t>(codeCase(pLigne, pColonne));
    if (plateau_.nombre[i] == 0) return EtatCase::inconnue;
    if (plateau_.marque[i] == MARQUE_RATE) return EtatCase::ratee;
    return plateau_.marque[i] == MARQUE_COULE ? EtatCase::coulee : EtatCase::touchee;
  }
  static bool dansGrille(int pLigne, int pColonne) {
    return pLigne >= 1 && pLigne <= TAILLE_GRILLE && pColonne >= 1 && pColonne <= TAILLE_GRILLE;
  }

 private:
  const TPlateauTirs& plateau_;
};

// The two ways a ship lies: along a row, down a column.
struct Direction {
  int dLigne;
  int dColonne;
};
inline constexpr Direction DIRECTIONS[] = {{0, 1}, {1, 0}};

// Lengths of the ships whose sunk flag is clear.
std::vector<int> longueursAFlot(std::span<const TInfoBateau> pFlotte);
// The cells not shot yet, row by row.
std::vector<int> casesInconnues(const CarteTirs& pCarte);
// Candidate cells are offered to the draw row by row, left to right, whatever order they were
// found in: a seed then gives the same shots as it always did. Drops repeated cells too.
void ligneParLigne(std::vector<int>& pCodes);
// One of the cells, drawn with the game's generator when there is a choice; -1 for none.
int tirerParmi(const std::vector<int>& pCodes);
