#include "plateforme/terminal.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace plateforme {
namespace {

// What start-up sends, and its undo in reverse order.
constexpr std::string_view DEBUT =
    "\x1b[?1049h"  // alternate screen: the player's scrollback stays as it was
    "\x1b[?25l"    // no text cursor but while a line is typed
    "\x1b[0m"      // no bold, underline or colour left over from before
    "\x1b[2J";     // an empty alternate screen
constexpr std::string_view TITRE =
    "\x1b[22;0t"          // push the window title, to get it back at the end
    "\x1b]2;KORVANE\x07"  // the window title
    "\x1b[8;45;110t";     // ask for 45 rows of 110 columns
// Written from a signal handler too: one constant buffer, one write.
constexpr char RESTAURATION[] =
    "\x1b[?2026l"  // end any frame cut short
    "\x1b[0m"      // default colours
    "\x1b[?25h"    // text cursor back
    "\x1b[?1049l"  // main screen back, with what it showed
    "\x1b[23;0t";  // the window title back

termios termiosOrigine{};
volatile std::sig_atomic_t termiosModifie = 0;
volatile std::sig_atomic_t titrePousse = 0;
int tubeSignaux[2] = {-1, -1};

void ecrireTout(int pFd, std::string_view pOctets) {
  while (!pOctets.empty()) {
    const ssize_t n = ::write(pFd, pOctets.data(), pOctets.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // terminal gone: nothing more can be shown
    pOctets.remove_prefix(static_cast<std::size_t>(n));
  }
}

// Safe in a signal handler and safe to run twice: one write and one tcsetattr.
void restaurerUrgence() {
  std::size_t longueur = sizeof RESTAURATION - 1;
  if (titrePousse == 0) longueur -= std::strlen("\x1b[23;0t");
  [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, RESTAURATION, longueur);
  if (termiosModifie != 0) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &termiosOrigine);
}

void signaler(char pEvenement) {
  const int erreur = errno;
  [[maybe_unused]] const ssize_t n = ::write(tubeSignaux[1], &pEvenement, 1);
  errno = erreur;
}

// SIGINT, SIGTERM, SIGHUP: restore, then end as the signal would, so the shell sees 128 + signal.
void surSignalFatal(int pSignal) {
  restaurerUrgence();
  std::signal(pSignal, SIG_DFL);
  std::raise(pSignal);
}

// Ctrl-Z: hand the terminal back as it was, then stop. SIGCONT brings the game back.
void surSuspension(int) {
  restaurerUrgence();
  ::kill(::getpid(), SIGSTOP);
}

void surReprise(int) {
  signaler('C');
}
void surRedimensionnement(int) {
  signaler('W');
}

void installer(int pSignal, void (*pGestionnaire)(int)) {
  struct sigaction action {};
  action.sa_handler = pGestionnaire;
  sigemptyset(&action.sa_mask);
  ::sigaction(pSignal, &action, nullptr);
}

void modeBrut() {
  termios brut = termiosOrigine;
  brut.c_lflag &= ~static_cast<tcflag_t>(ECHO);    // keys are not echoed
  brut.c_lflag &= ~static_cast<tcflag_t>(ICANON);  // keys arrive one by one, no line editing
  brut.c_lflag &= ~static_cast<tcflag_t>(IEXTEN);  // Ctrl-V and the like reach the game
  brut.c_iflag &= ~static_cast<tcflag_t>(IXON);    // Ctrl-S and Ctrl-Q do not freeze the output
  brut.c_iflag &= ~static_cast<tcflag_t>(ICRNL);   // Enter arrives as CR
  brut.c_cc[VMIN] = 1;                             // a read waits for one byte at least
  brut.c_cc[VTIME] = 0;                            // and no longer than that
  // ISIG stays: Ctrl-C and Ctrl-Z are still signals.
  ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &brut);
}

}  // namespace

Terminal::Terminal() {
  entreeTerminal_ = ::isatty(STDIN_FILENO) != 0;
  if (::pipe(tubeSignaux) == 0) {
    for (int fd : tubeSignaux) {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
      ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
  }
  if (entreeTerminal_ && ::tcgetattr(STDIN_FILENO, &termiosOrigine) == 0) termiosModifie = 1;
  installer(SIGINT, surSignalFatal);
  installer(SIGTERM, surSignalFatal);
  installer(SIGHUP, surSignalFatal);
  installer(SIGTSTP, surSuspension);
  installer(SIGCONT, surReprise);
  installer(SIGWINCH, surRedimensionnement);
  std::signal(SIGPIPE, SIG_IGN);  // a closed output shows up as a failed write, not a death
  rendu_ = Rendu(capacitesTerminal());  // erase or repeat where the terminal can and it is shorter
  entrerModeJeu();
  mesurer();
}

Terminal::~Terminal() {
  restaurerUrgence();
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT, SIGWINCH}) std::signal(sig, SIG_DFL);
  termiosModifie = 0;
  titrePousse = 0;
}

