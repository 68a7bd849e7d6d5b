#pragma once
// What the player asked of this run beyond the described game. Every field defaults to the
// described game; the entry sets them once, before anything is drawn.

struct OptionsJeu {
  bool marques = false;        // shots and ships readable without colour: glyphs and initials
  bool souris = false;         // mouse clicks on boards, menus and questions
  bool devoiler = false;       // the computer's fleet shown when a game ends
  bool garderCurseur = false;  // the aiming cursor stays on the last cell fired at
};

const OptionsJeu& optionsJeu();
void definirOptionsJeu(const OptionsJeu& pOptions);
