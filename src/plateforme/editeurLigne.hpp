#pragma once
// The small line editor behind the number and word prompts.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "plateforme/clavier.hpp"
#include "plateforme/ecran.hpp"

namespace plateforme {

inline constexpr std::size_t LONGUEUR_LIGNE_MAX = 256;

// Reads one line: printable characters (accented letters too, any character that takes one cell)
// are echoed at the cursor in the current attribute, Backspace takes back the last character and
// its echo, Enter ends the line and moves the cursor to column 1 of the next row; other keys are
// ignored. At most LONGUEUR_LIGNE_MAX bytes are kept. The text cursor shows while typing.
std::string lireLigne(Ecran& pEcran, const std::function<Touche()>& pLireTouche);
// The same, and with pEchap an Escape abandons the line: nothing, and no newline written.
std::optional<std::string> lireLigneOuEchap(Ecran& pEcran,
                                            const std::function<Touche()>& pLireTouche,
                                            bool pEchap);

// The first blank-delimited word of a line; nothing for a blank line.
std::optional<std::string> premierMot(std::string_view pLigne);

// The leading integer of a line, after blanks: an optional sign and digits.
struct LectureNombre {
  bool ligneVide = false;     // only blanks: the prompt waits for another line
  std::optional<int> valeur;  // nothing when the line does not begin with an int
};
LectureNombre lireNombreEnTete(std::string_view pLigne);

}  // namespace plateforme
