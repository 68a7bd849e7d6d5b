#include "controleur/bateau.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "controleur/selection.hpp"
#include "modele/bateau.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/couleurs.hpp"
#include "modele/coup.hpp"
#include "modele/parametre.hpp"
#include "modele/random.hpp"
#include "vue/aideJeu.hpp"
#include "vue/bateau.hpp"
#include "vue/vue.hpp"
#include "vue/vueGrille.hpp"

// --- Overlap and sinking over a fleet ---

bool checkPos(const TJoueur& pJoueur, int pIdBateau) {
  return estLibre(pJoueur, pIdBateau);
}

void checkBateauxCoules(int pNbBateau, TJoueur& pTireur, TJoueur& pCible) {
  for (int i = 0; i < pNbBateau; ++i) {
    const bool coule = estCoule(i, pTireur, pCible);
    pCible.mBateauxDuJoueur[static_cast<std::size_t>(i)].estCoule = coule ? 1 : 0;
    setCouleurCoupPile(pCible.mBateauxDuJoueur, i, *pTireur.pileCoup, coule ? 1 : 0);
  }
}

// --- Placing both fleets ---

namespace {

constexpr int TOUCHE_R = 'R';

// Along its length the first cell is drawn from 1 to 10 - L, so a ship placed by chance never
// reaches the last row or column; across it any row or column will do.
void tirerPosition(TPosition& pPos, int pLongueur) {
  pPos.mDirection = nombreAleatoire(0, 1) == 0 ? horizontal : vertical;
  if (pPos.mDirection == horizontal) {
    pPos.mLatitude = nombreAleatoire(1, TAILLE_GRILLE);
    pPos.mLongitude = nombreAleatoire(1, TAILLE_GRILLE - pLongueur);
  } else {
    pPos.mLatitude = nombreAleatoire(1, TAILLE_GRILLE - pLongueur);
    pPos.mLongitude = nombreAleatoire(1, TAILLE_GRILLE);
  }
}

// The committed ships, then the one being placed on top of any it lies over.
void dessinerPlacement(const TJoueur& pJoueur, int pNbBateaux, int pIdBateau,
                       const Reglages& pReglages, const Grille& pGrille) {
  resetGrille(pGrille);
  for (int i = pNbBateaux - 1; i >= pIdBateau; --i) {
    afficherBateau(pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(i)], pGrille, pReglages);
  }
}

// A click in placement: a right click turns the ship as R does; a left click on its first cell lays
// it as Enter does, and on another cell of the board moves its first cell there, as far as the
// arrows could take it. Gives the key it stands for, or 0 when it moved the ship itself.
int clicDePlacement(TJoueur& pJoueur, int pIdBateau, const plateforme::Clic& pClic,
                    const Grille& pGrille) {
  if (pClic.bouton == plateforme::Clic::droit) return TOUCHE_TOURNER;
  const auto cellule = caseSousLaSouris(pGrille, pClic.x, pClic.y);
  if (!cellule) return TOUCHE_INCONNUE;
  const TPosition& position =
      pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(pIdBateau)].mCoordonnees;
  if (position.mLatitude == cellule->first && position.mLongitude == cellule->second) {
    return TOUCHE_ENTREE;
  }
  for (int pas = 0; pas < TAILLE_GRILLE; ++pas) {
    if (position.mLatitude != cellule->first) {
      actionBateau(pJoueur, pIdBateau,
                   position.mLatitude < cellule->first ? TOUCHE_BAS : TOUCHE_HAUT);
    }
    if (position.mLongitude != cellule->second) {
      actionBateau(pJoueur, pIdBateau,
                   position.mLongitude < cellule->second ? TOUCHE_DROITE : TOUCHE_GAUCHE);
    }
  }
  return TOUCHE_INCONNUE;
}

// The last ship first, down to ship 0; each key moves, turns or commits the current ship. The
// board is asked of the layout at each use: a resize may change it between two keys.
void placementManuel(TJoueur& pJoueur, int pNbBateaux, const Reglages& pReglages) {
  const auto grille = [&]() -> const Grille& { return disposition(pReglages).grillePlacement; };
  int nbBateau = pNbBateaux;
  bool refus = false;
  const auto dessiner = [&] {
    const int k = nbBateau - 1;
    afficherInfoPlacement(nbBateau, pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(k)].mNom,
                          disposition(pReglages));
    dessinerPlacement(pJoueur, pNbBateaux, k, pReglages, grille());
  };
  clrscr();
  afficherGrille(grille(), TAILLE_GRILLE, TAILLE_GRILLE, YELLOW);
  const Redessin redessin([&] {
    afficherGrille(grille(), TAILLE_GRILLE, TAILLE_GRILLE, YELLOW);
    dessiner();
  });
  while (nbBateau > 0) {
    const int k = nbBateau - 1;
    dessiner();
    // A refusal is said until the next key, or for DUREE_REFUS.
    const auto lue = refus ? lireToucheAvant(DUREE_REFUS) : lireTouche();
    if (refus) direRefusPlacement(false, disposition(pReglages));
    int touche = lue ? *lue : lireTouche();
    if (touche == TOUCHE_R) touche = TOUCHE_TOURNER;
    if (const auto clic = clicDerniereTouche())
      touche = clicDePlacement(pJoueur, k, *clic, grille());
    refus = pReglages.aideJeu && touche == TOUCHE_ENTREE && !checkPos(pJoueur, k);
    if (actionBateau(pJoueur, k, touche)) {
      --nbBateau;
      effacerBateauCourant(disposition(pReglages));
    }
    if (refus) direRefusPlacement(true, disposition(pReglages));
  }
  resetGrille(grille());
}

}  // namespace

