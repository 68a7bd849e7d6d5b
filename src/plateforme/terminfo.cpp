#include "plateforme/terminfo.hpp"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

// Only here: term.h defines a macro for every capability name (lines, columns, bell...).
#include <term.h>

namespace plateforme {
namespace {

// tmux itself erases (ECH, EL, ED) in the background colour and repeats characters, then deals
// with the terminal outside it. TMUX alone is not proof: a terminal started from a tmux pane
// inherits it, so TERM must also be one tmux gives its panes. GNU screen, whose names those are
// too, erases in the default colour: inside it (STY set), the entry is trusted as it is.
bool dansTmux() {
  const char* tmux = std::getenv("TMUX");
  const char* term = std::getenv("TERM");
  if (tmux == nullptr || *tmux == '\0' || term == nullptr || std::getenv("STY") != nullptr) {
    return false;
  }
  const std::string_view nom(term);
  return nom.starts_with("tmux") || nom.starts_with("screen");
}

}  // namespace

CapacitesTerminal capacitesTerminal() {
  if (dansTmux()) return {.effaceEnCouleur = true, .repete = true};
  int erreur = 0;
  // With an error pointer, a missing entry is reported here instead of printed with an exit.
  if (setupterm(nullptr, STDOUT_FILENO, &erreur) != 0) return {};  // 0: OK
  CapacitesTerminal capacites;
  capacites.effaceEnCouleur = tigetflag("bce") > 0;  // -1: not a flag, 0: absent
  // Only the form the renderer sends counts: (char*)-1 is "not a string", null is "absent".
  const auto chaine = [](const char* pNom) -> const char* {
    const char* valeur = tigetstr(pNom);
    return valeur == reinterpret_cast<const char*>(-1)  // NOLINT(performance-no-int-to-ptr)
               ? nullptr
               : valeur;
  };
  const char* repete = chaine("rep");
  capacites.repete = repete != nullptr && std::strcmp(repete, "%p1%c\x1b[%p2%{1}%-%db") == 0;
  capacites.placeCurseur = chaine("cup") != nullptr;
  // The entry was loaded only for these questions.
  del_curterm(cur_term);
  return capacites;
}

}  // namespace plateforme
