#include "plateforme/ecran.hpp"

#include <algorithm>

namespace plateforme {
namespace {

// Code points that every terminal draws in exactly one cell. Anything else (wide East Asian
// characters, combining marks, emoji) would shift the rest of the row, so it shows as '?'.
bool occupeUneCellule(char32_t c) {
  return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0x2FF) || (c >= 0x370 && c <= 0x52F) ||
         (c >= 0x1E00 && c <= 0x1FFF) || (c >= 0x2010 && c <= 0x2027) ||
         (c >= 0x2030 && c <= 0x205E) || (c >= 0x20A0 && c <= 0x20C0) ||
         (c >= 0x2190 && c <= 0x21FF) || (c >= 0x2500 && c <= 0x25FF);
}

// Length of the sequence announced by a lead byte, 0 for a byte that cannot start one.
int longueurSequence(unsigned char octet) {
  if (octet >= 0xC2 && octet <= 0xDF) return 2;
  if (octet >= 0xE0 && octet <= 0xEF) return 3;
  if (octet >= 0xF0 && octet <= 0xF4) return 4;
  return 0;
}

bool estSuite(unsigned char octet) {
  return (octet & 0xC0) == 0x80;
}

// Decodes the sequence at the start of pOctets; gives the code point (or '?') and the bytes used.
std::pair<char32_t, std::size_t> decoder(std::string_view pOctets) {
  const auto tete = static_cast<unsigned char>(pOctets[0]);
  const int longueur = longueurSequence(tete);
  if (longueur == 0) return {U'?', 1};
  char32_t c = tete & (0x7F >> longueur);
  std::size_t i = 1;
  for (; i < static_cast<std::size_t>(longueur); ++i) {
    if (i >= pOctets.size() || !estSuite(static_cast<unsigned char>(pOctets[i]))) return {U'?', i};
    c = (c << 6) | (static_cast<unsigned char>(pOctets[i]) & 0x3F);
  }
  const bool tropLong = (longueur == 3 && c < 0x800) || (longueur == 4 && c < 0x10000);
  const bool interdit = (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
  if (tropLong || interdit) return {U'?', i};
  return {c, i};
}

}  // namespace

void Ecran::ecrire(std::string_view pOctets) {
  std::size_t i = 0;
  while (i < pOctets.size()) {
    const auto octet = static_cast<unsigned char>(pOctets[i]);
    if (octet == '\n') {
      allerALaLigne();
      ++i;
    } else if (octet == '\r') {
      x_ = 1;
      ++i;
    } else if (octet == '\t') {
      do {
        poser(U' ');
      } while (x_ <= LARGEUR && (x_ - 1) % 8 != 0);
      ++i;
    } else if (octet < 0x80) {
      poser(occupeUneCellule(octet) ? char32_t{octet} : U'?');
      ++i;
    } else {
      const auto [c, utilises] = decoder(pOctets.substr(i));
      poser(occupeUneCellule(c) ? c : U'?');
      i += utilises;
    }
  }
}

// After the last column the cursor waits past the edge: the next character, not this one, goes
// to the next row, so the bottom-right cell can be written without scrolling.
void Ecran::poser(char32_t pCaractere) {
  if (x_ > LARGEUR) allerALaLigne();
  cellules_[indice(x_, y_)] = Cellule{pCaractere, attribut_};
  ++x_;
}

void Ecran::allerALaLigne() {
  x_ = 1;
  if (++y_ > HAUTEUR) {
    defiler();
    y_ = HAUTEUR;
  }
}

void Ecran::defiler() {
  std::copy(cellules_.begin() + LARGEUR, cellules_.end(), cellules_.begin());
  std::fill(cellules_.end() - LARGEUR, cellules_.end(), Cellule{U' ', attribut_});
}

void Ecran::effacer() {
  for (auto& c : cellules_) c.caractere = U' ';
  x_ = 1;
  y_ = 1;
}

void Ecran::placerCurseur(int x, int y) {
  x_ = std::clamp(x, 1, LARGEUR);
  y_ = std::clamp(y, 1, HAUTEUR);
}

std::string Ecran::ligne(int y) const {
  std::string texte;
  for (int x = 1; x <= LARGEUR; ++x) ajouterUtf8(texte, cellule(x, y).caractere);
  return texte;
}

void ajouterUtf8(std::string& pSortie, char32_t c) {
  auto octet = [&pSortie](char32_t v) { pSortie.push_back(static_cast<char>(v)); };
  if (c < 0x80) {
    octet(c);
  } else if (c < 0x800) {
    octet(0xC0 | (c >> 6));
    octet(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    octet(0xE0 | (c >> 12));
    octet(0x80 | ((c >> 6) & 0x3F));
    octet(0x80 | (c & 0x3F));
  } else {
    octet(0xF0 | (c >> 18));
    octet(0x80 | ((c >> 12) & 0x3F));
    octet(0x80 | ((c >> 6) & 0x3F));
    octet(0x80 | (c & 0x3F));
  }
}

}  // namespace plateforme
