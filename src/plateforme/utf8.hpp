#pragma once
// UTF-8 as the screen, the keyboard and the names see it: the length a lead byte announces, the
// decoding of one character, which characters take exactly one cell, and cutting text without
// splitting a character.

#include <cstddef>
#include <string_view>
#include <utility>

namespace plateforme {

// Length of the sequence announced by a lead byte, 0 for a byte that cannot start one.
int longueurSequenceUtf8(unsigned char pOctet);
inline bool estSuiteUtf8(unsigned char pOctet) {
  return (pOctet & 0xC0) == 0x80;
}

// Decodes the character at the start of non-empty pOctets: its code point, or '?' for an
// invalid sequence, and the number of bytes it uses.
std::pair<char32_t, std::size_t> decoderUtf8(std::string_view pOctets);

// Code points that every terminal draws in exactly one cell. Printable ASCII is decided here, on
// the path of every character drawn.
bool occupeUneCelluleHorsAscii(char32_t pCaractere);
inline bool occupeUneCellule(char32_t pCaractere) {
  if (pCaractere < 0x80) return pCaractere >= 0x20 && pCaractere < 0x7F;
  return occupeUneCelluleHorsAscii(pCaractere);
}

// The length of the longest start of pTexte of at most pMax bytes that does not end inside a
// valid multi-byte character.
std::size_t coupureUtf8(std::string_view pTexte, std::size_t pMax);

// The cells a text takes on the screen, which shows one character a cell (an invalid byte is
// one '?'): an accented letter is one cell and several bytes.
std::size_t largeurUtf8(std::string_view pTexte);
// The bytes the first pCellules cells of pTexte take (all of it when it is narrower), to cut a
// text by its width without splitting a character.
std::size_t octetsDesCellules(std::string_view pTexte, std::size_t pCellules);

}  // namespace plateforme
