#pragma once
// Whole-file reading, atomic replacement, and the field encodings shared by the two binary files:
// little-endian 32-bit integers and 15-byte NUL-padded names.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Octets = std::vector<std::uint8_t>;

enum class EtatLecture { lu, absent, erreur };

struct ContenuFichier {
  EtatLecture etat = EtatLecture::absent;
  Octets octets;
};

// Reads the whole file. "absent" when it cannot be opened, "erreur" when a read fails or the file
// holds more than pMaxOctets bytes (only pMaxOctets + 1 bytes are ever read).
ContenuFichier lireFichier(const std::string& pNom,
                           std::size_t pMaxOctets = std::numeric_limits<std::size_t>::max());

// Replaces the file by these bytes, or leaves the earlier one whole: the bytes go to pNom + ".tmp"
// in the same folder, which is flushed to disk and then renamed over pNom.
bool remplacerFichier(const std::string& pNom, std::span<const std::uint8_t> pOctets);

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
