#pragma once
// The real terminal: raw keys from standard input, frames to standard output, and every change
// made to the terminal undone on every way out, signals included.

#include <string>

#include "plateforme/clavier.hpp"
#include "plateforme/console.hpp"
#include "plateforme/rendu.hpp"

namespace plateforme {

class Terminal final : public Peripherique {
 public:
  Terminal();
  ~Terminal() override;
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  int lireCode(const Ecran& pEcran) override;
  std::string caractereDerniereTouche() const override { return decodeur_.dernierCaractere(); }
  void presenter(const Ecran& pEcran) override;
  void preparerConsole() override;

 private:
  void entrerModeJeu();
  void traiterSignaux();
  void mesurer();
  void afficherAvisTaille();
  // Waits for input or a signal; false when the wait ended on the time-out.
  bool attendre(bool pAvecEntree, int pDelaiMs);
  void lireEntree();

  DecodeurTouches decodeur_;
  Rendu rendu_;
  bool entreeTerminal_ = false;
  bool entreeDisponible_ = false;
  bool signalEnAttente_ = false;
  bool fin_ = false;
  int colonnes_ = LARGEUR;
  int lignes_ = HAUTEUR;
  bool avisAffiche_ = false;
};

}  // namespace plateforme
