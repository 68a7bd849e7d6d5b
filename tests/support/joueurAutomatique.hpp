#pragma once
// A player for whole-game scenarios: on the game screen it moves the aiming cursor to the next
// cell not shot yet, in row order, and fires; on any other screen it types the next of the keys
// it was given, and stops when they are used up.

#include <deque>
#include <optional>
#include <string>

#include "plateforme/ecran.hpp"
#include "vue/disposition.hpp"

class JoueurAutomatique {
 public:
  enum class Debut { tirer, sauverPuisQuitter, quitter };
  // pDebut: what the player does on the game's first screen: fire straight away, save (and
  // press a key after the message) then leave, or leave through the quit confirmation.
  // pDisposition: the layout it reads the screens in.
  explicit JoueurAutomatique(std::deque<std::string> pApresPartie = {}, Debut pDebut = Debut::tirer,
                             const Disposition& pDisposition = DISPOSITION_DECRITE)
      : apres_(std::move(pApresPartie)),
        sauver_(pDebut == Debut::sauverPuisQuitter),
        quitter_(pDebut != Debut::tirer),
        disposition_(&pDisposition) {}
  std::optional<std::string> operator()(const plateforme::Ecran& pEcran);
  int tirs() const { return tirs_; }

 private:
  std::string viser(const plateforme::Ecran& pEcran);
  std::deque<std::string> apres_;
  bool sauver_;
  bool quitter_;
  const Disposition* disposition_;
  int tirs_ = 0;
};

// True while the screen shows a game waiting for the human's move.
bool estEcranDeJeu(const plateforme::Ecran& pEcran);
bool estEcranDeJeuDans(const plateforme::Ecran& pEcran, const Disposition& pDisposition);