// The layout is asked at each drawing: a resize may change it while the question is open.
bool estAlea(const Reglages& pReglages) {
  return choisirLigne(0, 1, disposition(pReglages).choixPlacement.premiereRangee, 0,
                      [&](int pSelection) {
                        afficherChoixPlacement(pSelection, disposition(pReglages));
                      }) == 1;
}

// The computer's fleet is placed before the player is asked how to place theirs.
void placerBateau(Tparam& pParametre, const Reglages& pReglages) {
  const int nbBateaux = getNbBateaux(pParametre);
  clrscr();
  pParametre.joueur1->nomJoueur = couperNom(saisirPseudo());
  clrscr();
  placementAlea(*pParametre.joueur2, nbBateaux);
  if (estAlea(pReglages)) {
    placementAlea(*pParametre.joueur1, nbBateaux);
  } else {
    placementManuel(*pParametre.joueur1, nbBateaux, pReglages);
  }
}

// Each ship is drawn again, direction included, until it shares no cell with those placed.
void placementAlea(TJoueur& pJoueur, int pNbBateau) {
  while (pNbBateau > 0) {
    const int k = pNbBateau - 1;
    TInfoBateau& bateau = pJoueur.mBateauxDuJoueur[static_cast<std::size_t>(k)];
    tirerPosition(bateau.mCoordonnees, bateau.mType);
    if (checkPos(pJoueur, k)) {
      enregistrerPos(pJoueur, k);
      --pNbBateau;
    }
  }
}

// --- The settings dialogue ---

namespace {

constexpr int NB_INSTANCES_MAX = 3;
constexpr int COULEUR_MIN = 1;
constexpr int COULEUR_MAX = 15;
constexpr EType TYPES[] = {remorqueur, porteAvion, sousMarin, cargot};

bool dansIntervalle(const std::optional<int>& pValeur, int pMin, int pMax) {
  return pValeur && *pValeur >= pMin && *pValeur <= pMax;
}

// An answer that is no number is refused like a number out of range.
int demanderNbInstances(bool pEchap) {
  clrscr();
  ecrire(std::string("\n\n") + tr("Vous avez au maximum 3 bateaux par type."));
  ecrire(std::string("\n") + tr("Saisir le nombre d'instances de bateau par type: "));
  std::optional<int> nombre = saisirNombre(pEchap);
  while (!dansIntervalle(nombre, 1, NB_INSTANCES_MAX)) {
    clrscr();
    ecrire(std::string("\n\n") +
           tr("Erreur le nombre d'instances de bateau par type doit etre compris entre 1 & 3"));
    ecrire(std::string("\n") + tr("Saisir le nombre d'instances de bateau par type: "));
    nombre = saisirNombre(pEchap);
  }
  return *nombre;
}

// Each choice written in its own colour, five, six and four to a line.
void afficherCodesCouleur() {
  ecrire(std::string("\n") + tr("Codes couleur: "));
  for (int i = COULEUR_MIN; i <= COULEUR_MAX; ++i) {
    textcolor(i);
    ecrire(std::to_string(i) + "-" + nomCouleur(i) + " ");
    if (i % 6 == 5) ecrire("\n");
  }
  textcolor(LIGHTCYAN);
}

// Only the question is repeated: the colour list stays on screen above it.
int demanderCouleur(bool pEchap) {
  std::optional<int> code;
  do {
    ecrire(std::string("\n") + tr("Saisir le code couleur de votre bateau:"));
    code = saisirNombre(pEchap);
  } while (!dansIntervalle(code, COULEUR_MIN, COULEUR_MAX));
  return *code;
}

void demanderBateau(Tparam& pParam, int pIdBateau, EType pType, int pIndice, bool pEchap) {
  clrscr();
  afficherCodesCouleur();
  ecrire("\n\n-----");
  afficherType(pType);
  ecrire(std::to_string(pIndice + 1) + "-----");
  const int couleur = demanderCouleur(pEchap);
  ecrire(std::string("\n") + tr("Saisir le nom de votre bateau:"));
  const std::string nom = saisirMot(pEchap);
  setIemeInfoBateauTParam(pIdBateau, pParam, nom, couleur, pType);
}

// The computer's ships all bear one name; their colour follows the instance within the type.
constexpr std::string_view NOM_BATEAU_ORDINATEUR = "Gastue";
constexpr int COULEUR_PREMIERE_INSTANCE = MAGENTA;

}  // namespace

// Both fleets are rebuilt type by type, each type's instances in order, so that the longest
// ships come last in the fleet and are placed first. The new set takes the old one's place only
// once every answer is in, so that a dialogue left by Escape changes nothing.
void parametrerPartie(Tparam& pParam, bool pEchap) {
  const int n = demanderNbInstances(pEchap);
  Tparam nouveau;
  nouveau.aCommence = pParam.aCommence;
  newTParam(n, nouveau);
  int idBat = 0;
  for (EType type : TYPES) {
    for (int indice = 0; indice < n; ++indice) {
      demanderBateau(nouveau, idBat++, type, indice, pEchap);
    }
  }
  idBat = 4 * n;
  for (EType type : TYPES) {
    for (int indice = 0; indice < n; ++indice) {
      setIemeInfoBateauTParam(idBat++, nouveau, NOM_BATEAU_ORDINATEUR,
                              COULEUR_PREMIERE_INSTANCE + indice, type);
    }
  }
  libererParam(pParam);
  pParam = std::move(nouveau);
}
