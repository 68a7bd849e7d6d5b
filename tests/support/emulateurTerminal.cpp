#include "support/emulateurTerminal.hpp"

#include <algorithm>
#include <charconv>
#include <vector>

using plateforme::HAUTEUR;
using plateforme::LARGEUR;

namespace {

// The numbers of a parameter string such as "12;40"; an empty one counts as 0.
std::vector<int> nombres(std::string_view pParametres) {
  std::vector<int> resultat;
  for (;;) {
    const std::size_t fin = std::min(pParametres.find(';'), pParametres.size());
    int n = 0;
    std::from_chars(pParametres.data(), pParametres.data() + fin, n);
    resultat.push_back(n);
    if (fin == pParametres.size()) return resultat;
    pParametres.remove_prefix(fin + 1);
  }
}

int parametre(const std::vector<int>& pNombres, std::size_t i, int pDefaut) {
  return i < pNombres.size() && pNombres[i] != 0 ? pNombres[i] : pDefaut;
}

// ANSI colour index (bit 0 red, bit 2 blue) back to the console's (bit 0 blue, bit 2 red).
int indexConsole(int pAnsi) {
  return (pAnsi & 2) | ((pAnsi & 1) << 2) | ((pAnsi & 4) >> 2);
}

}  // namespace

void EmulateurTerminal::recevoir(std::string_view pOctets) {
  std::size_t i = 0;
  while (i < pOctets.size()) {
    const auto octet = static_cast<unsigned char>(pOctets[i]);
    if (octet == 0x1b) {
      if (i + 1 >= pOctets.size() || pOctets[i + 1] != '[') {
        inconnu_ += "ESC not followed by [; ";
        return;
      }
      std::size_t fin = i + 2;
      while (fin < pOctets.size() && (pOctets[fin] < 0x40 || pOctets[fin] > 0x7e)) ++fin;
      if (fin == pOctets.size()) {
        inconnu_ += "sequence cut short; ";
        return;
      }
      executer(pOctets[fin], pOctets.substr(i + 2, fin - i - 2));
      i = fin + 1;
    } else if (octet < 0x20 || octet == 0x7f) {
      inconnu_ += "control byte " + std::to_string(octet) + "; ";
      ++i;
    } else {
      // UTF-8: the lead byte gives the length.
      const std::size_t longueur = octet < 0x80 ? 1 : octet < 0xe0 ? 2 : octet < 0xf0 ? 3 : 4;
      char32_t c = longueur == 1 ? octet : octet & (0x3f >> (longueur - 1));
      for (std::size_t k = 1; k < longueur && i + k < pOctets.size(); ++k) {
        c = c << 6 | (static_cast<unsigned char>(pOctets[i + k]) & 0x3f);
      }
      poser(c);
      i += longueur;
    }
  }
}

void EmulateurTerminal::executer(char pFinale, std::string_view pParametres) {
  if (!pParametres.empty() && pParametres[0] == '?') {
    // Private modes (synchronized output, cursor shown or hidden) change no cell.
    if (pParametres != "?2026" && pParametres != "?25") inconnu_ += std::string(pParametres) + "; ";
    return;
  }
  const std::vector<int> n = nombres(pParametres);
  switch (pFinale) {
    case 'H':  // cursor position
      y_ = std::clamp(parametre(n, 0, 1), 1, HAUTEUR);
      x_ = std::clamp(parametre(n, 1, 1), 1, LARGEUR);
      break;
    case 'C':  // cursor forward
      x_ = std::min(x_ + parametre(n, 0, 1), LARGEUR);
      break;
    case 'm':
      couleurs(pParametres);
      break;
    case 'X':  // erase characters, cursor kept
      effacer(x_, y_, std::min(parametre(n, 0, 1), LARGEUR - x_ + 1));
      break;
    case 'K':  // erase to the end of the row, cursor kept
      if (n[0] != 0) inconnu_ += "EL " + std::to_string(n[0]) + "; ";
      effacer(x_, y_, LARGEUR - x_ + 1);
      break;
    case 'b':  // repeat the last character
      for (int k = 0; k < parametre(n, 0, 1); ++k) poser(dernier_);
      return;
    case 'J':  // erase the whole screen, cursor kept
      if (n[0] != 2) inconnu_ += "ED " + std::to_string(n[0]) + "; ";
      effacer(1, 1, LARGEUR * HAUTEUR);
      break;
    default:
      inconnu_ += "CSI " + std::string(pParametres) + pFinale + "; ";
      return;
  }
  retourEnAttente_ = false;
}

void EmulateurTerminal::couleurs(std::string_view pParametres) {
  for (int code : nombres(pParametres)) {
    if (code == 0) {
      avantPlan_ = arrierePlan_ = DEFAUT;
    } else if (code >= 30 && code <= 37) {
      avantPlan_ = indexConsole(code - 30);
    } else if (code >= 90 && code <= 97) {
      avantPlan_ = 8 + indexConsole(code - 90);
    } else if (code >= 40 && code <= 47) {
      arrierePlan_ = indexConsole(code - 40);
    } else if (code >= 100 && code <= 107) {
      arrierePlan_ = 8 + indexConsole(code - 100);
    } else {
      inconnu_ += "SGR " + std::to_string(code) + "; ";
    }
  }
}

void EmulateurTerminal::effacer(int x, int y, int pNombre) {
  const auto debut = static_cast<std::size_t>((y - 1) * LARGEUR + x - 1);
  for (std::size_t i = debut; i < debut + static_cast<std::size_t>(pNombre); ++i) {
    // The foreground of an erased cell differs between terminals: take the default.
    cases_[i] = Case{U' ', DEFAUT, effaceEnCouleur_ ? arrierePlan_ : DEFAUT};
  }
}

void EmulateurTerminal::poser(char32_t pCaractere) {
  if (retourEnAttente_) {
    retourEnAttente_ = false;
    x_ = 1;
    if (y_ < HAUTEUR) {
      ++y_;
    } else {
      std::move(cases_.begin() + LARGEUR, cases_.end(), cases_.begin());
      effacer(1, HAUTEUR, LARGEUR);
    }
  }
  ici() = Case{pCaractere, avantPlan_, arrierePlan_};
  dernier_ = pCaractere;
  if (x_ < LARGEUR) {
    ++x_;
  } else {
    retourEnAttente_ = true;
  }
}

std::string EmulateurTerminal::difference(const plateforme::Ecran& pEcran) const {
  if (!inconnu_.empty()) return "unknown: " + inconnu_;
  for (int y = 1; y <= HAUTEUR; ++y) {
    for (int x = 1; x <= LARGEUR; ++x) {
      const Case& vue = cases_[static_cast<std::size_t>((y - 1) * LARGEUR + x - 1)];
      const plateforme::Cellule& voulue = pEcran.cellule(x, y);
      // A blank shows only its background, but under the visible cursor, which may show its
      // foreground too.
      const bool exacte =
          voulue.caractere != U' ' ||
          (pEcran.curseurVisible() && x == pEcran.curseurX() && y == pEcran.curseurY());
      if (vue.caractere != voulue.caractere || vue.arrierePlan != voulue.attribut >> 4 ||
          (exacte && vue.avantPlan != (voulue.attribut & 0x0F))) {
        return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  return "";
}
