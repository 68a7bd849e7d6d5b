#include "modele/sauv.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "modele/bateau.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"
#include "modele/score.hpp"

namespace {

const std::string FICHIER_SAUVEGARDE = "save.dat";

constexpr int INSTANCES_MAX = 3;
constexpr int COULEUR_MAX = 15;
constexpr int LONGUEUR_PILE_MAX = TAILLE_GRILLE * TAILLE_GRILLE;
// Each integer, ship record and shot entry of the file, and its largest size.
constexpr std::size_t TAILLE_BATEAU = 40;
constexpr std::size_t TAILLE_COUP = 8;
constexpr std::size_t TAILLE_MAX = 46 + 320 * INSTANCES_MAX + 2 * TAILLE_COUP * LONGUEUR_PILE_MAX;

// One flag per cell code, 11 to 110.
using Cases = std::array<bool, codeCase(TAILLE_GRILLE, TAILLE_GRILLE) + 1>;

bool dansGrille(int pValeur) {
  return pValeur >= 1 && pValeur <= TAILLE_GRILLE;
}

// A name the game could have stored: a NUL within the field and no control character, which
// neither the keyboard nor the defaults can produce.
std::optional<std::string> lireNom(LecteurOctets& pLecteur) {
  const auto champ = pLecteur.lireOctets(TAILLE_CHAMP_NOM);
  if (!champ) return std::nullopt;
  auto nom = nomStrict(*champ);
  if (!nom) return std::nullopt;
  for (const char c : *nom) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return std::nullopt;
  }
  return nom;
}

void encoderBateau(Octets& pTampon, const TInfoBateau& pBateau) {
  ajouterEntier(pTampon, pBateau.mCouleur);
  ajouterEntier(pTampon, pBateau.mType);
  ajouterNom(pTampon, pBateau.mNom);
  ajouterOctet(pTampon, 0);
  ajouterEntier(pTampon, pBateau.mCoordonnees.mDirection);
  ajouterEntier(pTampon, pBateau.mCoordonnees.mLatitude);
  ajouterEntier(pTampon, pBateau.mCoordonnees.mLongitude);
  ajouterEntier(pTampon, pBateau.estCoule);
}

bool typeConnu(int pType) {
  return pType >= remorqueur && pType <= cargot;
}

// A ship record whose every field is one the game can hold, the ship wholly inside the grid.
std::optional<TInfoBateau> lireBateau(LecteurOctets& pLecteur) {
  const auto octets = pLecteur.lireOctets(TAILLE_BATEAU);
  if (!octets) return std::nullopt;
  LecteurOctets champs(*octets);
  const auto couleur = champs.lireEntier();
  const auto type = champs.lireEntier();
  const auto nom = lireNom(champs);
  champs.lireOctets(1);  // filler
  const auto direction = champs.lireEntier();
  const auto latitude = champs.lireEntier();
  const auto longitude = champs.lireEntier();
  const auto coule = champs.lireEntier();
  if (!couleur || *couleur < 0 || *couleur > COULEUR_MAX) return std::nullopt;
  if (!type || !typeConnu(*type) || !nom) return std::nullopt;
  if (!direction || (*direction != horizontal && *direction != vertical)) return std::nullopt;
  if (!latitude || !longitude || !dansGrille(*latitude) || !dansGrille(*longitude)) {
    return std::nullopt;
  }
  if (!coule || (*coule != 0 && *coule != 1)) return std::nullopt;
  const int fin = (*direction == horizontal ? *longitude : *latitude) + *type - 1;
  if (!dansGrille(fin)) return std::nullopt;
  return TInfoBateau{*couleur, static_cast<EType>(*type), *nom,
                     TPosition{static_cast<ESens>(*direction), *latitude, *longitude}, *coule};
}

