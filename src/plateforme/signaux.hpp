#pragma once
// The signals of a terminal program. Every signal that would end the process first gives the
// terminal back, then ends it as the signal would; Ctrl-Z gives the terminal back, then stops;
// resume and resize are left as events in a pipe for the main loop. What the restore sends is
// prepared beforehand by the main flow, so a handler only calls write and tcsetattr.

#include <termios.h>

#include <string>
#include <string_view>
#include <vector>

namespace plateforme {

// The bytes that undo the terminal changes in force, and the settings to put back (nullptr:
// none). Called from the main flow each time the changes in force change.
void definirRestauration(std::string_view pOctets, const termios* pReglages);

// Sends those bytes and puts the settings back: one write and one tcsetattr, safe in a signal
// handler and safe to run twice.
void restaurerUrgence();

// A file being written that a fatal signal must not leave behind (nullptr: none, as after it is
// renamed or removed). The path is copied beforehand, so the handler only calls unlink.
void definirFichierEnCours(const char* pChemin) noexcept;

inline constexpr char EVENEMENT_REPRISE = 'C';
inline constexpr char EVENEMENT_TAILLE = 'W';

// Installs the handlers for its life, then puts back the actions found at start and closes its
// pipe. Only one lives at a time.
class Signaux {
 public:
  // Throws std::system_error when the pipe or a handler cannot be set up (nothing is left
  // changed then).
  Signaux();
  ~Signaux();
  Signaux(const Signaux&) = delete;
  Signaux& operator=(const Signaux&) = delete;

  // Readable when events wait.
  int descripteur() const { return tube_[0]; }
  // The events left since the last call, oldest first.
  std::string evenements();

 private:
  void changer(int pSignal, void (*pAction)(int), int pDrapeaux);
  void remettre() noexcept;

  int tube_[2] = {-1, -1};
  std::vector<int> changes_;  // the signals whose action was replaced, to put back
  bool pilePosee_ = false;
};

}  // namespace plateforme
