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

// Reads the whole file, without ever waiting on it. "absent" when it cannot be opened (missing,
// or not readable by the player); "erreur" when it is no regular file (a FIFO, a device, a
// folder, a socket, or a symlink to one), a read fails, or it holds more than pMaxOctets bytes
// (only pMaxOctets + 1 bytes are ever read).
ContenuFichier lireFichier(const std::string& pNom,
                           std::size_t pMaxOctets = std::numeric_limits<std::size_t>::max());

// One state of one file: the file itself and its last change. Replacing the file or writing to
// it gives another identity.
struct IdentiteFichier {
  std::uint64_t peripherique = 0;
  std::uint64_t inode = 0;
  std::int64_t taille = 0;
  std::int64_t modificationNs = 0;
  std::int64_t changementNs = 0;
  friend bool operator==(const IdentiteFichier&, const IdentiteFichier&) = default;
};

// The identity of the file the name leads to (symlinks followed); nothing when there is none.
std::optional<IdentiteFichier> identiteFichier(const std::string& pNom);

// Replaces the file by these bytes, or leaves it as it was and gives false.
// - A symlink is followed: the file it leads to is replaced and the link stays.
// - Only a regular file the player may write is replaced; a file with no write permission at all
//   is read-only for everyone, root included. The new file keeps the old one's mode; a new file
//   gets 0666 less the umask.
// - The bytes go to a new temporary file with a unique name beside the target, created
//   exclusively, flushed to disk, then renamed over the target. Where the folder takes no new
//   file but the file itself is writable, the file is rewritten in place and flushed.
// - With pAttendu, the file is replaced only while it still has that identity, so that an update
//   made meanwhile by another game is never lost silently.
bool remplacerFichier(const std::string& pNom, std::span<const std::uint8_t> pOctets,
                      const std::optional<IdentiteFichier>& pAttendu = std::nullopt);

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