// Reads the 4n ships of one fleet: n of each type, no two on one cell. Then commits their cells.
bool lireFlotte(TJoueur& pJoueur, int pNbInstances, LecteurOctets& pLecteur) {
  std::array<int, cargot + 1> parType{};
  Cases prises{};
  for (TInfoBateau& bateau : pJoueur.mBateauxDuJoueur) {
    auto lu = lireBateau(pLecteur);
    if (!lu) return false;
    if (++parType[static_cast<std::size_t>(lu->mType)] > pNbInstances) return false;
    for (int j = 0; j < lu->mType; ++j) {
      bool& prise = prises[static_cast<std::size_t>(caseDuBateau(lu->mCoordonnees, j))];
      if (prise) return false;
      prise = true;
    }
    bateau = std::move(*lu);
  }
  // 4n ships with no type above n: exactly n of each.
  pJoueur.nbCasesPrises = 0;
  for (std::size_t i = 0; i < pJoueur.mBateauxDuJoueur.size(); ++i) {
    enregistrerPos(pJoueur, static_cast<int>(i));
  }
  return true;
}

// A shot at a real cell, with the mark that cell earns on the target's fleet.
std::optional<TCoup> lireCoup(LecteurOctets& pLecteur, const Cases& pFlotteCible) {
  const auto position = pLecteur.lireEntier();
  const auto marque = pLecteur.lireEntier();
  if (!position || !marque) return std::nullopt;
  const int ligne = ligneDeCode(*position);
  const int colonne = colonneDeCode(*position);
  if (!dansGrille(ligne) || !dansGrille(colonne) || codeCase(ligne, colonne) != *position) {
    return std::nullopt;
  }
  const bool surFlotte = pFlotteCible[static_cast<std::size_t>(*position)];
  const bool touche = *marque == MARQUE_TOUCHE || *marque == MARQUE_COULE;
  if (!touche && *marque != MARQUE_RATE) return std::nullopt;
  if (touche != surFlotte) return std::nullopt;
  return TCoup{*position, *marque};
}

Cases casesOccupees(const TJoueur& pJoueur) {
  Cases cases{};
  for (int i = 0; i < pJoueur.nbCasesPrises; ++i) {
    cases[static_cast<std::size_t>(pJoueur.tabPosBateauJoueur[static_cast<std::size_t>(i)])] = true;
  }
  return cases;
}

// One stack, its most recent shot first in the file and on top once rebuilt.
bool lirePile(TJoueur& pTireur, const TJoueur& pCible, LecteurOctets& pLecteur) {
  const auto longueur = pLecteur.lireEntier();
  if (!longueur || *longueur < 0 || *longueur > LONGUEUR_PILE_MAX) return false;
  const Cases flotteCible = casesOccupees(pCible);
  Cases visees{};
  std::vector<TCoup> coups;
  for (int i = 0; i < *longueur; ++i) {
    const auto coup = lireCoup(pLecteur, flotteCible);
    if (!coup) return false;
    bool& visee = visees[static_cast<std::size_t>(coup->position)];
    if (visee) return false;
    visee = true;
    coups.push_back(*coup);
  }
  pTireur.pileCoup = creerPile();
  for (auto coup = coups.rbegin(); coup != coups.rend(); ++coup) empiler(*pTireur.pileCoup, *coup);
  return true;
}

// The names, who began, and nothing after them.
bool lireFin(Tparam& pParam, LecteurOctets& pLecteur) {
  auto nom1 = lireNom(pLecteur);
  auto nom2 = lireNom(pLecteur);
  const auto aCommence = pLecteur.lireEntier();
  if (!nom1 || !nom2 || !aCommence || !pLecteur.fini()) return false;
  if (*aCommence != 1 && *aCommence != 2) return false;
  pParam.joueur1->nomJoueur = std::move(*nom1);
  pParam.joueur2->nomJoueur = std::move(*nom2);
  pParam.aCommence = *aCommence;
  return true;
}

