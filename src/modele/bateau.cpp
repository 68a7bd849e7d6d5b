#include "modele/bateau.hpp"

#include <algorithm>
#include <iterator>
#include <utility>

#include "modele/coniocouleur.hpp"
#include "modele/coup.hpp"
#include "modele/parametre.hpp"

namespace {

TInfoBateau& bateauDe(TJoueur& pJoueur, int pIdBateau) {
  return pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(pIdBateau)];
}

const TInfoBateau& bateauDe(const TJoueur& pJoueur, int pIdBateau) {
  return pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(pIdBateau)];
}

// Ship index over both fleets: the human's ships first, then the computer's.
template <typename Param>
auto& bateauParIndex(int pNum, Param& pParam) {
  const int nbBateaux = getNbBateaux(pParam);
  auto& joueur = pNum < nbBateaux ? *pParam.joueur1 : *pParam.joueur2;
  return bateauDe(joueur, pNum < nbBateaux ? pNum : pNum - nbBateaux);
}

// The first cell is the pivot; the ship is pulled back just enough for its last cell to fit.
void tourner(TPosition& pPos, int pLongueur) {
  if (pPos.mDirection == horizontal) {
    while (pPos.mLatitude + pLongueur > TAILLE_GRILLE + 1) --pPos.mLatitude;
    pPos.mDirection = vertical;
  } else {
    while (pPos.mLongitude + pLongueur > TAILLE_GRILLE + 1) --pPos.mLongitude;
    pPos.mDirection = horizontal;
  }
}

// A move that would take any cell off the grid is ignored.
void deplacer(TPosition& pPos, int pLongueur, int pTouche) {
  const bool vers = pPos.mDirection == vertical;
  const int longueurLigne = vers ? pLongueur : 1;    // rows the ship spans
  const int longueurColonne = vers ? 1 : pLongueur;  // columns the ship spans
  if (pTouche == TOUCHE_HAUT && pPos.mLatitude > 1) --pPos.mLatitude;
  if (pTouche == TOUCHE_BAS && pPos.mLatitude + longueurLigne <= TAILLE_GRILLE) ++pPos.mLatitude;
  if (pTouche == TOUCHE_GAUCHE && pPos.mLongitude > 1) --pPos.mLongitude;
  if (pTouche == TOUCHE_DROITE && pPos.mLongitude + longueurColonne <= TAILLE_GRILLE) {
    ++pPos.mLongitude;
  }
}

}  // namespace

int getCouleur(const TInfoBateau& pB) {
  return pB.mCouleur;
}

EType getForme(const TInfoBateau& pB) {
  return pB.mType;
}

std::string getBNom(const TInfoBateau& pB) {
  return pB.mNom;
}

TInfoBateau& getInfoBateau(int pNum, Tparam& pParam) {
  return bateauParIndex(pNum, pParam);
}

const TInfoBateau& getInfoBateau(int pNum, const Tparam& pParam) {
  return bateauParIndex(pNum, pParam);
}

int getNbCases(const Tparam& pParam) {
  return (remorqueur + porteAvion + sousMarin + cargot) * getNBInstances(pParam);
}

bool estLibre(const TJoueur& pJoueur, int pIdBateau) {
  const TInfoBateau& bateau = bateauDe(pJoueur, pIdBateau);
  const auto debut = pJoueur.tabPosBateauJoueur.begin();
  const auto fin = debut + std::min<std::ptrdiff_t>(pJoueur.nbCasesPrises,
                                                    std::ssize(pJoueur.tabPosBateauJoueur));
  for (int j = 0; j < bateau.mType; ++j) {
    if (std::find(debut, fin, caseDuBateau(bateau.mCoordonnees, j)) != fin) return false;
  }
  return true;
}

void enregistrerPos(TJoueur& pJoueur, int pIdBateau) {
  const TInfoBateau& bateau = bateauDe(pJoueur, pIdBateau);
  auto& cases = pJoueur.tabPosBateauJoueur;
  for (int j = 0; j < bateau.mType; ++j) {
    const int code = caseDuBateau(bateau.mCoordonnees, j);
    // A full array grows rather than be written past its end; the count stays exact.
    if (std::cmp_less(pJoueur.nbCasesPrises, cases.size())) {
      cases[static_cast<std::size_t>(pJoueur.nbCasesPrises)] = code;
    } else {
      cases.push_back(code);
    }
    ++pJoueur.nbCasesPrises;
  }
}

bool actionBateau(TJoueur& pJoueur, int pIdBateau, int pAction) {
  TInfoBateau& bateau = bateauDe(pJoueur, pIdBateau);
  if (pAction == TOUCHE_ENTREE) {
    if (!estLibre(pJoueur, pIdBateau)) return false;
    enregistrerPos(pJoueur, pIdBateau);
    return true;
  }
  if (pAction == TOUCHE_TOURNER) {
    tourner(bateau.mCoordonnees, bateau.mType);
  } else {
    deplacer(bateau.mCoordonnees, bateau.mType, pAction);
  }
  return false;
}

bool estCoule(int pIdBateau, const TJoueur& pTireur, const TJoueur& pCible) {
  const TInfoBateau& bateau = bateauDe(pCible, pIdBateau);
  if (!pTireur.pileCoup) return false;
  // Every cell is read, shot or not, so the check costs the same early and late in a game.
  int touchees = 0;
  for (int j = 0; j < bateau.mType; ++j) {
    touchees += existePos(*pTireur.pileCoup, caseDuBateau(bateau.mCoordonnees, j)) ? 1 : 0;
  }
  return touchees == bateau.mType;
}
