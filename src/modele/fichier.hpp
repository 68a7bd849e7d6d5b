#pragma once
// The model's one door to the file layer of plateforme/ (whole-file reading, atomic replacement),
// and the field encodings shared by the two binary files: little-endian 32-bit integers and
// 15-byte NUL-padded names.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plateforme/fichiers.hpp"

using Octets = std::vector<std::uint8_t>;

enum class EtatLecture { lu, absent, erreur };

struct ContenuFichier {
  EtatLecture etat = EtatLecture::absent;
  Octets octets;
};

// Reads the whole file, without ever waiting on it. "absent" when it cannot be opened (missing,
// or not readable by the player); "erreur" when it is no regular file (a FIFO, a device, a
// folder, a socket, or a symlink to one), a read fails, or it holds more than pMaxOctets bytes
// (only pMaxOctets + 1 bytes are ever read).
ContenuFichier lireFichier(const std::string& pNom,
                           std::size_t pMaxOctets = std::numeric_limits<std::size_t>::max());

// Identities and atomic replacement as plateforme/fichiers.hpp gives them.
using plateforme::IdentiteFichier;
using plateforme::identiteFichier;
using plateforme::remplacerFichier;

// Size of a name field in both files: 14 bytes of name and at least one NUL.
inline constexpr std::size_t TAILLE_CHAMP_NOM = 15;

void ajouterEntier(Octets& pTampon, std::int32_t pValeur);
void ajouterOctet(Octets& pTampon, std::uint8_t pValeur);
// The name (cut to 14 bytes) and NULs up to 15 bytes.
void ajouterNom(Octets& pTampon, std::string_view pNom);

// Reads the fields of a byte buffer in order; every read fails once the buffer is short.
class LecteurOctets {
 public:
  explicit LecteurOctets(std::span<const std::uint8_t> pOctets) : octets_(pOctets) {}

  std::optional<std::int32_t> lireEntier();
  // The next pTaille bytes, or nothing when fewer remain.
  std::optional<std::span<const std::uint8_t>> lireOctets(std::size_t pTaille);
  bool fini() const { return position_ == octets_.size(); }

 private:
  std::span<const std::uint8_t> octets_;
  std::size_t position_ = 0;
};

// A name field up to its first NUL; nothing when the field holds no NUL.
std::optional<std::string> nomStrict(std::span<const std::uint8_t> pChamp);
// A name field up to its first NUL, or its first 14 bytes when it holds no NUL.
std::string nomCoupe(std::span<const std::uint8_t> pChamp);