// Saves are made on the human's turn of a game still being played.
bool partieEnCours(const Tparam& pParam) {
  const TPile& pile1 = *pParam.joueur1->pileCoup;
  const TPile& pile2 = *pParam.joueur2->pileCoup;
  const int attendue = getLongPile(pile1) + (pParam.aCommence == 2 ? 1 : 0);
  if (getLongPile(pile2) != attendue) return false;
  const int cases = getNbCases(pParam);
  return getTouche(pile1) < cases && getTouche(pile2) < cases;
}

}  // namespace

bool sauverBateaux(const Tparam& pParam, Octets& pTampon) {
  const int n = getNBInstances(pParam);
  const std::size_t nbBateaux = 4 * static_cast<std::size_t>(n);
  if (pParam.joueur1->mBateauxDuJoueur.size() != nbBateaux ||
      pParam.joueur2->mBateauxDuJoueur.size() != nbBateaux) {
    return false;
  }
  ajouterEntier(pTampon, n);
  for (const TJoueur* joueur : {pParam.joueur1.get(), pParam.joueur2.get()}) {
    for (const TInfoBateau& bateau : joueur->mBateauxDuJoueur) encoderBateau(pTampon, bateau);
  }
  return true;
}

bool sauverPile(const TPile& pPile, Octets& pTampon) {
  ajouterEntier(pTampon, getLongPile(pPile));
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    ajouterEntier(pTampon, c->coup.position);
    ajouterEntier(pTampon, c->coup.couleur);
  }
  return true;
}

std::optional<Octets> encoderPartie(const Tparam& pParam) {
  if (!pParam.joueur1 || !pParam.joueur2 || !pParam.joueur1->pileCoup ||
      !pParam.joueur2->pileCoup) {
    return std::nullopt;
  }
  Octets octets;
  if (!sauverBateaux(pParam, octets) || !sauverPile(*pParam.joueur1->pileCoup, octets) ||
      !sauverPile(*pParam.joueur2->pileCoup, octets)) {
    return std::nullopt;
  }
  ajouterNom(octets, pParam.joueur1->nomJoueur);
  ajouterNom(octets, pParam.joueur2->nomJoueur);
  ajouterEntier(octets, pParam.aCommence);
  return octets;
}

bool sauverPartie(const Tparam& pParam) {
  const auto octets = encoderPartie(pParam);
  return octets && remplacerFichier(FICHIER_SAUVEGARDE, *octets);
}

bool restaurerBateaux(Tparam& pParam, LecteurOctets& pLecteur) {
  const auto n = pLecteur.lireEntier();
  if (!n || *n < 1 || *n > INSTANCES_MAX) return false;
  newTParam(*n, pParam);
  return lireFlotte(*pParam.joueur1, *n, pLecteur) && lireFlotte(*pParam.joueur2, *n, pLecteur);
}

bool restaurerPiles(Tparam& pParam, LecteurOctets& pLecteur) {
  return lirePile(*pParam.joueur1, *pParam.joueur2, pLecteur) &&
         lirePile(*pParam.joueur2, *pParam.joueur1, pLecteur);
}

std::optional<Tparam> decoderPartie(std::span<const std::uint8_t> pOctets) {
  LecteurOctets lecteur(pOctets);
  Tparam partie;
  if (!restaurerBateaux(partie, lecteur) || !restaurerPiles(partie, lecteur) ||
      !lireFin(partie, lecteur) || !partieEnCours(partie)) {
    return std::nullopt;
  }
  return partie;
}

bool restaurerPartie(Tparam& pParam) {
  const ContenuFichier fichier = lireFichier(FICHIER_SAUVEGARDE, TAILLE_MAX);
  if (fichier.etat != EtatLecture::lu) return false;
  // Decoded apart, so that a refused file leaves the caller's game as it was.
  auto partie = decoderPartie(fichier.octets);
  if (!partie) return false;
  libererParam(pParam);
  pParam = std::move(*partie);
  return true;
}
