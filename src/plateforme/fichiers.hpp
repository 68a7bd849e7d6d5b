#pragma once
// Files as a Unix program should treat them: read whole within a bound and without ever waiting,
// replaced atomically, and a temporary file never left behind by a fatal signal. Nothing here
// knows what the bytes mean.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plateforme {

enum class EtatFichier {
  lu,
  absent,     // no such file (or a path through something that is no folder, or that cannot
              // be searched)
  interdit,   // a file that cannot be opened, not being allowed for one
  illisible,  // no regular file, a read that failed, or more bytes than allowed
};

struct LectureFichier {
  EtatFichier etat = EtatFichier::absent;
  std::vector<std::uint8_t> octets;  // whole only when lu
};

// Reads the whole file without ever blocking on it: a FIFO, a device, a folder or a socket (or a
// symlink to one) is illisible; so is a file of more than pMaxOctets bytes, of which at most
// pMaxOctets + 1 are ever read. A symlink the player does not own is not followed (interdit).
LectureFichier lireFichierBorne(const std::filesystem::path& pChemin,
                                std::size_t pMaxOctets = std::numeric_limits<std::size_t>::max());

// Writes every byte, resuming after short writes and interruptions; false once a write fails.
bool ecrireTout(int pFd, std::string_view pOctets);

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
// - A symlink the player owns is followed: the file it leads to is replaced and the link stays.
//   A link owned by anyone else is refused.
// - Only a regular file the player may write is replaced; a file with no write permission at all
//   is read-only for everyone, root included. The new file keeps the old one's mode; a new file
//   gets 0666 less the umask.
// - The bytes go to a new temporary file with a unique name beside the target, created
//   exclusively, flushed to disk, then renamed over the target. Where the folder takes no new
//   file, nothing is written: the file is never rewritten in place.
// - With pAttendu, the file is replaced only while it still has that identity, so that an update
//   made meanwhile by another program is never lost silently.
bool remplacerFichier(const std::string& pNom, std::span<const std::uint8_t> pOctets,
                      const std::optional<IdentiteFichier>& pAttendu = std::nullopt);

}  // namespace plateforme
