#include "plateforme/signaux.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <system_error>

namespace plateforme {
namespace {

// What the emergency restore sends and puts back. The main flow fills the buffer not in use,
// then switches to it: a handler that interrupts the filling still finds a whole buffer.
// A signal handler reaches nothing but state at namespace scope: what it needs lives here.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
struct Restauration {
  std::array<char, 256> octets{};
  std::size_t longueur = 0;
  termios reglages{};
  bool avecReglages = false;
};
std::array<Restauration, 2> restaurations;
volatile std::sig_atomic_t restaurationCourante = 0;

// The file being written, filled the same way as the restore: the buffer not in use, then the
// switch (-1: none).
std::array<std::array<char, 4096>, 2> fichiersEnCours{};
volatile std::sig_atomic_t fichierEnCours = -1;

int tubeEcriture = -1;
// The actions found at start, by signal number: put back at the end, and used by a fatal
// signal to end the process as it would have.
std::array<struct sigaction, NSIG> actionsOrigine{};

// Signals whose default action ends the process, with or without a core.
constexpr int SIGNAUX_FATALS[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT,   SIGBUS,  SIGFPE, SIGUSR1,
    SIGSEGV,   SIGUSR2, SIGALRM, SIGTERM, SIGXCPU, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
#ifdef __linux__
    SIGIO,  // ends the process on Linux; ignored by default elsewhere
#endif
};

// Room for the handlers when the fault is the stack running out.
alignas(16) std::array<char, 64 * 1024> pileSecours;
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

[[noreturn]] void echec(const char* pAppel) {
  throw std::system_error(errno, std::generic_category(), pAppel);
}

void signaler(char pEvenement) {
  const int erreur = errno;
  // A full pipe already holds enough events to wake the main loop.
  [[maybe_unused]] const ssize_t n = ::write(tubeEcriture, &pEvenement, 1);
  errno = erreur;
}

void surSignalFatal(int pSignal) {
  restaurerUrgence();
  if (const std::sig_atomic_t i = fichierEnCours; i >= 0) {
    std::atomic_signal_fence(std::memory_order_acquire);
    ::unlink(fichiersEnCours[static_cast<std::size_t>(i)].data());
  }
  // End as the signal would: with the action found at start (the default, or a sanitizer's
  // report), raised again and delivered once this handler returns. A crash signal comes back
  // from the faulting instruction as well.
  ::sigaction(pSignal, &actionsOrigine[static_cast<std::size_t>(pSignal)], nullptr);
  ::raise(pSignal);
}

// Ctrl-Z: hand the terminal back as it was, then stop. SIGCONT brings the game back.
void surSuspension(int) {
  restaurerUrgence();
  ::kill(::getpid(), SIGSTOP);
}

void surReprise(int) {
  signaler(EVENEMENT_REPRISE);
}
void surRedimensionnement(int) {
  signaler(EVENEMENT_TAILLE);
}

}  // namespace

void definirRestauration(std::string_view pOctets, const termios* pReglages) {
  const std::sig_atomic_t suivante = 1 - restaurationCourante;
  Restauration& restauration = restaurations[static_cast<std::size_t>(suivante)];
  if (pOctets.size() > restauration.octets.size()) throw std::length_error("restauration");
  std::copy(pOctets.begin(), pOctets.end(), restauration.octets.begin());
  restauration.longueur = pOctets.size();
  restauration.avecReglages = pReglages != nullptr;
  if (pReglages != nullptr) restauration.reglages = *pReglages;
  std::atomic_signal_fence(std::memory_order_release);
  restaurationCourante = suivante;
}

void definirFichierEnCours(const char* pChemin) noexcept {
  if (pChemin == nullptr) {
    fichierEnCours = -1;
    return;
  }
  const std::sig_atomic_t suivant = fichierEnCours == 0 ? 1 : 0;
  auto& tampon = fichiersEnCours[static_cast<std::size_t>(suivant)];
  const std::string_view chemin(pChemin);
  // A path too long to copy is not watched: at worst its temporary file stays.
  if (chemin.size() >= tampon.size()) {
    fichierEnCours = -1;
    return;
  }
  std::copy(chemin.begin(), chemin.end(), tampon.begin());
  tampon[chemin.size()] = '\0';
  std::atomic_signal_fence(std::memory_order_release);
  fichierEnCours = suivant;
}

void restaurerUrgence() {
  const int erreur = errno;
  const Restauration& restauration = restaurations[static_cast<std::size_t>(restaurationCourante)];
  std::atomic_signal_fence(std::memory_order_acquire);
  // When a call fails nothing more can be done from here: the terminal is gone.
  const char* octets = restauration.octets.data();
  std::size_t reste = restauration.longueur;
  while (reste > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, octets, reste);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    octets += n;
    reste -= static_cast<std::size_t>(n);
  }
  if (restauration.avecReglages) {
    while (::tcsetattr(STDIN_FILENO, TCSAFLUSH, &restauration.reglages) != 0 && errno == EINTR) {
    }
  }
  errno = erreur;
}

