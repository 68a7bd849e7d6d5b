#include "modele/fichier.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "modele/structures.hpp"

namespace {

// Closes a descriptor on every path.
class Descripteur {
 public:
  explicit Descripteur(int pFd) : fd_(pFd) {}
  ~Descripteur() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descripteur(const Descripteur&) = delete;
  Descripteur& operator=(const Descripteur&) = delete;
  int fd() const { return fd_; }
  // Closes now and tells whether the close succeeded: a write can still fail there.
  bool fermer() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool toutEcrire(int pFd, std::span<const std::uint8_t> pOctets) {
  while (!pOctets.empty()) {
    const ssize_t ecrits = ::write(pFd, pOctets.data(), pOctets.size());
    if (ecrits < 0 && errno == EINTR) continue;
    if (ecrits <= 0) return false;
    pOctets = pOctets.subspan(static_cast<std::size_t>(ecrits));
  }
  return true;
}

// A replaced file keeps the permissions it had, as it would if it were rewritten in place.
void garderPermissions(int pFd, const std::string& pNom) {
  struct stat infos {};
  if (::stat(pNom.c_str(), &infos) == 0) ::fchmod(pFd, infos.st_mode & 07777);
}

enum class Ecriture { nonOuvert, echec, reussie };

Ecriture ecrireTemporaire(const std::string& pTemporaire, const std::string& pNom,
                          std::span<const std::uint8_t> pOctets) {
  Descripteur fichier(
      ::open(pTemporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (fichier.fd() < 0) return Ecriture::nonOuvert;
  garderPermissions(fichier.fd(), pNom);
  const bool ecrit = toutEcrire(fichier.fd(), pOctets) && ::fsync(fichier.fd()) == 0;
  return fichier.fermer() && ecrit ? Ecriture::reussie : Ecriture::echec;
}

}  // namespace

ContenuFichier lireFichier(const std::string& pNom, std::size_t pMaxOctets) {
  ContenuFichier contenu;
  Descripteur fichier(::open(pNom.c_str(), O_RDONLY | O_CLOEXEC));
  if (fichier.fd() < 0) return contenu;
  contenu.etat = EtatLecture::erreur;
  std::array<std::uint8_t, 4096> bloc{};
  for (;;) {
    const ssize_t lus = ::read(fichier.fd(), bloc.data(), bloc.size());
    if (lus < 0 && errno == EINTR) continue;
    if (lus < 0) return contenu;
    if (lus == 0) break;
    contenu.octets.insert(contenu.octets.end(), bloc.begin(), bloc.begin() + lus);
    if (contenu.octets.size() > pMaxOctets) return contenu;
  }
  contenu.etat = EtatLecture::lu;
  return contenu;
}

bool remplacerFichier(const std::string& pNom, std::span<const std::uint8_t> pOctets) {
  const std::string temporaire = pNom + ".tmp";
  const Ecriture ecriture = ecrireTemporaire(temporaire, pNom, pOctets);
  // What could not be opened is not ours to remove (it may be a folder of that name).
  if (ecriture == Ecriture::nonOuvert) return false;
  if (ecriture == Ecriture::reussie && ::rename(temporaire.c_str(), pNom.c_str()) == 0) return true;
  ::unlink(temporaire.c_str());
  return false;
}

void ajouterEntier(Octets& pTampon, std::int32_t pValeur) {
  const auto valeur = static_cast<std::uint32_t>(pValeur);
  for (int decalage = 0; decalage < 32; decalage += 8) {
    pTampon.push_back(static_cast<std::uint8_t>(valeur >> decalage));
  }
}

void ajouterOctet(Octets& pTampon, std::uint8_t pValeur) {
  pTampon.push_back(pValeur);
}

void ajouterNom(Octets& pTampon, std::string_view pNom) {
  const std::string nom = couperNom(pNom);
  pTampon.insert(pTampon.end(), nom.begin(), nom.end());
  pTampon.insert(pTampon.end(), TAILLE_CHAMP_NOM - nom.size(), 0);
}

std::optional<std::int32_t> LecteurOctets::lireEntier() {
  const auto champ = lireOctets(4);
  if (!champ) return std::nullopt;
  std::uint32_t valeur = 0;
  for (std::size_t i = 0; i < 4; ++i) valeur |= std::uint32_t{(*champ)[i]} << (8 * i);
  return static_cast<std::int32_t>(valeur);
}

std::optional<std::span<const std::uint8_t>> LecteurOctets::lireOctets(std::size_t pTaille) {
  if (octets_.size() - position_ < pTaille) return std::nullopt;
  const auto champ = octets_.subspan(position_, pTaille);
  position_ += pTaille;
  return champ;
}

std::optional<std::string> nomStrict(std::span<const std::uint8_t> pChamp) {
  const auto fin = std::find(pChamp.begin(), pChamp.end(), std::uint8_t{0});
  if (fin == pChamp.end()) return std::nullopt;
  return std::string(pChamp.begin(), fin);
}

std::string nomCoupe(std::span<const std::uint8_t> pChamp) {
  const auto fin = std::find(pChamp.begin(), pChamp.end(), std::uint8_t{0});
  return couperNom(std::string(pChamp.begin(), fin));
}
