#pragma once
// The console the game draws on: 110 x 45 cells, one cursor, one current attribute
// (foreground | background << 4), keys one at a time and typed answers.

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "plateforme/clavier.hpp"
#include "plateforme/langue.hpp"
#include "plateforme/utf8.hpp"

// Key codes as lireTouche gives them: an arrow is TOUCHE_PREFIXE then one of the four arrows.
// Codes are compared as plain numbers, so the capital letters H, P, K and M act as arrows too.
inline constexpr int TOUCHE_PREFIXE = plateforme::CODE_PREFIXE;
inline constexpr int TOUCHE_HAUT = plateforme::CODE_HAUT;
inline constexpr int TOUCHE_BAS = plateforme::CODE_BAS;
inline constexpr int TOUCHE_GAUCHE = plateforme::CODE_GAUCHE;
inline constexpr int TOUCHE_DROITE = plateforme::CODE_DROITE;
inline constexpr int TOUCHE_ENTREE = plateforme::CODE_ENTREE;
inline constexpr int TOUCHE_ECHAP = plateforme::CODE_ECHAP;
inline constexpr int TOUCHE_INCONNUE = plateforme::CODE_INCONNU;

enum COLORS : int {
  BLACK = 0,
  BLUE = 1,
  GREEN = 2,
  CYAN = 3,
  RED = 4,
  MAGENTA = 5,
  BROWN = 6,
  LIGHTGRAY = 7,
  DARKGRAY = 8,
  LIGHTBLUE = 9,
  LIGHTGREEN = 10,
  LIGHTCYAN = 11,
  LIGHTRED = 12,
  LIGHTMAGENTA = 13,
  YELLOW = 14,
  WHITE = 15
};

// The texts shown to the player, in the run's language: each described text is its own message
// id, so without a language it comes back as it is. A message with a number or a name holds %d
// or %s where it goes.
// Marks a message id that is translated where it is shown, not where it is written.
constexpr const char* aTraduire(const char* pId) {
  return pId;
}
inline const char* tr(const char* pId) {
  return plateforme::traduire(pId);
}
inline std::string trAvec(const char* pId, std::initializer_list<std::string_view> pValeurs) {
  return plateforme::remplir(plateforme::traduire(pId), pValeurs);
}
inline std::string trPluriel(const char* pId, const char* pIdPluriel, int pNombre) {
  const auto n = static_cast<unsigned long>(pNombre < 0 ? 0 : pNombre);
  return plateforme::remplir(plateforme::traduirePluriel(pId, pIdPluriel, n),
                             {std::to_string(pNombre)});
}
// The cells a text takes (an accented letter: one cell, two bytes).
inline int largeur(std::string_view pTexte) {
  return static_cast<int>(plateforme::largeurUtf8(pTexte));
}

// Blanks every cell without touching its colour and puts the cursor at (1, 1).
void clrscr();
// Cursor to column x, row y, both from 1.
void gotoxy(int x, int y);
void textattr(int _attr);
void textcolor(int _color);

// Writes text at the cursor in the current attribute ('\n' goes to column 1 of the next row).
void ecrire(std::string_view pTexte);
// Writes the text and a line break, as puts does.
void ecrireLigne(std::string_view pTexte);
// What row y shows, up to its last character that is not blank; the cursor's row.
std::string texteRangee(int y);
int rangeeCurseur();

// Waits for one key and gives its code; an arrow gives 224 and then 72, 80, 75 or 77. When the
// window crosses a size where the layout changes, the screen is blanked and drawn again by the
// screens in place (see Redessin) before the wait goes on.
int lireTouche();
// The same, or nothing when no key came within pDelai.
std::optional<int> lireToucheAvant(std::chrono::milliseconds pDelai);

// True while the game is drawn in the compact layout: the window is smaller than 110 x 45, or
// the compact layout was asked for.
bool consoleCompacte();

// For its lifetime, a screen drawn from the layout's positions: after a change of layout, every
// screen in place draws again, the outermost first (the game, then the question over it).
class Redessin {
 public:
  explicit Redessin(std::function<void()> pDessiner);
  ~Redessin();
  Redessin(const Redessin&) = delete;
  Redessin& operator=(const Redessin&) = delete;
};
// The same, with the character typed when the code is 0 for a character of several bytes (the
// line editor keeps accented letters) or the mouse click.
plateforme::Touche lireToucheEtCaractere();
// With the code 0 of the last key read: -1 for Page Up, 1 for Page Down, 0 for any other key.
int pageDerniereTouche();
// The mouse click that the last key read was, if it was one (only with the mouse on).
std::optional<plateforme::Clic> clicDerniereTouche();
// Reads a typed line and gives its leading integer; nothing when the line does not begin with a
// number that fits an int. Blank lines are skipped; the rest of the line is dropped.
std::optional<int> saisirNombre(bool pEchap = false);
// Reads a typed line and gives its first word, cut to 14 characters; blank lines are skipped.
std::string saisirMot(bool pEchap = false);
// Thrown by the two prompts above, given pEchap, when the player presses Escape on them.
struct SaisieAbandonnee {};

// Ends the program with this exit status, the terminal restored on the way out; a message is
// then printed on standard error.
[[noreturn]] void terminerProgramme(int pStatut, std::string pMessage = {});
