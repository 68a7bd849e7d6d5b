#pragma once
// Shared by the keyboard fuzz targets: a fuzzer's input cut into what a terminal delivers, pieces
// of bytes each followed by a pause.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

struct Morceau {
  std::string_view octets;
  std::chrono::milliseconds pause;
  bool lireApres;  // the reader takes the keys decoded so far before the next piece
};

// Each piece starts with one control byte: its low 4 bits give the piece's length, the next 3
// the pause after it (around the escape delay on purpose), the top bit whether keys are read.
class LecteurMorceaux {
 public:
  LecteurMorceaux(const std::uint8_t* pOctets, std::size_t pTaille)
      : reste_(reinterpret_cast<const char*>(pOctets), pTaille) {}

  std::optional<Morceau> suivant() {
    if (reste_.empty()) return std::nullopt;
    const auto controle = static_cast<unsigned char>(reste_.front());
    reste_.remove_prefix(1);
    const std::size_t longueur = std::min<std::size_t>(controle & 0x0F, reste_.size());
    static constexpr int PAUSES_MS[] = {0, 0, 1, 10, 49, 50, 51, 200};
    const Morceau morceau{reste_.substr(0, longueur),
                          std::chrono::milliseconds{PAUSES_MS[(controle >> 4) & 7]},
                          (controle & 0x80) != 0};
    reste_.remove_prefix(longueur);
    return morceau;
  }

 private:
  std::string_view reste_;
};

inline void exiger(bool pCondition) {
  if (!pCondition) std::abort();
}
