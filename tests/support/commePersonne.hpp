#pragma once
// Runs a body in a child process as the player "nobody" when the tests run as root (root writes
// through every permission, so a refusal could not be seen), as the current user otherwise.

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

// The user and group the child takes under root.
inline constexpr uid_t PERSONNE = 65534;

// Gives the body's exit status; 2 when the child could not become nobody, -1 when it did not exit.
inline int commePersonne(const std::function<int()>& pCorps) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const bool root = ::geteuid() == 0;
    if (root && (::setgid(PERSONNE) != 0 || ::setuid(PERSONNE) != 0)) ::_exit(2);
    ::_exit(pCorps());
  }
  int statut = 0;
  ::waitpid(pid, &statut, 0);
  return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

// Gives a file to nobody when the tests run as root, so that it is nobody's to write.
inline void donnerAPersonne(const std::filesystem::path& pChemin) {
  if (::geteuid() == 0) [[maybe_unused]]
    const int r = ::chown(pChemin.c_str(), PERSONNE, PERSONNE);
}
