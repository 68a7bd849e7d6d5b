#include "plateforme/ecran.hpp"

#include <algorithm>

#include "plateforme/utf8.hpp"

namespace plateforme {

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
      const auto [c, utilises] = decoderUtf8(pOctets.substr(i));
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