Signaux::Signaux() {
  try {
    if (::pipe(tube_) != 0) echec("pipe");
    for (int fd : tube_) {
      const int etat = ::fcntl(fd, F_GETFL);
      if (etat < 0 || ::fcntl(fd, F_SETFL, etat | O_NONBLOCK) != 0) echec("fcntl");
      if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0) echec("fcntl");
    }
    tubeEcriture = tube_[1];
    stack_t pile{};
    if (::sigaltstack(nullptr, &pile) != 0) echec("sigaltstack");
    if ((pile.ss_flags & SS_DISABLE) != 0) {  // keep one set up before us (a sanitizer's)
      pile.ss_sp = pileSecours.data();
      pile.ss_size = pileSecours.size();
      pile.ss_flags = 0;
      if (::sigaltstack(&pile, nullptr) != 0) echec("sigaltstack");
      pilePosee_ = true;
    }
    for (int signal : SIGNAUX_FATALS) changer(signal, surSignalFatal, SA_ONSTACK);
#ifdef SIGRTMIN
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
      changer(signal, surSignalFatal, SA_ONSTACK);
    }
#endif
    changer(SIGTSTP, surSuspension, SA_RESTART);
    changer(SIGCONT, surReprise, SA_RESTART);
    changer(SIGWINCH, surRedimensionnement, SA_RESTART);
    // A write past a file-size limit or into a closed pipe fails with an error the game
    // reports, instead of ending it.
    changer(SIGXFSZ, SIG_IGN, 0);
    changer(SIGPIPE, SIG_IGN, 0);
  } catch (...) {
    remettre();
    throw;
  }
}

Signaux::~Signaux() {
  remettre();
}

void Signaux::changer(int pSignal, void (*pAction)(int), int pDrapeaux) {
  struct sigaction& origine = actionsOrigine[static_cast<std::size_t>(pSignal)];
  if (::sigaction(pSignal, nullptr, &origine) != 0) echec("sigaction");
  // A fatal signal ignored by whoever started us (nohup, a background job) ends nothing.
  const bool ignore = (origine.sa_flags & SA_SIGINFO) == 0 && origine.sa_handler == SIG_IGN;
  if (pAction == surSignalFatal && ignore) return;
  struct sigaction action {};
  action.sa_handler = pAction;
  action.sa_flags = pDrapeaux;
  // A fatal handler runs alone: no other signal cuts its restore short.
  if (pAction == surSignalFatal) {
    sigfillset(&action.sa_mask);
  } else {
    sigemptyset(&action.sa_mask);
  }
  if (::sigaction(pSignal, &action, nullptr) != 0) echec("sigaction");
  changes_.push_back(pSignal);
}

void Signaux::remettre() noexcept {
  // Nothing can be done about a failure here: these calls only undo ours.
  for (auto signal = changes_.rbegin(); signal != changes_.rend(); ++signal) {
    ::sigaction(*signal, &actionsOrigine[static_cast<std::size_t>(*signal)], nullptr);
  }
  changes_.clear();
  if (pilePosee_) {
    stack_t arret{};
    arret.ss_flags = SS_DISABLE;
    ::sigaltstack(&arret, nullptr);
    pilePosee_ = false;
  }
  tubeEcriture = -1;
  for (int& fd : tube_) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

std::string Signaux::evenements() {
  std::string lus;
  char tampon[64];
  for (;;) {
    const ssize_t n = ::read(tube_[0], tampon, sizeof tampon);
    if (n > 0) {
      lus.append(tampon, static_cast<std::size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return lus;
    } else if (n == 0 || errno != EINTR) {
      echec("read");
    }
  }
}

}  // namespace plateforme
