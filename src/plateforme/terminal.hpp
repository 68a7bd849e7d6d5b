#pragma once
// The real terminal: raw keys from standard input, frames to standard output, and every change
// made to the terminal undone on every way out, signals included.

#include <termios.h>

#include <algorithm>
#include <optional>
#include <string>

#include "plateforme/changements.hpp"
#include "plateforme/clavier.hpp"
#include "plateforme/console.hpp"
#include "plateforme/rendu.hpp"
#include "plateforme/signaux.hpp"

namespace plateforme {

class Terminal final : public Peripherique {
 public:
  // pOptions switches optional terminal changes on. Throws std::system_error when the terminal
  // cannot be set up; it is left as it was then.
  explicit Terminal(OptionsTerminal pOptions = 0);
  ~Terminal() override;
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // Both throw std::system_error when the terminal fails in a way the game cannot go on from.
  // Ctrl-L repaints the whole screen and is not given; with OPTION_VI, h, j, k and l give the two
  // codes of an arrow, except while a line is typed.
  int lireCode(const Ecran& pEcran) override;
  std::optional<int> lireCodeAvant(const Ecran& pEcran, std::chrono::milliseconds pDelai) override;
  Touche derniereTouche() const override { return derniere_; }
  void presenter(const Ecran& pEcran) override;
  void preparerConsole() override;
  bool compacte() const override { return compacte_; }

 private:
  void faire(Etape pEtape);
  void modeBrut();
  void reprendre();
  void traiterSignaux();
  void mesurer();
  bool tropPetit() const { return colonnes_ < LARGEUR_COMPACTE || lignes_ < HAUTEUR_COMPACTE; }
  bool fenetreCompacte() const {
    return compacteDemande_ || colonnes_ < LARGEUR || lignes_ < HAUTEUR;
  }
  void invalider();
  // The compact screen, the model's top-left 80 x 24 cells, centred in the window.
  Ecran vueCompacte(const Ecran& pEcran) const;
  int decalageX() const {
    return std::clamp((colonnes_ - LARGEUR_COMPACTE) / 2, 0, LARGEUR - LARGEUR_COMPACTE);
  }
  int decalageY() const {
    return std::clamp((lignes_ - HAUTEUR_COMPACTE) / 2, 0, HAUTEUR - HAUTEUR_COMPACTE);
  }
  void attendreAgrandissement();
  void afficherAvisTaille();
  void jeterTouches();
  // Waits for input or a signal; false when the wait ended on the time-out.
  bool attendre(bool pAvecEntree, int pDelaiMs);
  // A key, or nothing at pFin when one is given.
  std::optional<int> lireCodeJusqua(const Ecran& pEcran,
                                    std::optional<std::chrono::steady_clock::time_point> pFin);
  void lireEntree();
  int donner(int pCode, const Ecran& pEcran);

  Signaux signaux_;  // first made, last undone
  DecodeurTouches decodeur_;
  Touche derniere_;                 // the last key given
  bool vi_ = false;                 // OPTION_VI
  std::optional<int> suiteFleche_;  // the second code of an arrow given for h, j, k or l
  Rendu rendu_;
  int colonnes_ = LARGEUR;
  int lignes_ = HAUTEUR;
  ChangementsTerminal changements_;
  std::optional<Etape> faite_;  // the last stage of changes in force
  termios reglagesOrigine_{};
  bool entreeTerminal_ = false;
  bool entreeDisponible_ = false;
  bool fin_ = false;
  bool avisAffiche_ = false;      // the terminal shows the size notice
  bool avisAJour_ = false;        // and with the size as it stands
  bool compacteDemande_ = false;  // OPTION_COMPACT
  bool compacte_ = false;         // the layout the game draws in
  bool basculer_ = false;         // the layout changed: the game is told before its next key
  bool amorcer_ = true;           // the terminal's content is unknown (see presenter)
};

// Why the game cannot be played on the standard streams, in one line; nothing when it can.
// Standard input and output must be a terminal, and one whose terminfo entry, when TERM names
// one, can place the cursor; an unset or unknown TERM is taken for an ANSI terminal.
std::optional<std::string> terminalInutilisable();

}  // namespace plateforme
