#include "vue/bateau.hpp"

#include <cstddef>
#include <string>

#include "modele/coniocouleur.hpp"
#include "vue/lietrec.hpp"
#include "vue/vue.hpp"
#include "vue/vueGrille.hpp"

// --- A ship on a board ---

namespace {

// With readable marks each cell of a ship carries the initial of its type, in black or white,
// whichever stands out on the ship's colour.
char initialeDuType(EType pType) {
  switch (pType) {
    case remorqueur:
      return 'R';
    case sousMarin:
      return 'S';
    case porteAvion:
      return 'P';
    default:
      return 'C';
  }
}

int couleurLisibleSur(int pFond) {
  const bool sombre = pFond < LIGHTGRAY || pFond == DARKGRAY || pFond == LIGHTBLUE;
  return sombre ? WHITE : BLACK;
}

}  // namespace

// A ship shows as a run of blank cells on its own colour; a sunk one is left to its shot marks.
void afficherBateau(const TInfoBateau& pBateau, const Grille& pGrille, const Reglages& pReglages) {
  if (pBateau.estCoule != 0) return;
  const bool marques = pReglages.marques;
  const char caractere = marques ? initialeDuType(pBateau.mType) : ' ';
  const int couleurTexte = marques ? couleurLisibleSur(pBateau.mCouleur) : BLACK;
  int ligne = pBateau.mCoordonnees.mLatitude;
  int colonne = pBateau.mCoordonnees.mLongitude;
  for (int j = 0; j < pBateau.mType; ++j) {
    afficherCaractereDansGrille(couleurTexte, pBateau.mCouleur, caractere, pGrille, ligne, colonne);
    if (pBateau.mCoordonnees.mDirection == horizontal) {
      ++colonne;
    } else {
      ++ligne;
    }
  }
}

// --- The placement screens ---

namespace {

// The count line is padded to its widest form ("Il reste 12 ..."), so that going from two digits
// to one leaves no stale character at its end.
constexpr std::size_t LARGEUR_LIGNE_COMPTE = 28;

constexpr const char* ETIQUETTE_BATEAU = aTraduire("Bateau courant: ");

// "Il reste N bateaux a placer", in the language's number.
std::string ligneCompte(int pNbBateau) {
  return trPluriel("Il reste %d bateaux a placer", "Il reste %d bateaux a placer", pNbBateau);
}

}  // namespace

// The question on the first row, the rule and the answers below it.
void afficherChoixPlacement(int pSelection, const Disposition& pDisposition) {
  const Choix& choix = pDisposition.choixPlacement;
  clrscr();
  gotoxy(choix.x, choix.premiereRangee - 2);
  ecrire(tr("Voulez-vous placer vos bateaux?"));
  tracerLigneH(choix.x, choix.premiereRangee - 1, choix.largeurRegle);
  gotoxy(choix.x, choix.premiereRangee);
  ecrire(pSelection == 0 ? "->" : "  ");
  ecrire(tr("Oui, on est jamais mieux servi que par soi-meme!"));
  gotoxy(choix.x, choix.premiereRangee + 1);
  ecrire(pSelection == 1 ? "->" : "  ");
  ecrireLigne(tr("Non, je prefere laisser le hasard decider."));
}

void afficherInfoPlacement(int pNbBateau, std::string_view pNom, const Disposition& pDisposition) {
  const Disposition::InfoPlacement& info = pDisposition.infoPlacement;
  textcolor(LIGHTCYAN);
  gotoxy(info.x, info.rangeeCompte);
  std::string compte = ligneCompte(pNbBateau);
  const int aRemplir = std::max(static_cast<int>(LARGEUR_LIGNE_COMPTE), largeur(ligneCompte(12)));
  if (largeur(compte) < aRemplir)
    compte.append(static_cast<std::size_t>(aRemplir - largeur(compte)), ' ');
  ecrireLigne(compte);
  gotoxy(info.x, info.rangeeBateau);
  ecrire(tr(ETIQUETTE_BATEAU));
  ecrire(pNom);
  gotoxy(info.x, info.rangeeTouches);
  ecrire(tr("Touches:"));
  gotoxy(info.x, info.rangeeTouches + 1);
  ecrire(tr("R: Rotation"));
  gotoxy(info.x, info.rangeeTouches + 2);
  ecrire(tr("Entree: Valider placement"));
}

void effacerBateauCourant(const Disposition& pDisposition) {
  const Disposition::InfoPlacement& info = pDisposition.infoPlacement;
  gotoxy(info.x + largeur(tr(ETIQUETTE_BATEAU)), info.rangeeBateau);
  textcolor(LIGHTCYAN);
  ecrire(std::string(TAILLE_NOM + 1, ' '));
}

// --- Lines of the settings listing ---

void afficherInfoBateau(const TInfoBateau& pB) {
  afficherCouleur(pB.mCouleur);
  afficherType(pB.mType);
  ecrire(tr("Nom : "));
  ecrireLigne(pB.mNom);
}

void afficherType(int pI) {
  switch (pI) {
    case remorqueur:
      ecrire(std::string(tr("remorqueur")) + "\t");
      break;
    case porteAvion:
      ecrire(std::string(tr("porteAvion")) + "\t");
      break;
    case sousMarin:
      ecrire(std::string(tr("sousMarin")) + "\t");
      break;
    case cargot:
      ecrire(std::string(tr("cargot")) + "\t");
      break;
    default:
      break;
  }
}
