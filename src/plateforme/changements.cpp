#include "plateforme/changements.hpp"

namespace plateforme {

ChangementsTerminal::ChangementsTerminal(OptionsTerminal pOptions,
                                         std::optional<TailleTerminal> pDepart) {
  std::string tailleDepart;
  if (pDepart) {
    tailleDepart =
        "\x1b[8;" + std::to_string(pDepart->lignes) + ";" + std::to_string(pDepart->colonnes) + "t";
  }
  const Changement table[] = {
      // The alternate screen: the player's scrollback stays as it was.
      {Etape::Ecran, 0, "\x1b[?1049h", "\x1b[?1049l"},
      // No text cursor but while a line is typed.
      {Etape::Ecran, 0, "\x1b[?25l", "\x1b[?25h"},
      // No bold, underline or colour left over, coming in or going out.
      {Etape::Ecran, 0, "\x1b[0m", "\x1b[0m"},
      // An empty screen; going out, the cursor goes to the last row (a row past the end lands
      // there, whatever the size by then), so that a terminal without an alternate screen
      // gives its prompt under the game.
      {Etape::Ecran, 0, "\x1b[2J", "\x1b[999;1H"},
      // Mouse buttons reported (1000), in the SGR form that has no limit on columns (1006).
      {Etape::Ecran, OPTION_SOURIS, "\x1b[?1000h\x1b[?1006h", "\x1b[?1006l\x1b[?1000l"},
      // Push the window title, to pop it back at the end.
      {Etape::Console, 0, "\x1b[22;0t", "\x1b[23;0t"},
      // The window title; the pop above undoes it.
      {Etape::Console, 0, "\x1b]2;KORVANE\x07", ""},
      // Ask for 45 rows of 110 columns; going out, for the size found at start.
      {Etape::Console, 0, "\x1b[8;45;110t", tailleDepart},
  };
  for (const Changement& changement : table) {
    if ((changement.option & ~pOptions) == 0) lignes_.push_back(changement);
  }
}

std::string ChangementsTerminal::faire(Etape pEtape) const {
  std::string octets;
  for (const Changement& changement : lignes_) {
    if (changement.etape == pEtape) octets += changement.faire;
  }
  return octets;
}

std::string ChangementsTerminal::defaire(Etape pDerniere) const {
  std::string octets = "\x1b[?2026l";  // end a frame cut short, so what follows shows
  for (auto changement = lignes_.rbegin(); changement != lignes_.rend(); ++changement) {
    if (changement->etape <= pDerniere) octets += changement->defaire;
  }
  return octets;
}

}  // namespace plateforme
