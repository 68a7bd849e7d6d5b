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

namespace {

int fond(int pAttribut) {
  return pAttribut & 0xF0;
}

// Bytes of a number in a sequence.
int chiffres(int n) {
  return n < 10 ? 1 : n < 100 ? 2 : 3;
}

// Bytes to bring the cursor n columns right on its row: a move, or a short run rewritten.
int coutAvance(int n) {
  return n == 0 ? 0 : std::min(n, 3 + chiffres(n));
}

}  // namespace

bool Rendu::montrerait(const Cellule& pEcrite, const Cellule& pVoulue, std::size_t i) const {
  if (pEcrite == pVoulue) return true;
  // A blank is compared by its background alone, but under the visible cursor.
  return pVoulue.caractere == U' ' && pEcrite.caractere == U' ' && i != indiceCurseur_ &&
         fond(pEcrite.attribut) == fond(pVoulue.attribut);
}

bool Rendu::aChanger(const Ecran& pEcran, int x, int y) const {
  if (!connu_) return true;
  const std::size_t i = indice(x, y);
  const Cellule& montree = affiche_[i];
  const Cellule& voulue = pEcran.cellule(x, y);
  if (montree == voulue) return i == indiceCurseur_ && !exact_[i];
  return !montrerait(montree, voulue, i);
}

void Rendu::montrer(std::size_t i, const Cellule& pCellule, bool pExacte) {
  Cellule& montree = affiche_[i];
  // The count of blanks changes only when a blank comes or goes or changes its background.
  const std::size_t avant = montree.caractere == U' ' ? montree.attribut >> 4 : AUCUN_FOND;
  const std::size_t apres = pCellule.caractere == U' ' ? pCellule.attribut >> 4 : AUCUN_FOND;
  if (avant != apres) {
    --blancsAffiches_[avant];
    ++blancsAffiches_[apres];
  }
  montree = pCellule;
  exact_[i] = pExacte;
}

int Rendu::prochaineAChanger(const Ecran& pEcran, int x, int y) {
  if (!connu_) return x;
  for (std::size_t i = indice(x, y); x <= LARGEUR; ++x, ++i) {
    Cellule& montree = affiche_[i];
    const Cellule& voulue = pEcran.cellule(x, y);
    if (montree == voulue) {
      if (i == indiceCurseur_ && !exact_[i]) return x;
    } else if (montrerait(montree, voulue, i)) {
      // The same look: only the foreground of a blank differs, and with it the exactness.
      montree = voulue;
      exact_[i] = false;
    } else {
      return x;
    }
  }
  return x;
}

int Rendu::attributDuBlanc(const Ecran& pEcran, int x, int y) const {
  const int voulu = pEcran.cellule(x, y).attribut;
  if (indice(x, y) == indiceCurseur_) return voulu;
  if (terminalAttribut_ >= 0 && fond(terminalAttribut_) == fond(voulu)) return terminalAttribut_;
  // The colours change anyway: choose the foreground of the next character to draw on this
  // background, which then needs no change of its own.
  for (int g = x + 1; g <= LARGEUR; ++g) {
    const Cellule& suivante = pEcran.cellule(g, y);
    if (suivante.caractere == U' ' && fond(suivante.attribut) == fond(voulu)) continue;
    if (fond(suivante.attribut) == fond(voulu) && aChanger(pEcran, g, y)) {
      return suivante.attribut;
    }
    break;
  }
  if (terminalAttribut_ < 0) return voulu;
  const int sousLeMeme = (terminalAttribut_ & 0x0F) | fond(voulu);
  // Without colour every change is a reset: bold, which a blank does not show, would cost more.
  if (sansCouleur_ && styleSansCouleur(sousLeMeme) != styleSansCouleur(terminalAttribut_)) {
    return voulu & ~0x08;
  }
  return sousLeMeme;
}

