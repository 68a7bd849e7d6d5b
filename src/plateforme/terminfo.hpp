#pragma once
// What the terminal's own description (its terminfo entry, found through TERM) says about it.

namespace plateforme {

// True when the terminal erases in the current background colour (the bce flag); false when it
// does not, or when TERM is unset or has no entry. Never prints and never ends the program.
bool terminalEffaceEnCouleurDeFond();

}  // namespace plateforme
