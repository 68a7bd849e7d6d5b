#pragma once
// The screen model: what the game has drawn, cell by cell. The terminal only ever shows a copy
// of it, so tests read it directly.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace plateforme {

inline constexpr int LARGEUR = 110;
inline constexpr int HAUTEUR = 45;
// The smallest window the game is played in, with the compact layout.
inline constexpr int LARGEUR_COMPACTE = 80;
inline constexpr int HAUTEUR_COMPACTE = 24;
inline constexpr std::uint8_t ATTRIBUT_INITIAL = 7;  // LIGHTGRAY on BLACK

struct Cellule {
  char32_t caractere = U' ';
  std::uint8_t attribut = ATTRIBUT_INITIAL;
  bool operator==(const Cellule&) const = default;
};

class Ecran {
 public:
  // Writes bytes at the cursor in the current attribute. Valid UTF-8 is one code point a cell;
  // '\n', '\r' and '\t' move the cursor; any other control byte, invalid byte or character that
  // does not take exactly one cell shows as '?'.
  void ecrire(std::string_view pOctets);
  // Blanks every character, keeping every attribute; cursor to (1, 1).
  void effacer();
  // Cursor to column x, row y, from 1; kept inside the screen.
  void placerCurseur(int x, int y);
  void definirAttribut(int pAttribut) { attribut_ = static_cast<std::uint8_t>(pAttribut & 0xFF); }

  int attribut() const { return attribut_; }
  int curseurX() const { return x_ > LARGEUR ? LARGEUR : x_; }
  // True after a write in the last column, until the next character wraps to the next row.
  bool enAttenteDeRetour() const { return x_ > LARGEUR; }
  int curseurY() const { return y_; }
  // The text cursor is shown only while a line is typed.
  bool curseurVisible() const { return curseurVisible_; }
  void montrerCurseur(bool pVisible) { curseurVisible_ = pVisible; }

  const Cellule& cellule(int x, int y) const { return cellules_[indice(x, y)]; }
  void poserCellule(int x, int y, const Cellule& pCellule) { cellules_[indice(x, y)] = pCellule; }
  // Row y as UTF-8 text, all 110 cells.
  std::string ligne(int y) const;

 private:
  static std::size_t indice(int x, int y) {
    return static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(LARGEUR) +
           static_cast<std::size_t>(x - 1);
  }
  void poser(char32_t pCaractere);
  void allerALaLigne();
  void defiler();

  std::array<Cellule, LARGEUR * HAUTEUR> cellules_{};
  int x_ = 1;
  int y_ = 1;
  std::uint8_t attribut_ = ATTRIBUT_INITIAL;
  bool curseurVisible_ = false;
};

// Appends the UTF-8 encoding of one code point.
void ajouterUtf8(std::string& pSortie, char32_t pCaractere);

}  // namespace plateforme
