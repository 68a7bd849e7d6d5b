#include "plateforme/terminfo.hpp"

// Only here: term.h defines a macro for every capability name (lines, columns, bell...).
#include <term.h>
#include <unistd.h>

namespace plateforme {

bool terminalEffaceEnCouleurDeFond() {
  int erreur = 0;
  // With an error pointer, a missing entry is reported here instead of printed with an exit.
  if (setupterm(nullptr, STDOUT_FILENO, &erreur) != 0) return false;  // 0: OK
  const bool bce = tigetflag("bce") > 0;                              // -1: not a flag, 0: absent
  // The entry was loaded only for this question.
  del_curterm(cur_term);
  return bce;
}

}  // namespace plateforme
