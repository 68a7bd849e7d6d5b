#pragma once
// Shared by the fuzz targets.

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// The game works in its working directory. Each input is run in a private folder made once, and
// the fuzzer gets its own directory back at once, so that relative corpus paths keep working.
class DansDossierPrive {
 public:
  DansDossierPrive() : retour_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (retour_ < 0 || ::fchdir(dossier()) != 0) std::abort();
  }
  ~DansDossierPrive() {
    if (::fchdir(retour_) != 0) std::abort();
    ::close(retour_);
  }
  DansDossierPrive(const DansDossierPrive&) = delete;
  DansDossierPrive& operator=(const DansDossierPrive&) = delete;

 private:
  static int dossier() {
    static const int fd = [] {
      chemin() = (std::filesystem::temp_directory_path() / "korvane-fuzz-XXXXXX").string();
      if (::mkdtemp(chemin().data()) == nullptr) std::abort();
      // Gone when the fuzzer ends its run; a crash leaves it, beside the crashing input.
      std::atexit([] {
        std::error_code erreur;
        std::filesystem::remove_all(chemin(), erreur);
      });
      return ::open(chemin().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }();
    return fd;
  }
  static std::string& chemin() {
    static std::string c;
    return c;
  }
  int retour_;
};
