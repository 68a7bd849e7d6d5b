#include "plateforme/fichiers.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "plateforme/signaux.hpp"

namespace plateforme {

namespace fs = std::filesystem;

namespace {

// Closes a descriptor on every path.
class Descripteur {
 public:
  explicit Descripteur(int pFd = -1) : fd_(pFd) {}
  ~Descripteur() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descripteur(Descripteur&& pAutre) noexcept : fd_(std::exchange(pAutre.fd_, -1)) {}
  Descripteur& operator=(Descripteur&& pAutre) noexcept {
    std::swap(fd_, pAutre.fd_);
    return *this;
  }
  int fd() const { return fd_; }
  // Closes now and tells whether the close succeeded: a write can still fail there.
  bool fermer() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Every open of a file read or replaced: without blocking, so that a FIFO or a device given the
// name of a file cannot hold the program in open().
int ouvrir(const char* pChemin, int pDrapeaux) {
  return ::open(pChemin, pDrapeaux | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

// A regular file is read and written the usual way once it is known to be one.
bool ordinaire(int pFd, struct stat& pInfos) {
  if (::fstat(pFd, &pInfos) != 0 || !S_ISREG(pInfos.st_mode)) return false;
  const int drapeaux = ::fcntl(pFd, F_GETFL);
  return drapeaux >= 0 && ::fcntl(pFd, F_SETFL, drapeaux & ~O_NONBLOCK) == 0;
}

IdentiteFichier identite(const struct stat& pInfos) {
  const auto ns = [](const timespec& pT) {
    return static_cast<std::int64_t>(pT.tv_sec) * 1'000'000'000 + pT.tv_nsec;
  };
  return {static_cast<std::uint64_t>(pInfos.st_dev), static_cast<std::uint64_t>(pInfos.st_ino),
          static_cast<std::int64_t>(pInfos.st_size), ns(pInfos.st_mtim), ns(pInfos.st_ctim)};
}

std::string_view enTexte(std::span<const std::uint8_t> pOctets) {
  return {reinterpret_cast<const char*>(pOctets.data()), pOctets.size()};
}

// --- Replacing a file ---

constexpr int SAUTS_MAX = 40;

// The file a name leads to once every symlink is followed: the one read or replaced, so that the
// links the player made stay links. Nothing for a loop of links, or for a link the player does
// not own: in a folder others may write, such a link could lead the game's bytes onto any file
// of the player's (the rule the kernel applies in sticky folders, applied everywhere).
std::optional<fs::path> suivreLiens(fs::path pChemin) {
  struct stat infos {};
  for (int sauts = 0; ::lstat(pChemin.c_str(), &infos) == 0 && S_ISLNK(infos.st_mode); ++sauts) {
    std::error_code erreur;
    const fs::path lien = fs::read_symlink(pChemin, erreur);
    if (erreur || sauts == SAUTS_MAX || infos.st_uid != ::geteuid()) return std::nullopt;
    pChemin = lien.is_absolute() ? lien : pChemin.parent_path() / lien;
  }
  return pChemin;
}

// The file being replaced, open for writing: a regular file the player may write.
struct Ancien {
  Descripteur fichier;
  struct stat infos {};
};

enum class EtatCible { absente, ouverte, refusee };

EtatCible ouvrirCible(const fs::path& pCible, Ancien& pAncien) {
  struct stat infos {};
  if (::lstat(pCible.c_str(), &infos) != 0) {
    return errno == ENOENT ? EtatCible::absente : EtatCible::refusee;
  }
  // Looked at before opening too, so that no device is ever opened; and a file without any
  // write permission is one the player made read-only, which root too respects.
  if (!S_ISREG(infos.st_mode) || (infos.st_mode & 0222) == 0) return EtatCible::refusee;
  pAncien.fichier = Descripteur(ouvrir(pCible.c_str(), O_WRONLY | O_NOFOLLOW));
  if (pAncien.fichier.fd() < 0 || !ordinaire(pAncien.fichier.fd(), pAncien.infos)) {
    return EtatCible::refusee;
  }
  return EtatCible::ouverte;
}

struct Temporaire {
  Descripteur fichier;
  std::string chemin;
};

// A name no other game picks at the same moment, and a file created exclusively under it: an
// existing file, link or FIFO of that name is never opened.
std::optional<Temporaire> creerTemporaire(const fs::path& pCible) {
  static std::atomic<std::uint64_t> compteur{0};
  constexpr int ESSAIS = 100;
  for (int essai = 0; essai < ESSAIS; ++essai) {
    const auto horloge = std::chrono::steady_clock::now().time_since_epoch().count();
    std::uint64_t x = static_cast<std::uint64_t>(::getpid()) << 32 ^ ++compteur ^
                      static_cast<std::uint64_t>(horloge);
    // splitmix64: spreads the bits so that nearby counters and times give unrelated names.
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    x ^= x >> 31;
    std::string chemin = pCible.string() + ".tmp";
    for (int i = 0; i < 10; ++i, x >>= 5) chemin += "abcdefghijklmnopqrstuvwxyz012345"[x & 31];
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0666);  // less the umask
    if (fd >= 0) return Temporaire{Descripteur(fd), std::move(chemin)};
    if (errno != EEXIST) break;
  }
  return std::nullopt;
}

// Serialises the last check and the rename between games sharing the folder, so that two games
// cannot both find a file unchanged and then both replace it. Advisory and brief: a folder that
// stays locked for a second (nothing the game does takes that long) is written without it.
class VerrouDossier {
 public:
  explicit VerrouDossier(const fs::path& pDossier)
      : dossier_(::open(pDossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    constexpr int ESSAIS = 1000;
    for (int essai = 0; dossier_.fd() >= 0 && essai < ESSAIS; ++essai) {
      if (::flock(dossier_.fd(), LOCK_EX | LOCK_NB) == 0) return;
      std::this_thread::sleep_for(std::chrono::milliseconds{1});
    }
  }
  // Makes a rename durable; closing the folder releases the lock.
  void synchroniser() const {
    if (dossier_.fd() >= 0) ::fsync(dossier_.fd());
  }

 private:
  Descripteur dossier_;
};

bool inchange(const fs::path& pCible, const std::optional<IdentiteFichier>& pAttendu) {
  struct stat infos {};
  return !pAttendu || (::stat(pCible.c_str(), &infos) == 0 && identite(infos) == *pAttendu);
}

// The new file is the player's file as the old one was: same owner where that can be kept, same
// permissions.
bool ecrireTemporaire(Temporaire& pTemporaire, const Ancien* pAncien,
                      std::span<const std::uint8_t> pOctets) {
  const int fd = pTemporaire.fichier.fd();
  if (pAncien != nullptr) {
    if (::fchown(fd, pAncien->infos.st_uid, pAncien->infos.st_gid) != 0) {
      // Only root may give a file away; anyone else keeps their own, as a rewrite would.
    }
    if (::fchmod(fd, pAncien->infos.st_mode & 07777) != 0) return false;
  }
  const bool ecrit = ecrireTout(fd, enTexte(pOctets)) && ::fsync(fd) == 0;
  return pTemporaire.fichier.fermer() && ecrit;
}

}  // namespace

LectureFichier lireFichierBorne(const std::filesystem::path& pChemin, std::size_t pMaxOctets) {
  LectureFichier lecture;
  const auto cible = suivreLiens(pChemin);
  if (!cible) {
    lecture.etat = EtatFichier::interdit;
    return lecture;
  }
  Descripteur fichier(ouvrir(cible->c_str(), O_RDONLY | O_NOFOLLOW));
  struct stat infos {};
  if (fichier.fd() < 0) {
    const int erreur = errno;
    const bool vu = ::lstat(cible->c_str(), &infos) == 0;
    // A socket cannot be opened at all: it is there, but it is no file to read. A name that
    // cannot even be looked at (a folder on the way that cannot be searched) is no file at all.
    if (vu && !S_ISREG(infos.st_mode) && !S_ISLNK(infos.st_mode)) {
      lecture.etat = EtatFichier::illisible;
    } else if (vu || (erreur != ENOENT && erreur != ENOTDIR && erreur != EACCES)) {
      lecture.etat = EtatFichier::interdit;
    }
    return lecture;
  }
  lecture.etat = EtatFichier::illisible;
  if (!ordinaire(fichier.fd(), infos) || static_cast<std::uintmax_t>(infos.st_size) > pMaxOctets) {
    return lecture;
  }
  std::array<std::uint8_t, 4096> bloc{};
  for (;;) {
    const ssize_t lus = ::read(fichier.fd(), bloc.data(), bloc.size());
    if (lus < 0 && errno == EINTR) continue;
    if (lus < 0) return lecture;
    if (lus == 0) break;
    lecture.octets.insert(lecture.octets.end(), bloc.begin(), bloc.begin() + lus);
    if (lecture.octets.size() > pMaxOctets) return lecture;
  }
  lecture.etat = EtatFichier::lu;
  return lecture;
}

bool ecrireTout(int pFd, std::string_view pOctets) {
  while (!pOctets.empty()) {
    const ssize_t ecrits = ::write(pFd, pOctets.data(), pOctets.size());
    if (ecrits < 0 && errno == EINTR) continue;
    if (ecrits <= 0) return false;
    pOctets.remove_prefix(static_cast<std::size_t>(ecrits));
  }
  return true;
}

std::optional<IdentiteFichier> identiteFichier(const std::string& pNom) {
  struct stat infos {};
  if (::stat(pNom.c_str(), &infos) != 0) return std::nullopt;
  return identite(infos);
}

bool remplacerFichier(const std::string& pNom, std::span<const std::uint8_t> pOctets,
                      const std::optional<IdentiteFichier>& pAttendu) {
  const auto cible = suivreLiens(pNom);
  if (!cible) return false;
  Ancien ancien;
  const EtatCible etat = ouvrirCible(*cible, ancien);
  if (etat == EtatCible::refusee || (pAttendu && etat == EtatCible::absente)) return false;
  const fs::path dossier = cible->has_parent_path() ? cible->parent_path() : fs::path(".");

  // A folder the player may not add to is no place for a save: a rewrite in place cut short
  // (a full disk, a size limit, a kill) would leave neither the old file nor the new one.
  auto temporaire = creerTemporaire(*cible);
  if (!temporaire) return false;
  // Until it is renamed or removed, a fatal signal takes the temporary file away with the game.
  definirFichierEnCours(temporaire->chemin.c_str());
  bool remplace =
      ecrireTemporaire(*temporaire, etat == EtatCible::ouverte ? &ancien : nullptr, pOctets);
  if (remplace) {
    const VerrouDossier verrou(dossier);
    remplace =
        inchange(*cible, pAttendu) && ::rename(temporaire->chemin.c_str(), cible->c_str()) == 0;
    if (remplace) verrou.synchroniser();
  }
  if (!remplace) ::unlink(temporaire->chemin.c_str());
  definirFichierEnCours(nullptr);
  return remplace;
}

}  // namespace plateforme
