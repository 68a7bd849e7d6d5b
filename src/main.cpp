// KORVANE: a game of hidden fleets for the terminal.

#include <unistd.h>

#include <exception>
#include <string>

#include "menuPrincipal.hpp"
#include "plateforme/console.hpp"
#include "plateforme/terminal.hpp"

namespace {
constexpr int STATUT_ERREUR_INTERNE = 5;

// The whole game in the terminal; the terminal is given back when this returns. A message for
// the way out goes to pMessage, to be printed on the restored terminal.
int jouerDansLeTerminal(std::string& pMessage) try {
  plateforme::Terminal terminal;
  plateforme::SessionConsole session(terminal);
  int statut = 0;
  try {
    statut = programmePrincipal();
  } catch (const plateforme::SortieProgramme& sortie) {
    statut = sortie.statut;
    pMessage = sortie.message;
  } catch (const plateforme::FinEntree&) {
    statut = plateforme::STATUT_FIN_ENTREE;
  } catch (const std::exception&) {
    // Out of memory or worse: still leave through here, so the terminal is given back.
    statut = STATUT_ERREUR_INTERNE;
  }
  terminal.presenter(plateforme::ecranCourant());
  return statut;
} catch (const std::exception&) {
  // The terminal could not be set up (it is left as it was) or failed on the way out.
  return STATUT_ERREUR_INTERNE;
}

}  // namespace

int main() {
  std::string message;
  const int statut = jouerDansLeTerminal(message);
  if (!message.empty()) {
    message += '\n';
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, message.data(), message.size());
  }
  return statut;
}
