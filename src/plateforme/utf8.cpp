#include "plateforme/utf8.hpp"

namespace plateforme {

int longueurSequenceUtf8(unsigned char pOctet) {
  if (pOctet >= 0xC2 && pOctet <= 0xDF) return 2;
  if (pOctet >= 0xE0 && pOctet <= 0xEF) return 3;
  if (pOctet >= 0xF0 && pOctet <= 0xF4) return 4;
  return 0;
}

std::pair<char32_t, std::size_t> decoderUtf8(std::string_view pOctets) {
  const auto tete = static_cast<unsigned char>(pOctets[0]);
  if (tete < 0x80) return {tete, 1};
  const int longueur = longueurSequenceUtf8(tete);
  if (longueur == 0) return {U'?', 1};
  char32_t c = tete & (0x7F >> longueur);
  std::size_t i = 1;
  for (; i < static_cast<std::size_t>(longueur); ++i) {
    if (i >= pOctets.size() || !estSuiteUtf8(static_cast<unsigned char>(pOctets[i]))) {
      return {U'?', i};
    }
    c = (c << 6) | (static_cast<unsigned char>(pOctets[i]) & 0x3F);
  }
  const bool tropLong = (longueur == 3 && c < 0x800) || (longueur == 4 && c < 0x10000);
  const bool interdit = (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
  if (tropLong || interdit) return {U'?', i};
  return {c, i};
}

// Anything else (wide East Asian characters, combining marks, emoji) would shift the rest of the
// row on some terminals.
bool occupeUneCelluleHorsAscii(char32_t c) {
  return (c >= 0xA0 && c <= 0x2FF) || (c >= 0x370 && c <= 0x52F) || (c >= 0x1E00 && c <= 0x1FFF) ||
         (c >= 0x2010 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E) ||
         (c >= 0x20A0 && c <= 0x20C0) || (c >= 0x2190 && c <= 0x21FF) ||
         (c >= 0x2500 && c <= 0x25FF);
}

std::size_t coupureUtf8(std::string_view pTexte, std::size_t pMax) {
  if (pTexte.size() <= pMax) return pTexte.size();
  // Walk whole characters; a character that would cross the limit stays out. Invalid bytes
  // count one each, so any byte string can be cut.
  std::size_t fin = 0;
  while (fin < pMax) {
    const std::size_t longueur = decoderUtf8(pTexte.substr(fin)).second;
    if (fin + longueur > pMax) break;
    fin += longueur;
  }
  return fin;
}

std::size_t largeurUtf8(std::string_view pTexte) {
  std::size_t largeur = 0;
  for (std::size_t i = 0; i < pTexte.size(); i += decoderUtf8(pTexte.substr(i)).second) ++largeur;
  return largeur;
}

std::size_t octetsDesCellules(std::string_view pTexte, std::size_t pCellules) {
  std::size_t octets = 0;
  for (std::size_t cellule = 0; cellule < pCellules && octets < pTexte.size(); ++cellule) {
    octets += decoderUtf8(pTexte.substr(octets)).second;
  }
  return octets;
}

}  // namespace plateforme
