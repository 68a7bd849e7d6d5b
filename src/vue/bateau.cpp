#include "vue/bateau.hpp"

#include <cstddef>
#include <string>

#include "controleur/selection.hpp"
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

constexpr std::string_view ETIQUETTE_BATEAU = "Bateau courant: ";

// The question on the first row, the rule and the answers below it.
void afficherChoixPlacement(int pSelection, const Disposition& pDisposition) {
  const Choix& choix = pDisposition.choixPlacement;
  clrscr();
  gotoxy(choix.x, choix.premiereRangee - 2);
  ecrire("Voulez-vous placer vos bateaux?");
  tracerLigneH(choix.x, choix.premiereRangee - 1, choix.largeurRegle);
  gotoxy(choix.x, choix.premiereRangee);
  ecrire(pSelection == 0 ? "->" : "  ");
  ecrire("Oui, on est jamais mieux servi que par soi-meme!");
  gotoxy(choix.x, choix.premiereRangee + 1);
  ecrire(pSelection == 1 ? "->" : "  ");
  ecrireLigne("Non, je prefere laisser le hasard decider.");
}

}  // namespace

// Drawn in whatever colour is current. Gives true when the player leaves placement to chance.
bool estAlea(const Reglages& pReglages) {
  return choisirLigne(0, 1, disposition(pReglages).choixPlacement.premiereRangee, 0,
                      [&](int pSelection) {
                        afficherChoixPlacement(pSelection, disposition(pReglages));
                      }) == 1;
}

void afficherInfoPlacement(int pNbBateau, std::string_view pNom, const Disposition& pDisposition) {
  const Disposition::InfoPlacement& info = pDisposition.infoPlacement;
  textcolor(LIGHTCYAN);
  gotoxy(info.x, info.rangeeCompte);
  std::string compte = "Il reste " + std::to_string(pNbBateau) + " bateaux a placer";
  if (compte.size() < LARGEUR_LIGNE_COMPTE) compte.resize(LARGEUR_LIGNE_COMPTE, ' ');
  ecrireLigne(compte);
  gotoxy(info.x, info.rangeeBateau);
  ecrire(ETIQUETTE_BATEAU);
  ecrire(pNom);
  gotoxy(info.x, info.rangeeTouches);
  ecrire("Touches:");
  gotoxy(info.x, info.rangeeTouches + 1);
  ecrire("R: Rotation");
  gotoxy(info.x, info.rangeeTouches + 2);
  ecrire("Entree: Valider placement");
}

void effacerBateauCourant(const Disposition& pDisposition) {
  const Disposition::InfoPlacement& info = pDisposition.infoPlacement;
  gotoxy(info.x + static_cast<int>(ETIQUETTE_BATEAU.size()), info.rangeeBateau);
  textcolor(LIGHTCYAN);
  ecrire(std::string(TAILLE_NOM + 1, ' '));
}

// --- Lines of the settings listing ---

void afficherInfoBateau(const TInfoBateau& pB) {
  afficherCouleur(pB.mCouleur);
  afficherType(pB.mType);
  ecrire("Nom : ");
  ecrireLigne(pB.mNom);
}

void afficherType(int pI) {
  switch (pI) {
    case remorqueur:
      ecrire("remorqueur\t");
      break;
    case porteAvion:
      ecrire("porteAvion\t");
      break;
    case sousMarin:
      ecrire("sousMarin\t");
      break;
    case cargot:
      ecrire("cargot\t");
      break;
    default:
      break;
  }
}
