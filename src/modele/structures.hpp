#pragma once
// The records of one game: parameter set, players, ships and positions, shot stack, score record.
// Ownership follows the game: a Tparam owns its two players, each player owns its fleet, its
// occupied cells and its shot stack, and a stack owns its cells.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Names (players, ships, scores) hold at most this many bytes; the files keep one more for the NUL.
inline constexpr std::size_t TAILLE_NOM = 14;
// Rows and columns of a board, numbered from 1.
inline constexpr int TAILLE_GRILLE = 10;

// Cuts a typed or read name to at most TAILLE_NOM bytes, never inside a character. Every place that
// stores a name goes through here.
std::string couperNom(std::string_view pNom);

enum ESens : std::int32_t { horizontal = 0, vertical = 1 };

// The value of each type is the ship's length in cells.
enum EType : std::int32_t { remorqueur = 2, porteAvion = 3, sousMarin = 4, cargot = 5 };

struct TPosition {
  ESens mDirection = vertical;
  int mLatitude = 1;   // row of the first cell, 1 (top) to 10
  int mLongitude = 1;  // column of the first cell, 1 (left) to 10
};

struct TInfoBateau {
  int mCouleur = 0;
  EType mType = remorqueur;
  std::string mNom;
  TPosition mCoordonnees;
  int estCoule = 0;
};

struct TCoup {
  int position = 0;  // cell code
  int couleur = 0;   // shot mark: 9 miss, 12 hit, 7 hit on a sunk ship
};

struct TCellule {
  std::unique_ptr<TCellule> lien;  // the shot fired just before, null at the bottom
  TCoup coup;
};

// What one stack's shots hold, cell by cell, indexed by cell code: kept by pile.cpp alone as shots
// are pushed, popped and re-marked, so that finding a cell, re-marking a ship or the computer
// deciding reads a cell instead of walking the stack. Stack and board are one record.
struct TPlateauTirs {
  static constexpr int CODE_MAX = 110;              // codeCase(TAILLE_GRILLE, TAILLE_GRILLE)
  std::array<std::uint8_t, CODE_MAX + 1> nombre{};  // shots at the cell
  std::array<std::uint8_t, CODE_MAX + 1> marque{};  // their mark; 0 for a cell never shot
  int longueur = 0;                                 // shots in the stack
  int touches = 0;                                  // of them, hits (marked hit or sunk)
  bool operator==(const TPlateauTirs&) const = default;
};

struct TPile {
  std::unique_ptr<TCellule> debut;  // most recent shot, null when empty
  TPlateauTirs plateau;
  TPile() = default;
  TPile(const TPile&) = delete;
  TPile& operator=(const TPile&) = delete;
  // Releases the cells one by one: letting the chain of unique_ptr unwind would recurse once per
  // cell.
  ~TPile();
};

struct TJoueur {
  std::string nomJoueur;
  std::vector<TInfoBateau> mBateauxDuJoueur;  // 4n ships
  std::vector<int> tabPosBateauJoueur;        // room for 14n cell codes
  int nbCasesPrises = 0;                      // entries of tabPosBateauJoueur in use
  std::unique_ptr<TPile> pileCoup;
};

struct Tparam {
  int mNombreInstanceBateaux = 0;    // n, ships of each type per fleet, 1 to 3
  std::unique_ptr<TJoueur> joueur1;  // the human
  std::unique_ptr<TJoueur> joueur2;  // the computer
  int aCommence = 0;                 // who fired first: 1 the human, 2 the computer
};

struct TScore {
  int score = 0;
  int nbTouche = 0;
  int nbTir = 0;
  std::string nom;
  friend bool operator==(const TScore&, const TScore&) = default;
};

// Shot marks, which are also the colours the target board shows them in.
inline constexpr int MARQUE_RATE = 9;
inline constexpr int MARQUE_TOUCHE = 12;
inline constexpr int MARQUE_COULE = 7;
constexpr bool estMarqueDeTouche(int pMarque) {
  return pMarque == MARQUE_TOUCHE || pMarque == MARQUE_COULE;
}

// Cell code: column x 10 + row, both 1 to 10, so 11 (row 1, column 1) to 110 (row 10, column 10).
constexpr int codeCase(int pLigne, int pColonne) {
  return pColonne * 10 + pLigne;
}
constexpr int ligneDeCode(int pCode) {
  return pCode % 10 == 0 ? 10 : pCode % 10;
}
constexpr int colonneDeCode(int pCode) {
  return pCode % 10 == 0 ? pCode / 10 - 1 : pCode / 10;
}
static_assert(TPlateauTirs::CODE_MAX == codeCase(TAILLE_GRILLE, TAILLE_GRILLE));

// Code of cell j (from 0) of a ship: one row further down per cell when vertical, one column
// further right when horizontal.
constexpr int caseDuBateau(const TPosition& pPos, int pJ) {
  const int premiere = codeCase(pPos.mLatitude, pPos.mLongitude);
  return pPos.mDirection == horizontal ? premiere + 10 * pJ : premiere + pJ;
}
