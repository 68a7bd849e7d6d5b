#include "vue/aideJeu.hpp"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>

#include "modele/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "plateforme/utf8.hpp"
#include "vue/disposition.hpp"

namespace {

// Where the help goes in each layout. In the described one, under each player's panel in two
// columns of entries; in the compact one, one short entry a row in the margin right of each board.
struct PlaceAide {
  int xJoueur;
  int xOrdinateur;
  int rangee;
  int largeurEntree;  // cells of one entry, its gap included
  int colonnes;       // entries side by side
  int rangeesMax;
  bool court;  // the type's initial instead of its name
  Point message;
  int largeurMessage;
};

constexpr PlaceAide PLACE_DECRITE{10, 60, 37, 20, 2, 6, false, {1, 44}, 109};
constexpr PlaceAide PLACE_COMPACTE{36, 76, 3, 5, 1, 12, true, {1, 24}, 79};

const PlaceAide& placeAide(const Reglages& pReglages) {
  return &disposition(pReglages) == &DISPOSITION_COMPACTE ? PLACE_COMPACTE : PLACE_DECRITE;
}

const char* nomDuType(EType pType) {
  switch (pType) {
    case remorqueur:
      return tr("remorqueur");
    case porteAvion:
      return tr("porteAvion");
    case sousMarin:
      return tr("sousMarin");
    case cargot:
      return tr("cargot");
  }
  return "";
}

// A mark readable without colour: o afloat, X hit, # sunk, as the shots' glyphs.
char glyphe(EtatBateau pEtat) {
  return pEtat == EtatBateau::aFlot ? 'o' : pEtat == EtatBateau::touche ? 'X' : '#';
}
int couleur(EtatBateau pEtat) {
  return pEtat == EtatBateau::aFlot    ? LIGHTGREEN
         : pEtat == EtatBateau::touche ? LIGHTRED
                                       : DARKGRAY;
}

std::string coupe(std::string_view pTexte, int pCellules) {
  const auto n = static_cast<std::size_t>(std::max(pCellules, 0));
  std::string texte(pTexte.substr(0, plateforme::octetsDesCellules(pTexte, n)));
  texte.append(static_cast<std::size_t>(std::max(pCellules - largeur(texte), 0)), ' ');
  return texte;
}

std::string entree(const TInfoBateau& pBateau, EtatBateau pEtat, const PlaceAide& pPlace) {
  const std::string nom = nomDuType(pBateau.mType);
  const std::string longueur = std::to_string(static_cast<int>(pBateau.mType));
  // The initial as the marks of --marques show it on the ships: upper case.
  const char initiale = static_cast<char>(std::toupper(static_cast<unsigned char>(nom[0])));
  if (pPlace.court) return std::string(1, initiale) + longueur + " " + glyphe(pEtat);
  return std::string(1, glyphe(pEtat)) + " " + nom + " " + longueur;
}

void afficherFlotte(const TJoueur& pTireur, const TJoueur& pCible, int pNbBateaux, int pX,
                    const PlaceAide& pPlace) {
  const int places = pPlace.colonnes * pPlace.rangeesMax;
  for (int i = 0; i < std::min(pNbBateaux, places); ++i) {
    const EtatBateau etat = etatBateau(i, pTireur, pCible);
    textcolor(couleur(etat));
    gotoxy(pX + (i % pPlace.colonnes) * pPlace.largeurEntree, pPlace.rangee + i / pPlace.colonnes);
    const auto& bateau = pCible.mBateauxDuJoueur[static_cast<std::size_t>(i)];
    ecrire(coupe(entree(bateau, etat, pPlace), pPlace.largeurEntree - 1));
  }
}

bool occupe(const TInfoBateau& pBateau, int pCode) {
  const TPosition& p = pBateau.mCoordonnees;
  for (int k = 0; k < static_cast<int>(pBateau.mType); ++k) {
    const bool horiz = p.mDirection == horizontal;
    if (codeCase(p.mLatitude + (horiz ? 0 : k), p.mLongitude + (horiz ? k : 0)) == pCode) {
      return true;
    }
  }
  return false;
}

}  // namespace

EtatBateau etatBateau(int pIdBateau, const TJoueur& pTireur, const TJoueur& pCible) {
  if (estCoule(pIdBateau, pTireur, pCible)) return EtatBateau::coule;
  const auto& bateau = pCible.mBateauxDuJoueur[static_cast<std::size_t>(pIdBateau)];
  const auto& marques = pTireur.pileCoup->plateau.marque;
  for (int code = 0; code <= TPlateauTirs::CODE_MAX; ++code) {
    if (estMarqueDeTouche(marques[static_cast<std::size_t>(code)]) && occupe(bateau, code)) {
      return EtatBateau::touche;
    }
  }
  return EtatBateau::aFlot;
}

int bateauSurCase(const TJoueur& pCible, int pNbBateaux, int pCode) {
  for (int i = 0; i < pNbBateaux; ++i) {
    if (occupe(pCible.mBateauxDuJoueur[static_cast<std::size_t>(i)], pCode)) return i;
  }
  return -1;
}

void afficherEtatFlottes(const Tparam& pParam, int pNbBateaux, const Reglages& pReglages) {
  const PlaceAide& place = placeAide(pReglages);
  afficherFlotte(*pParam.joueur2, *pParam.joueur1, pNbBateaux, place.xJoueur, place);
  afficherFlotte(*pParam.joueur1, *pParam.joueur2, pNbBateaux, place.xOrdinateur, place);
}

std::string resultatDuTir(int pCode, const TJoueur& pTireur, const TJoueur& pCible,
                          int pNbBateaux) {
  std::string nomCase(1, static_cast<char>('A' + ligneDeCode(pCode) - 1));
  nomCase += std::to_string(colonneDeCode(pCode));
  const int id = bateauSurCase(pCible, pNbBateaux, pCode);
  if (id < 0) return trAvec("%s: a l'eau", {nomCase});
  if (etatBateau(id, pTireur, pCible) != EtatBateau::coule) return trAvec("%s: touche", {nomCase});
  const auto type = pCible.mBateauxDuJoueur[static_cast<std::size_t>(id)].mType;
  return trAvec("%s: coule (%s)", {nomCase, nomDuType(type)});
}

void afficherMessageAide(std::string_view pTexte, const Reglages& pReglages) {
  const PlaceAide& place = placeAide(pReglages);
  textcolor(YELLOW);
  gotoxy(place.message.x, place.message.y);
  ecrire(coupe(pTexte, place.largeurMessage));
}

void direRefusPlacement(bool pMontrer, const Disposition& pDisposition) {
  const auto& info = pDisposition.infoPlacement;
  const std::string_view texte = tr("Ce bateau en chevauche un autre");
  textcolor(YELLOW);
  gotoxy(info.x, info.rangeeTouches + 4);
  ecrire(pMontrer ? std::string(texte)
                  : std::string(static_cast<std::size_t>(largeur(texte)), ' '));
}
