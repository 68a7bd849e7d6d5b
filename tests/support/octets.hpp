#pragma once
// Building and reading the little-endian fields of the game's binary files in tests.

#include <cstdint>
#include <string>

// A 32-bit little-endian integer.
inline std::string entier(std::int32_t pValeur) {
  std::string o;
  for (int i = 0; i < 4; ++i)
    o += static_cast<char>(static_cast<std::uint32_t>(pValeur) >> (8 * i));
  return o;
}

// The 32-bit little-endian integer at pPosition.
inline int entier32(const std::string& pOctets, std::size_t pPosition) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) {
    v = v << 8 | static_cast<unsigned char>(pOctets.at(pPosition + static_cast<std::size_t>(i)));
  }
  return static_cast<int>(v);
}

// One 28-byte record of the best-scores table.
inline std::string enregistrement(int pScore, int pTouches, int pTirs, const std::string& pNom) {
  return entier(pScore) + entier(pTouches) + entier(pTirs) + pNom +
         std::string(16 - pNom.size(), '\0');
}
