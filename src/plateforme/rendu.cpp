#include "plateforme/rendu.hpp"

#include <algorithm>

namespace plateforme {
namespace {

constexpr std::string_view DEBUT_SYNCHRO = "\x1b[?2026h";  // hold the display until the end
constexpr std::string_view FIN_SYNCHRO = "\x1b[?2026l";    // show the frame at once
constexpr std::string_view MONTRER_CURSEUR = "\x1b[?25h";
constexpr std::string_view CACHER_CURSEUR = "\x1b[?25l";
// Erasing, in the colours in force on a terminal that erases in the background colour.
constexpr std::string_view EFFACER_FIN_LIGNE = "\x1b[K";  // from the cursor to the end of the row
constexpr std::string_view EFFACER_ECRAN = "\x1b[2J";     // the whole screen, cursor kept
// Unchanged cells worth rewriting instead of moving over them: a move costs 4 to 8 bytes.
constexpr int ECART_REECRIT_MAX = 3;

int ordreAnsi(int pCouleur) {
  return (pCouleur & 2) | ((pCouleur & 1) << 2) | ((pCouleur & 4) >> 2);
}

std::size_t indice(int x, int y) {
  return static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(LARGEUR) +
         static_cast<std::size_t>(x - 1);
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

namespace {

// Bold for a bright foreground, reverse video for a background other than black.
constexpr int GRAS = 1;
constexpr int INVERSE = 2;
int styleSansCouleur(int pAttribut) {
  return ((pAttribut & 0x08) != 0 ? GRAS : 0) | ((pAttribut & 0xF0) != 0 ? INVERSE : 0);
}

}  // namespace

void Rendu::changerAttribut(std::string& pSortie, int pAttribut) {
  if (pAttribut == terminalAttribut_) return;
  if (sansCouleur_) {
    const int style = styleSansCouleur(pAttribut);
    if (terminalAttribut_ < 0 || style != styleSansCouleur(terminalAttribut_)) {
      pSortie += "\x1b[0";
      if ((style & GRAS) != 0) pSortie += ";1";
      if ((style & INVERSE) != 0) pSortie += ";7";
      pSortie += "m";
    }
    terminalAttribut_ = pAttribut;
    return;
  }
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

void Rendu::remettre(const EtatTerminal& pEtat) {
  terminalX_ = pEtat.x;
  terminalY_ = pEtat.y;
  terminalAttribut_ = pEtat.attribut;
}

bool Rendu::aChanger(const Ecran& pEcran, int x, int y) const {
  return !connu_ || !(affiche_[indice(x, y)] == pEcran.cellule(x, y));
}

void Rendu::rapprocher(std::string& pSortie, int x, int y) {
  // Rewrite a short run of unchanged cells rather than jump over it, when they already have the
  // colours in force.
  if (y == terminalY_ && x > terminalX_ && x - terminalX_ <= ECART_REECRIT_MAX) {
    bool memeAttribut = true;
    for (int g = terminalX_; g < x; ++g) {
      memeAttribut = memeAttribut && affiche_[indice(g, y)].attribut == terminalAttribut_;
    }
    if (memeAttribut) {
      for (int g = terminalX_; g < x; ++g) ajouterUtf8(pSortie, affiche_[indice(g, y)].caractere);
      terminalX_ = x;
    }
  }
  allerA(pSortie, x, y);
}

int Rendu::effacerOuEcrire(std::string& pSortie, const Ecran& pEcran, int x, int y) {
  const Cellule blanc = pEcran.cellule(x, y);
  int fin = x;
  while (fin < LARGEUR && pEcran.cellule(fin + 1, y) == blanc) ++fin;
  int suivante = fin + 1;
  while (suivante <= LARGEUR && !aChanger(pEcran, suivante, y)) ++suivante;

  // Both ways leave every cell of the run as the blank it is on the screen: only the cursor and
  // the colours differ between them.
  const EtatTerminal avant = etatTerminal();
  std::string ecrit;
  for (int g = x; g <= fin;) {
    if (!aChanger(pEcran, g, y)) {
      ++g;
    } else {
      rapprocher(ecrit, g, y);
      g = ecrireSuite(ecrit, pEcran, g, y, fin);
    }
  }
  if (suivante <= LARGEUR) rapprocher(ecrit, suivante, y);
  const EtatTerminal apresEcriture = etatTerminal();

  // Erasing leaves the cursor where it is, and fills with the colours in force: set them first.
  remettre(avant);
  std::string efface;
  rapprocher(efface, x, y);
  changerAttribut(efface, blanc.attribut);
  efface +=
      fin == LARGEUR ? std::string(EFFACER_FIN_LIGNE) : "\x1b[" + std::to_string(fin - x + 1) + "X";
  for (int g = x; g <= fin; ++g) affiche_[indice(g, y)] = blanc;
  if (suivante <= LARGEUR) rapprocher(efface, suivante, y);

  if (efface.size() < ecrit.size()) {
    pSortie += efface;
  } else {
    remettre(apresEcriture);
    pSortie += ecrit;
  }
  return suivante;
}

int Rendu::ecrireSuite(std::string& pSortie, const Ecran& pEcran, int x, int y, int pFin) {
  const Cellule& voulue = pEcran.cellule(x, y);
  poserCellule(pSortie, x, y, voulue);
  if (!capacites_.repete) return x + 1;
  // The run may go over unchanged cells of the same character, which costs less than a move,
  // up to the last changed one.
  int fin = x;
  for (int g = x + 1; g <= pFin && pEcran.cellule(g, y) == voulue; ++g) {
    if (aChanger(pEcran, g, y)) fin = g;
  }
  const int fois = fin - x;
  std::string repetition = "\x1b[" + std::to_string(fois) + "b";
  std::string caractere;
  ajouterUtf8(caractere, voulue.caractere);
  if (repetition.size() >= static_cast<std::size_t>(fois) * caractere.size()) return x + 1;
  pSortie += repetition;
  for (int g = x + 1; g <= fin; ++g) affiche_[indice(g, y)] = voulue;
  // As when written one by one: after the last column the cursor waits to wrap.
  terminalX_ = fin + 1;
  if (terminalX_ > LARGEUR) terminalX_ = terminalY_ = 0;
  return fin + 1;
}

void Rendu::peindre(std::string& pSortie, const Ecran& pEcran) {
  for (int y = 1; y <= HAUTEUR; ++y) {
    for (int x = 1; x <= LARGEUR;) {
      const Cellule& voulue = pEcran.cellule(x, y);
      if (!aChanger(pEcran, x, y)) {
        ++x;
      } else if (capacites_.effaceEnCouleur && voulue.caractere == U' ') {
        x = effacerOuEcrire(pSortie, pEcran, x, y);
      } else {
        rapprocher(pSortie, x, y);
        x = ecrireSuite(pSortie, pEcran, x, y, LARGEUR);
      }
    }
  }
  connu_ = true;
}

void Rendu::peindreApresEffacementSiPlusCourt(std::string& pSortie, const Ecran& pEcran) {
  std::array<int, 256> blancs{};
  int changees = 0;
  for (int y = 1; y <= HAUTEUR; ++y) {
    for (int x = 1; x <= LARGEUR; ++x) {
      const Cellule& c = pEcran.cellule(x, y);
      if (c.caractere == U' ') ++blancs[c.attribut];
      if (aChanger(pEcran, x, y)) ++changees;
    }
  }
  const auto plusCommun = std::max_element(blancs.begin(), blancs.end());
  const int restantes = LARGEUR * HAUTEUR - *plusCommun;
  // Each cell left to draw after the erase costs a byte at least: no trial when the diff has
  // fewer cells to send.
  if (changees == 0 || changees < restantes) {
    peindre(pSortie, pEcran);
    return;
  }
  Rendu essai = *this;
  std::string apresEffacement;
  essai.changerAttribut(apresEffacement, static_cast<int>(plusCommun - blancs.begin()));
  apresEffacement += EFFACER_ECRAN;
  essai.affiche_.fill(Cellule{U' ', static_cast<std::uint8_t>(plusCommun - blancs.begin())});
  essai.connu_ = true;
  // Some terminals home the cursor on erase-display: trust its position no more.
  essai.terminalX_ = essai.terminalY_ = 0;
  essai.peindre(apresEffacement, pEcran);

  std::string diff;
  peindre(diff, pEcran);
  if (apresEffacement.size() < diff.size()) {
    *this = essai;
    pSortie += apresEffacement;
  } else {
    pSortie += diff;
  }
}

std::string Rendu::trame(const Ecran& pEcran) {
  std::string corps;
  if (!connu_) {
    terminalX_ = terminalY_ = 0;
    terminalAttribut_ = -1;
    curseurMontre_ = true;  // make sure the next decision hides or shows it explicitly
  }
  if (capacites_.effaceEnCouleur) {
    peindreApresEffacementSiPlusCourt(corps, pEcran);
  } else {
    peindre(corps, pEcran);
  }
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
