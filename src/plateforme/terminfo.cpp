#include "plateforme/terminfo.hpp"

#include <unistd.h>

#include <cstring>

// Only here: term.h defines a macro for every capability name (lines, columns, bell...).
#include <term.h>

namespace plateforme {

CapacitesTerminal capacitesTerminal() {
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
