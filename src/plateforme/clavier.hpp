#pragma once
// Turns the bytes a terminal sends into the key codes the game's loops compare: 13 for Enter,
// 224 then 72/80/77/75 for the arrows, 0 for any other escape sequence or multi-byte character,
// 27 for ESC alone, the byte's value otherwise. It is fed bytes and the time waited, and never
// reads or sleeps itself.

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace plateforme {

inline constexpr int CODE_PREFIXE = 224;
inline constexpr int CODE_HAUT = 72;
inline constexpr int CODE_BAS = 80;
inline constexpr int CODE_GAUCHE = 75;
inline constexpr int CODE_DROITE = 77;
inline constexpr int CODE_ENTREE = 13;
inline constexpr int CODE_ECHAP = 27;
inline constexpr int CODE_INCONNU = 0;
// Ctrl-L: the terminal's screen is repainted whole; the game never sees it.
inline constexpr int CODE_REPEINDRE = 12;
// Given by the terminal, not by a key: the window crossed a size where the layout changes, and
// the screen is to be drawn again in the other one.
inline constexpr int CODE_DISPOSITION = 0x1000;

// The arrow that h, j, k or l stands for with --vi (Left, Down, Up, Right); -1 for any other code.
int flecheVi(int pCode);

// How long a lone ESC waits for the rest of a sequence before it counts as the ESC key.
inline constexpr std::chrono::milliseconds DELAI_ECHAP{50};

// A mouse button pressed on the cell at column x, row y (from 1).
struct Clic {
  enum Bouton { gauche, droit };
  Bouton bouton = gauche;
  int x = 0;
  int y = 0;
  bool operator==(const Clic&) const = default;
};

// One decoded key: its code, and for a character of several bytes (code 0) the character itself,
// which only the line editor looks at; a mouse press is a key of code 0 with its click.
struct Touche {
  int code = CODE_INCONNU;
  std::string caractere;
  std::optional<Clic> clic;
  int page = 0;  // with code 0: -1 for Page Up, 1 for Page Down
};

class DecodeurTouches {
 public:
  void alimenter(std::string_view pOctets);
  // Tells the decoder that this much time went by with no new byte.
  void attendre(std::chrono::milliseconds pDuree);
  // No more bytes will come: whatever is pending is decoded as it stands.
  void finEntree();

  // With the mouse on, the terminal's mouse reports (SGR, CSI < b ; x ; y M or m) give a key
  // for a left or right press and nothing at all for releases, motion and the wheel. Off, such a
  // sequence is one unknown key like any other.
  void activerSouris(bool pActive) { souris_ = pActive; }
  bool sourisActive() const { return souris_; }
  // Forgets every byte and key not yet given, and the state between them; the mouse stays as set.
  void vider() {
    const bool souris = souris_;
    *this = DecodeurTouches{};
    souris_ = souris;
  }

  std::optional<int> code();
  std::optional<Touche> touche();
  // The last key given.
  const Touche& derniereTouche() const { return derniere_; }
  // True when bytes wait for the rest of their sequence: the reader should wait at most
  // DELAI_ECHAP for more, then call attendre.
  bool sequenceEnCours() const { return !octets_.empty(); }

 private:
  void analyser();
  void emettre(int pCode);
  bool analyserEchappement();
  bool analyserMultiOctet();
  // The CSI sequence of pLongueur bytes at the front, taken off; false when it is no mouse report.
  bool analyserSouris(std::size_t pLongueur);

  std::deque<unsigned char> octets_;
  std::deque<Touche> codes_;
  Touche derniere_;
  bool souris_ = false;
  std::chrono::milliseconds attente_{0};
  bool fin_ = false;
  bool sauterLF_ = false;  // a CR was just decoded: an LF right behind it is the same Enter
};

}  // namespace plateforme
