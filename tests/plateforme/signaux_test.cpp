// A fatal signal takes away the temporary file being written, and only while it is being written.

#include "plateforme/signaux.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"

namespace {

// In a child with the handlers in place: the file is created, watched or not, then SIGTERM.
int finirParSigterm(const std::string& pChemin, bool pSurveille) {
  const pid_t pid = fork();
  if (pid == 0) {
    plateforme::Signaux signaux;
    if (::close(::creat(pChemin.c_str(), 0600)) != 0) _exit(1);
    plateforme::definirFichierEnCours(pChemin.c_str());
    if (!pSurveille) plateforme::definirFichierEnCours(nullptr);
    ::raise(SIGTERM);
    _exit(2);
  }
  int etat = 0;
  waitpid(pid, &etat, 0);
  return WIFSIGNALED(etat) ? WTERMSIG(etat) : -1;
}

TEST(FichierEnCours, UnSignalFatalLeSupprimeSeulementPendantLEcriture) {
  DossierTemporaire dossier;
  for (const bool surveille : {true, false}) {
    const std::string chemin = (dossier.chemin() / "save.dat.tmpabcdefghij").string();
    EXPECT_EQ(finirParSigterm(chemin, surveille), SIGTERM);
    EXPECT_EQ(dossier.existe("save.dat.tmpabcdefghij"), !surveille) << surveille;
  }
}

}  // namespace
