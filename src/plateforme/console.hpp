#pragma once
// The one console of the run: the screen model the game draws on, and the device that shows it
// and gives keys (the real terminal, or a scripted one in tests).

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plateforme/clavier.hpp"
#include "plateforme/ecran.hpp"

namespace plateforme {

// Thrown when the keyboard has nothing more to give (terminal closed, input exhausted).
struct FinEntree {};

// Thrown to end the program with an exit status; the entry catches it, so that the terminal is
// restored on the way out like on any other. The message, if any, is printed on standard error
// once the terminal is back.
struct SortieProgramme {
  int statut;
  std::string message{};
};

class Peripherique {
 public:
  virtual ~Peripherique() = default;
  // Gives the next key code. When none is waiting, the screen is shown first, then it blocks.
  // Throws FinEntree when input has ended.
  virtual int lireCode(const Ecran& pEcran) = 0;
  // The same, or nothing once pDelai has passed without a key. A device that cannot time a wait
  // (a script) gives the next key.
  virtual std::optional<int> lireCodeAvant(const Ecran& pEcran, std::chrono::milliseconds) {
    return lireCode(pEcran);
  }
  // The last key lireCode gave, with the character typed (for a character of several bytes)
  // or the mouse click, when its code is 0.
  virtual Touche derniereTouche() const { return {}; }
  // Shows the screen as it stands (at exit).
  virtual void presenter(const Ecran& pEcran) = 0;
  // Titles the console and asks for its size (the game's 110 x 45).
  virtual void preparerConsole() {}
  // True while the screen is drawn in the compact layout (an 80 x 24 window, or asked for).
  virtual bool compacte() const { return false; }
};

// Installs a device and a fresh screen for the time of its life; the console primitives use
// the installed ones.
class SessionConsole {
 public:
  explicit SessionConsole(Peripherique& pPeripherique);
  ~SessionConsole();
  SessionConsole(const SessionConsole&) = delete;
  SessionConsole& operator=(const SessionConsole&) = delete;

 private:
  Peripherique* precedent_;
};

Ecran& ecranCourant();
Peripherique& peripheriqueCourant();
// The screens in view, outermost first: after a change of layout each draws itself again.
std::vector<std::function<void()>>& redessinsCourants();

}  // namespace plateforme
