#pragma once
// A small terminal that reads what the renderer sends (cursor moves, colours, erasing, repeats,
// text) into
// a grid of 110 x 45 cells, so that tests can check the terminal ends up showing the screen model.

#include <array>
#include <string>
#include <string_view>

#include "plateforme/ecran.hpp"

class EmulateurTerminal {
 public:
  // pEffaceEnCouleur: erasing fills with the colours in force (bce); otherwise with the
  // terminal's default colours, which no cell of the game has.
  explicit EmulateurTerminal(bool pEffaceEnCouleur) : effaceEnCouleur_(pEffaceEnCouleur) {}

  void recevoir(std::string_view pOctets);
  // Empty when every cell shows the model's character in the model's colours (a blank by its
  // background, but under the visible cursor); otherwise the first cell that differs, or the
  // first sequence this terminal does not know.
  std::string difference(const plateforme::Ecran& pEcran) const;

 private:
  static constexpr int DEFAUT = -1;  // the terminal's default colour
  struct Case {
    char32_t caractere = U' ';
    int avantPlan = DEFAUT;
    int arrierePlan = DEFAUT;
  };
  Case& ici() { return cases_[static_cast<std::size_t>((y_ - 1) * plateforme::LARGEUR + x_ - 1)]; }
  void executer(char pFinale, std::string_view pParametres);
  void couleurs(std::string_view pParametres);
  void effacer(int x, int y, int pNombre);
  void poser(char32_t pCaractere);

  std::array<Case, plateforme::LARGEUR * plateforme::HAUTEUR> cases_{};
  bool effaceEnCouleur_;
  int x_ = 1;
  int y_ = 1;
  bool retourEnAttente_ = false;  // a character was written in the last column
  char32_t dernier_ = U' ';       // the last character written, for repeats
  int avantPlan_ = DEFAUT;
  int arrierePlan_ = DEFAUT;
  std::string inconnu_;
};