void Terminal::entrerModeJeu() {
  if (termiosModifie != 0) modeBrut();
  ecrireTout(STDOUT_FILENO, DEBUT);
  rendu_.invalider();
  avisAffiche_ = false;
}

void Terminal::preparerConsole() {
  titrePousse = 1;
  ecrireTout(STDOUT_FILENO, TITRE);
}

void Terminal::mesurer() {
  winsize taille{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &taille) == 0 ||
      ::ioctl(STDIN_FILENO, TIOCGWINSZ, &taille) == 0) {
    if (taille.ws_col > 0 && taille.ws_row > 0) {
      colonnes_ = taille.ws_col;
      lignes_ = taille.ws_row;
    }
  }
}

void Terminal::traiterSignaux() {
  char evenements[64];
  ssize_t n = 0;
  while ((n = ::read(tubeSignaux[0], evenements, sizeof evenements)) > 0) {
    for (ssize_t i = 0; i < n; ++i) {
      if (evenements[i] == 'C') {
        entrerModeJeu();
        if (titrePousse != 0) ecrireTout(STDOUT_FILENO, TITRE);
      }
      mesurer();
      rendu_.invalider();
      avisAffiche_ = false;
    }
  }
  signalEnAttente_ = false;
}

bool Terminal::attendre(bool pAvecEntree, int pDelaiMs) {
  pollfd attentes[2] = {{tubeSignaux[0], POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  const nfds_t nombre = pAvecEntree ? 2 : 1;
  const int pret = ::poll(attentes, nombre, pDelaiMs);
  if (pret < 0) return true;  // a signal: its event is in the pipe
  signalEnAttente_ = (attentes[0].revents & POLLIN) != 0;
  entreeDisponible_ = pAvecEntree && attentes[1].revents != 0;
  return pret > 0;
}

void Terminal::lireEntree() {
  char octets[256];
  const ssize_t n = ::read(STDIN_FILENO, octets, sizeof octets);
  if (n > 0) {
    decodeur_.alimenter(std::string_view(octets, static_cast<std::size_t>(n)));
  } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
    fin_ = true;
    decodeur_.finEntree();
  }
}

void Terminal::afficherAvisTaille() {
  if (avisAffiche_) return;
  const std::string avis = "Agrandissez la fenetre: 110 x 45 caracteres (actuellement " +
                           std::to_string(colonnes_) + " x " + std::to_string(lignes_) + ")";
  const int colonne = std::max(1, (colonnes_ - static_cast<int>(avis.size())) / 2 + 1);
  const int ligne = std::max(1, (lignes_ + 1) / 2);
  std::string trame = "\x1b[?2026h\x1b[0m\x1b[2J\x1b[" + std::to_string(ligne) + ";" +
                      std::to_string(colonne) + "H" + avis + "\x1b[?2026l";
  ecrireTout(STDOUT_FILENO, trame);
  rendu_.invalider();
  avisAffiche_ = true;
}

int Terminal::lireCode(const Ecran& pEcran) {
  for (;;) {
    traiterSignaux();
    if (colonnes_ < LARGEUR || lignes_ < HAUTEUR) {
      // Keys wait in the terminal until the game can be seen again.
      afficherAvisTaille();
      attendre(false, -1);
      continue;
    }
    if (auto code = decodeur_.code()) return *code;
    if (fin_) throw FinEntree{};
    if (!attendre(true, 0) || !entreeDisponible_) {
      presenter(pEcran);
      const bool enCours = decodeur_.sequenceEnCours();
      if (!attendre(true, enCours ? static_cast<int>(DELAI_ECHAP.count()) : -1)) {
        decodeur_.attendre(DELAI_ECHAP);
        continue;
      }
    }
    if (entreeDisponible_) lireEntree();
  }
}

void Terminal::presenter(const Ecran& pEcran) {
  if (colonnes_ < LARGEUR || lignes_ < HAUTEUR) return;
  ecrireTout(STDOUT_FILENO, rendu_.trame(pEcran));
}

}  // namespace plateforme
