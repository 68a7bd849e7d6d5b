#pragma once
// What the terminal's own description (its terminfo entry, found through TERM) says it can do
// beyond cursor moves and colours.

namespace plateforme {

struct CapacitesTerminal {
  // bce: erasing (CSI n X, CSI K, CSI 2 J) fills with the background colour in force.
  bool effaceEnCouleur = false;
  // rep, in its ECMA-48 form: CSI n b writes the character just written n more times.
  bool repete = false;
  // cup: the cursor can be put on any cell. True when TERM is unset or has no entry, which is
  // taken for an ANSI terminal.
  bool placeCurseur = true;
};

// bce and rep false and cup true when TERM is unset or has no entry. bce and rep true inside tmux
// (TMUX set, and TERM one of the names tmux gives its panes), whose entries declare neither though
// tmux does both. Never prints and never ends the program.
CapacitesTerminal capacitesTerminal();

}  // namespace plateforme