Cellule Rendu::poserCellule(std::string& pSortie, const Ecran& pEcran, int x, int y) {
  const Cellule& voulue = pEcran.cellule(x, y);
  allerA(pSortie, x, y);
  const bool libre = voulue.caractere == U' ' && voulue.attribut != terminalAttribut_;
  changerAttribut(pSortie, libre ? attributDuBlanc(pEcran, x, y) : voulue.attribut);
  ajouterUtf8(pSortie, voulue.caractere);
  const Cellule ecrite{voulue.caractere, static_cast<std::uint8_t>(terminalAttribut_)};
  montrer(indice(x, y), voulue, ecrite == voulue);
  // After the last column the terminal holds its cursor in a pending wrap: trust it no more.
  if (++terminalX_ > LARGEUR) terminalX_ = terminalY_ = 0;
  return ecrite;
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

void Rendu::rapprocher(std::string& pSortie, const Ecran& pEcran, int x, int y) {
  // Rewrite a short run of unchanged cells rather than jump over it, when they still show what
  // the screen wants in the colours in force.
  if (y == terminalY_ && x > terminalX_ && x - terminalX_ <= ECART_REECRIT_MAX &&
      terminalAttribut_ >= 0) {
    bool possible = true;
    for (int g = terminalX_; g < x && possible; ++g) {
      const Cellule reecrite{affiche_[indice(g, y)].caractere,
                             static_cast<std::uint8_t>(terminalAttribut_)};
      possible = montrerait(reecrite, pEcran.cellule(g, y), indice(g, y));
    }
    if (possible) {
      for (int g = terminalX_; g < x; ++g) {
        const Cellule& voulue = pEcran.cellule(g, y);
        ajouterUtf8(pSortie, voulue.caractere);
        montrer(indice(g, y), voulue, voulue.attribut == terminalAttribut_);
      }
      terminalX_ = x;
    }
  }
  allerA(pSortie, x, y);
}

int Rendu::effacerOuEcrire(std::string& pSortie, const Ecran& pEcran, int x, int y) {
  // The run of blanks of this background, short of the cell under the text cursor, and the last
  // cell in it that changes.
  const int fondVoulu = fond(pEcran.cellule(x, y).attribut);
  int fin = x;
  int dernier = x;
  for (int g = x + 1; g <= LARGEUR; ++g) {
    const Cellule& c = pEcran.cellule(g, y);
    if (c.caractere != U' ' || fond(c.attribut) != fondVoulu || indice(g, y) == indiceCurseur_) {
      break;
    }
    fin = g;
    if (aChanger(pEcran, g, y)) dernier = g;
  }
  int suivante = fin + 1;
  while (suivante <= LARGEUR && !aChanger(pEcran, suivante, y)) ++suivante;

  // The rule, in bytes: both ways set the same background first. Writing leaves the cursor after
  // the run; erasing leaves it at its start, so the next cell to draw on the row needs a move.
  const int n = dernier - x + 1;
  int ecrire = capacites_.repete && n > 1 ? std::min(n, 1 + 3 + chiffres(n - 1)) : n;
  int effacer = fin == LARGEUR ? 3 : 3 + chiffres(n);
  if (suivante <= LARGEUR) {
    ecrire += coutAvance(suivante - dernier - 1);
    effacer += coutAvance(suivante - x);
  }

  rapprocher(pSortie, pEcran, x, y);
  if (ecrire <= effacer) {
    for (int g = x; g <= dernier;) {
      if (aChanger(pEcran, g, y)) {
        rapprocher(pSortie, pEcran, g, y);
        g = ecrireSuite(pSortie, pEcran, g, y, dernier);
      } else {
        ++g;
      }
    }
    return dernier + 1;
  }
  changerAttribut(pSortie, attributDuBlanc(pEcran, x, y));
  const int efface = fin == LARGEUR ? LARGEUR : dernier;
  pSortie += fin == LARGEUR ? std::string(EFFACER_FIN_LIGNE) : "\x1b[" + std::to_string(n) + "X";
  // Erased cells take a foreground that differs between terminals: none is exact.
  for (int g = x; g <= efface; ++g) montrer(indice(g, y), pEcran.cellule(g, y), false);
  return efface + 1;
}

int Rendu::ecrireSuite(std::string& pSortie, const Ecran& pEcran, int x, int y, int pFin) {
  const Cellule ecrite = poserCellule(pSortie, pEcran, x, y);
  if (!capacites_.repete) return x + 1;
  // The run may go over unchanged cells that look the same, which costs less than a move, up to
  // the last changed one.
  int fin = x;
  for (int g = x + 1; g <= pFin && montrerait(ecrite, pEcran.cellule(g, y), indice(g, y)); ++g) {
    if (aChanger(pEcran, g, y)) fin = g;
  }
  const int fois = fin - x;
  std::string repetition = "\x1b[" + std::to_string(fois) + "b";
  std::string caractere;
  ajouterUtf8(caractere, ecrite.caractere);
  if (repetition.size() >= static_cast<std::size_t>(fois) * caractere.size()) return x + 1;
  pSortie += repetition;
  for (int g = x + 1; g <= fin; ++g) {
    const Cellule& voulue = pEcran.cellule(g, y);
    montrer(indice(g, y), voulue, voulue == ecrite);
  }
  // As when written one by one: after the last column the cursor waits to wrap.
  terminalX_ = fin + 1;
  if (terminalX_ > LARGEUR) terminalX_ = terminalY_ = 0;
  return fin + 1;
}

void Rendu::peindre(std::string& pSortie, const Ecran& pEcran) {
  for (int y = 1; y <= HAUTEUR; ++y) {
    for (int x = prochaineAChanger(pEcran, 1, y); x <= LARGEUR;) {
      if (capacites_.effaceEnCouleur && pEcran.cellule(x, y).caractere == U' ' &&
          indice(x, y) != indiceCurseur_) {
        x = effacerOuEcrire(pSortie, pEcran, x, y);
      } else {
        rapprocher(pSortie, pEcran, x, y);
        x = ecrireSuite(pSortie, pEcran, x, y, LARGEUR);
      }
      x = prochaineAChanger(pEcran, x, y);
    }
  }
  connu_ = true;
}

void Rendu::effacerEcran(std::string& pSortie, int pAttribut) {
  changerAttribut(pSortie, pAttribut);
  pSortie += EFFACER_ECRAN;
  affiche_.fill(Cellule{U' ', static_cast<std::uint8_t>(pAttribut)});
  exact_.fill(false);       // erased cells take a foreground that differs between terminals
  blancsAffiches_.fill(0);  // nothing but blanks
  blancsAffiches_[static_cast<std::size_t>(pAttribut >> 4)] = LARGEUR * HAUTEUR;
  connu_ = true;
  // Some terminals home the cursor on erase-display: trust its position no more.
  terminalX_ = terminalY_ = 0;
}

namespace {

// The colours of the commonest blank background, under the commonest foreground of its blanks.
int attributDesBlancsLesPlusCommuns(const Ecran& pEcran) {
  std::array<int, 256> blancs{};
  for (int y = 1; y <= HAUTEUR; ++y) {
    for (int x = 1; x <= LARGEUR; ++x) {
      const Cellule& c = pEcran.cellule(x, y);
      if (c.caractere == U' ') ++blancs[c.attribut];
    }
  }
  int meilleur = ATTRIBUT_INITIAL;
  int meilleurFond = 0;
  for (int f = 0; f < 256; f += 16) {
    int total = 0;
    for (int a = f; a < f + 16; ++a) total += blancs[static_cast<std::size_t>(a)];
    if (total <= meilleurFond) continue;
    meilleurFond = total;
    meilleur = static_cast<int>(std::max_element(blancs.begin() + f, blancs.begin() + f + 16) -
                                blancs.begin());
  }
  return meilleur;
}

}  // namespace

void Rendu::repeindreApresEffacementSiPlusCourt(std::string& pSortie, const Ecran& pEcran,
                                                const EtatTerminal& pAvant) {
  // The diff has just been drawn, so the blanks shown are the screen's. After an erase every cell
  // but the blanks of the commonest background costs a byte at least: no trial when the diff
  // cost less than that.
  const auto plusCommun =
      std::max_element(blancsAffiches_.begin(), blancsAffiches_.begin() + AUCUN_FOND);
  const std::size_t restantes = static_cast<std::size_t>(LARGEUR * HAUTEUR - *plusCommun);
  if (pSortie.size() <= restantes + EFFACER_ECRAN.size()) return;
  const auto afficheApresDiff = affiche_;
  const auto exactApresDiff = exact_;
  const auto blancsApresDiff = blancsAffiches_;
  const EtatTerminal etatApresDiff = etatTerminal();
  remettre(pAvant);
  const int fondCommun = static_cast<int>(plusCommun - blancsAffiches_.begin()) << 4;
  std::string apresEffacement;
  effacerEcran(apresEffacement,
               (pAvant.attribut >= 0 ? pAvant.attribut & 0x0F : ATTRIBUT_INITIAL) | fondCommun);
  peindre(apresEffacement, pEcran);
  if (apresEffacement.size() < pSortie.size()) {
    pSortie = std::move(apresEffacement);
  } else {
    affiche_ = afficheApresDiff;
    exact_ = exactApresDiff;
    blancsAffiches_ = blancsApresDiff;
    remettre(etatApresDiff);
  }
}

std::string Rendu::trame(const Ecran& pEcran) {
  std::string corps;
  indiceCurseur_ =
      pEcran.curseurVisible() ? indice(pEcran.curseurX(), pEcran.curseurY()) : SANS_CURSEUR;
  if (!connu_) {
    terminalX_ = terminalY_ = 0;
    terminalAttribut_ = -1;
    curseurMontre_ = true;  // make sure the next decision hides or shows it explicitly
    // Every cell is to be drawn: an erase first leaves the commonest blanks drawn already.
    if (capacites_.effaceEnCouleur) effacerEcran(corps, attributDesBlancsLesPlusCommuns(pEcran));
    peindre(corps, pEcran);
  } else {
    const EtatTerminal avant = etatTerminal();
    peindre(corps, pEcran);
    if (capacites_.effaceEnCouleur) repeindreApresEffacementSiPlusCourt(corps, pEcran, avant);
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
