#include "plateforme/rendu.hpp"

namespace plateforme {
namespace {

constexpr std::string_view DEBUT_SYNCHRO = "\x1b[?2026h";  // hold the display until the end
constexpr std::string_view FIN_SYNCHRO = "\x1b[?2026l";    // show the frame at once
constexpr std::string_view MONTRER_CURSEUR = "\x1b[?25h";
constexpr std::string_view CACHER_CURSEUR = "\x1b[?25l";
// Unchanged cells worth rewriting instead of moving over them: a move costs 4 to 8 bytes.
constexpr int ECART_REECRIT_MAX = 3;

int ordreAnsi(int pCouleur) {
  return (pCouleur & 2) | ((pCouleur & 1) << 2) | ((pCouleur & 4) >> 2);
}

std::size_t indice(int x, int y) {
  return static_cast<std::size_t>((y - 1) * LARGEUR + (x - 1));
}

}  // namespace

int codeAnsiAvantPlan(int pCouleur) {
  return ((pCouleur & 8) != 0 ? 90 : 30) + ordreAnsi(pCouleur & 7);
}

int codeAnsiArrierePlan(int pCouleur) {
  return ((pCouleur & 8) != 0 ? 100 : 40) + ordreAnsi(pCouleur & 7);
}

void Rendu::allerA(std::string& pSortie, int x, int y) {
  if (x == terminalX_ && y == terminalY_) return;
  if (y == terminalY_ && x > terminalX_ && terminalX_ != 0) {
    pSortie += "\x1b[" + std::to_string(x - terminalX_) + "C";  // forward on the same row
  } else {
    pSortie += "\x1b[" + std::to_string(y) + ";" + std::to_string(x) + "H";  // absolute
  }
  terminalX_ = x;
  terminalY_ = y;
}

void Rendu::changerAttribut(std::string& pSortie, int pAttribut) {
  if (pAttribut == terminalAttribut_) return;
  const bool avantPlan = terminalAttribut_ < 0 || (pAttribut & 0x0F) != (terminalAttribut_ & 0x0F);
  const bool arrierePlan =
      terminalAttribut_ < 0 || (pAttribut & 0xF0) != (terminalAttribut_ & 0xF0);
  pSortie += "\x1b[";
  if (avantPlan) pSortie += std::to_string(codeAnsiAvantPlan(pAttribut & 0x0F));
  if (avantPlan && arrierePlan) pSortie += ";";
  if (arrierePlan) pSortie += std::to_string(codeAnsiArrierePlan((pAttribut >> 4) & 0x0F));
  pSortie += "m";
  terminalAttribut_ = pAttribut;
}

void Rendu::poserCellule(std::string& pSortie, int x, int y, const Cellule& pCellule) {
  allerA(pSortie, x, y);
  changerAttribut(pSortie, pCellule.attribut);
  ajouterUtf8(pSortie, pCellule.caractere);
  affiche_[indice(x, y)] = pCellule;
  // After the last column the terminal holds its cursor in a pending wrap: trust it no more.
  if (++terminalX_ > LARGEUR) terminalX_ = terminalY_ = 0;
}

void Rendu::placerCurseurTexte(std::string& pSortie, const Ecran& pEcran) {
  if (pEcran.curseurVisible()) {
    allerA(pSortie, pEcran.curseurX(), pEcran.curseurY());
    if (!curseurMontre_) pSortie += MONTRER_CURSEUR;
  } else if (curseurMontre_) {
    pSortie += CACHER_CURSEUR;
  }
  curseurMontre_ = pEcran.curseurVisible();
}

std::string Rendu::trame(const Ecran& pEcran) {
  std::string corps;
  if (!connu_) {
    terminalX_ = terminalY_ = 0;
    terminalAttribut_ = -1;
    curseurMontre_ = true;  // make sure the next decision hides or shows it explicitly
  }
  for (int y = 1; y <= HAUTEUR; ++y) {
    for (int x = 1; x <= LARGEUR; ++x) {
      const Cellule& voulue = pEcran.cellule(x, y);
      if (connu_ && affiche_[indice(x, y)] == voulue) continue;
      // Rewrite a short run of unchanged cells rather than jump over it, when they already
      // have the colours in force.
      if (y == terminalY_ && x > terminalX_ && x - terminalX_ <= ECART_REECRIT_MAX) {
        bool memeAttribut = true;
        for (int g = terminalX_; g < x; ++g) {
          memeAttribut = memeAttribut && affiche_[indice(g, y)].attribut == terminalAttribut_;
        }
        if (memeAttribut) {
          for (int g = terminalX_; g < x; ++g) ajouterUtf8(corps, affiche_[indice(g, y)].caractere);
          terminalX_ = x;
        }
      }
      poserCellule(corps, x, y, voulue);
    }
  }
  connu_ = true;
  placerCurseurTexte(corps, pEcran);
  if (corps.empty()) return corps;
  std::string trame;
  trame.reserve(corps.size() + 2 * DEBUT_SYNCHRO.size());
  trame += DEBUT_SYNCHRO;
  trame += corps;
  trame += FIN_SYNCHRO;
  return trame;
}

std::string trameNaive(const Ecran& pEcran) {
  std::string trame(DEBUT_SYNCHRO);
  trame += "\x1b[H\x1b[2J";
  int attribut = -1;
  for (int y = 1; y <= HAUTEUR; ++y) {
    trame += "\x1b[" + std::to_string(y) + ";1H";
    for (int x = 1; x <= LARGEUR; ++x) {
      const Cellule& c = pEcran.cellule(x, y);
      if (c.attribut != attribut) {
        attribut = c.attribut;
        trame += "\x1b[" + std::to_string(codeAnsiAvantPlan(attribut & 0x0F)) + ";" +
                 std::to_string(codeAnsiArrierePlan(attribut >> 4)) + "m";
      }
      ajouterUtf8(trame, c.caractere);
    }
  }
  trame += FIN_SYNCHRO;
  return trame;
}

}  // namespace plateforme
