#include "modele/sauv.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "modele/bateau.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"
#include "support/commePersonne.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/limiteTailleFichier.hpp"

namespace {

const std::string SAUVEGARDE = "save.dat";

// Ship i of a fleet of n ships per type, ships filled type by type. The human's stand upright from
// row 1 (then row 6 from the eleventh), one per column; the computer's lie along the rows.
TPosition positionHumain(int pI) {
  return {vertical, 1 + 5 * (pI / 10), pI % 10 + 1};
}
TPosition positionOrdi(int pI) {
  return {horizontal, pI % 10 + 1, 1 + 5 * (pI / 10)};
}

// A placed game of n ships per type, no shot fired yet, the human first.
Tparam partiePlacee(int pN) {
  Tparam p;
  newTParam(pN, p);
  const EType types[] = {remorqueur, porteAvion, sousMarin, cargot};
  for (int i = 0; i < 4 * pN; ++i) {
    const EType type = types[i / pN];
    setIemeInfoBateauTParam(i, p, "h" + std::to_string(i), i % 16, type);
    setIemeInfoBateauTParam(4 * pN + i, p, "o" + std::to_string(i), 15 - i % 16, type);
  }
  for (int i = 0; i < 4 * pN; ++i) {
    p.joueur1->mBateauxDuJoueur[static_cast<std::size_t>(i)].mCoordonnees = positionHumain(i);
    p.joueur2->mBateauxDuJoueur[static_cast<std::size_t>(i)].mCoordonnees = positionOrdi(i);
    enregistrerPos(*p.joueur1, i);
    enregistrerPos(*p.joueur2, i);
  }
  p.aCommence = 1;
  return p;
}

bool surFlotte(const TJoueur& pCible, int pCode) {
  for (int i = 0; i < pCible.nbCasesPrises; ++i) {
    if (pCible.tabPosBateauJoueur[static_cast<std::size_t>(i)] == pCode) return true;
  }
  return false;
}

// Fires as the game does: a hit when the cell is one of the target's, a miss otherwise.
void tirer(TJoueur& pTireur, const TJoueur& pCible, int pCode) {
  empiler(*pTireur.pileCoup, {pCode, surFlotte(pCible, pCode) ? MARQUE_TOUCHE : MARQUE_RATE});
}

// n = 1, the computer began: the human has fired 11 (hit) then 110 (miss); the computer 11 and
// 12, which sank the human's tug, then 50 (miss).
Tparam partieExemple() {
  Tparam p = partiePlacee(1);
  p.aCommence = 2;
  p.joueur1->nomJoueur = "Alice";
  tirer(*p.joueur1, *p.joueur2, 11);
  tirer(*p.joueur1, *p.joueur2, 110);
  empiler(*p.joueur2->pileCoup, {11, MARQUE_COULE});
  empiler(*p.joueur2->pileCoup, {12, MARQUE_COULE});
  tirer(*p.joueur2, *p.joueur1, 50);
  p.joueur1->mBateauxDuJoueur[0].estCoule = 1;
  return p;
}

std::int32_t entierA(const std::string& pOctets, std::size_t pPosition) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    v |= std::uint32_t{static_cast<unsigned char>(pOctets.at(pPosition + i))} << (8 * i);
  }
  return static_cast<std::int32_t>(v);
}

void ecrireEntierA(std::string& pOctets, std::size_t pPosition, std::int32_t pValeur) {
  for (std::size_t i = 0; i < 4; ++i) {
    pOctets.at(pPosition + i) = static_cast<char>(static_cast<std::uint32_t>(pValeur) >> (8 * i));
  }
}

// A 15-byte name field holding this name and NULs.
std::string champNom(const std::string& pNom) {
  return pNom + std::string(15 - pNom.size(), '\0');
}

// The bytes a save of this game holds (none when it cannot be saved).
std::string octetsDe(const Tparam& pParam) {
  const auto octets = encoderPartie(pParam);
  EXPECT_TRUE(octets);
  return octets ? std::string(octets->begin(), octets->end()) : std::string();
}

std::optional<Tparam> decoder(const std::string& pOctets) {
  return decoderPartie(Octets(pOctets.begin(), pOctets.end()));
}

std::vector<std::pair<int, int>> coups(const TPile& pPile) {
  std::vector<std::pair<int, int>> liste;
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    liste.emplace_back(c->coup.position, c->coup.couleur);
  }
  return liste;
}

void verifierBateau(const std::string& pOctets, std::size_t pDebut, const TInfoBateau& pB) {
  SCOPED_TRACE("ship record at " + std::to_string(pDebut));
  EXPECT_EQ(entierA(pOctets, pDebut), pB.mCouleur);
  EXPECT_EQ(entierA(pOctets, pDebut + 4), pB.mType);
  EXPECT_EQ(pOctets.substr(pDebut + 8, 15), champNom(pB.mNom));
  EXPECT_EQ(pOctets[pDebut + 23], '\0');
  EXPECT_EQ(entierA(pOctets, pDebut + 24), pB.mCoordonnees.mDirection);
  EXPECT_EQ(entierA(pOctets, pDebut + 28), pB.mCoordonnees.mLatitude);
  EXPECT_EQ(entierA(pOctets, pDebut + 32), pB.mCoordonnees.mLongitude);
  EXPECT_EQ(entierA(pOctets, pDebut + 36), pB.estCoule);
}

void verifierMemePartie(const Tparam& pAttendue, const Tparam& pLue) {
  ASSERT_TRUE(pLue.joueur1 && pLue.joueur2);
  EXPECT_EQ(pLue.mNombreInstanceBateaux, pAttendue.mNombreInstanceBateaux);
  EXPECT_EQ(pLue.aCommence, pAttendue.aCommence);
  const TJoueur* attendus[] = {pAttendue.joueur1.get(), pAttendue.joueur2.get()};
  const TJoueur* lus[] = {pLue.joueur1.get(), pLue.joueur2.get()};
  for (int j = 0; j < 2; ++j) {
    SCOPED_TRACE("player " + std::to_string(j + 1));
    const TJoueur& a = *attendus[j];
    const TJoueur& l = *lus[j];
    EXPECT_EQ(l.nomJoueur, a.nomJoueur);
    ASSERT_EQ(l.mBateauxDuJoueur.size(), a.mBateauxDuJoueur.size());
    for (std::size_t i = 0; i < a.mBateauxDuJoueur.size(); ++i) {
      const TInfoBateau& ba = a.mBateauxDuJoueur[i];
      const TInfoBateau& bl = l.mBateauxDuJoueur[i];
      EXPECT_EQ(bl.mCouleur, ba.mCouleur);
      EXPECT_EQ(bl.mType, ba.mType);
      EXPECT_EQ(bl.mNom, ba.mNom);
      EXPECT_EQ(bl.mCoordonnees.mDirection, ba.mCoordonnees.mDirection);
      EXPECT_EQ(bl.mCoordonnees.mLatitude, ba.mCoordonnees.mLatitude);
      EXPECT_EQ(bl.mCoordonnees.mLongitude, ba.mCoordonnees.mLongitude);
      EXPECT_EQ(bl.estCoule, ba.estCoule);
    }
    // The occupied cells are rebuilt from the fleet: ship after ship, each from its first cell.
    std::vector<int> cases;
    for (const TInfoBateau& b : a.mBateauxDuJoueur) {
      for (int k = 0; k < b.mType; ++k) cases.push_back(caseDuBateau(b.mCoordonnees, k));
    }
    EXPECT_EQ(l.nbCasesPrises, 14 * pAttendue.mNombreInstanceBateaux);
    EXPECT_EQ(std::vector<int>(l.tabPosBateauJoueur.begin(),
                               l.tabPosBateauJoueur.begin() + l.nbCasesPrises),
              cases);
    EXPECT_EQ(coups(*l.pileCoup), coups(*a.pileCoup));
  }
}

TEST(SauverPartie, ExempleDeDispositionOctetParOctet) {
  const Tparam p = partieExemple();
  const std::string o = octetsDe(p);
  ASSERT_EQ(o.size(), 406u);
  EXPECT_EQ(entierA(o, 0), 1);
  for (std::size_t i = 0; i < 4; ++i) {
    verifierBateau(o, 4 + 40 * i, p.joueur1->mBateauxDuJoueur[i]);
    verifierBateau(o, 164 + 40 * i, p.joueur2->mBateauxDuJoueur[i]);
  }
  // The tug record in full: colour 0, type 2, "h0", filler, vertical at (1, 1), sunk.
  EXPECT_EQ(o.substr(4, 40), std::string("\0\0\0\0\2\0\0\0h0", 10) + std::string(14, '\0') +
                                 std::string("\1\0\0\0\1\0\0\0\1\0\0\0\1\0\0\0", 16));
  EXPECT_EQ(entierA(o, 324), 2);
  EXPECT_EQ(entierA(o, 328), 110);  // most recent first
  EXPECT_EQ(entierA(o, 332), MARQUE_RATE);
  EXPECT_EQ(entierA(o, 336), 11);
  EXPECT_EQ(entierA(o, 340), MARQUE_TOUCHE);
  EXPECT_EQ(entierA(o, 344), 3);
  EXPECT_EQ(entierA(o, 348), 50);
  EXPECT_EQ(entierA(o, 352), MARQUE_RATE);
  EXPECT_EQ(entierA(o, 356), 12);
  EXPECT_EQ(entierA(o, 360), MARQUE_COULE);
  EXPECT_EQ(entierA(o, 364), 11);
  EXPECT_EQ(entierA(o, 368), MARQUE_COULE);
  EXPECT_EQ(o.substr(372, 15), champNom("Alice"));
  EXPECT_EQ(o.substr(387, 15), champNom("Ordinateur"));
  EXPECT_EQ(entierA(o, 402), 2);
}

TEST(SauverPartie, PremierTourSansTir) {
  const std::string o = octetsDe(partiePlacee(1));
  ASSERT_EQ(o.size(), 366u);
  EXPECT_EQ(entierA(o, 324), 0);
  EXPECT_EQ(entierA(o, 328), 0);
  EXPECT_EQ(o.substr(332, 15), champNom("Player"));
  EXPECT_EQ(o.substr(347, 15), champNom("Ordinateur"));
  EXPECT_EQ(entierA(o, 362), 1);
}

TEST(SauverPartie, TroisBateauxParTypeDonnentDesBlocsDe480Octets) {
  Tparam p = partiePlacee(3);
  tirer(*p.joueur1, *p.joueur2, 11);
  tirer(*p.joueur2, *p.joueur1, 110);
  const std::string o = octetsDe(p);
  ASSERT_EQ(o.size(), 46u + 960 + 16);
  EXPECT_EQ(entierA(o, 0), 3);
  verifierBateau(o, 4 + 40 * 11, p.joueur1->mBateauxDuJoueur[11]);
  verifierBateau(o, 484, p.joueur2->mBateauxDuJoueur[0]);
  verifierBateau(o, 484 + 40 * 11, p.joueur2->mBateauxDuJoueur[11]);
  EXPECT_EQ(entierA(o, 964), 1);
  EXPECT_EQ(entierA(o, 968), 11);
  EXPECT_EQ(entierA(o, 976), 1);
  EXPECT_EQ(entierA(o, 980), 110);
}

TEST(SauverPartie, NeChangePasLaPartie) {
  DossierTemporaire dossier;
  const Tparam avant = partieExemple();
  Tparam p = partieExemple();
  ASSERT_TRUE(sauverPartie(p));
  ASSERT_TRUE(sauverPartie(p));
  verifierMemePartie(avant, p);
}

class AllerRetour : public ::testing::TestWithParam<int> {};

TEST_P(AllerRetour, RendLaMemePartie) {
  DossierTemporaire dossier;
  const int n = GetParam();
  Tparam p = partiePlacee(n);
  p.aCommence = 2;
  for (int code : {11, 21, 110, 31}) {
    tirer(*p.joueur2, *p.joueur1, code);
    tirer(*p.joueur1, *p.joueur2, code);
  }
  tirer(*p.joueur2, *p.joueur1, 12);
  const std::string octets = octetsDe(p);
  const auto decodee = decoder(octets);
  ASSERT_TRUE(decodee);
  verifierMemePartie(p, *decodee);
  // The file holds the same bytes, and reads back the same way.
  ASSERT_TRUE(sauverPartie(p));
  EXPECT_EQ(dossier.lireFichier(SAUVEGARDE), octets);
  Tparam lue;
  ASSERT_TRUE(restaurerPartie(lue));
  verifierMemePartie(p, lue);
  // Loading leaves the file as it was, ready to be resumed again.
  EXPECT_EQ(dossier.lireFichier(SAUVEGARDE), octets);
  Tparam encore;
  EXPECT_TRUE(restaurerPartie(encore));
}

INSTANTIATE_TEST_SUITE_P(UnADeuxTroisParType, AllerRetour, ::testing::Values(1, 2, 3));

TEST(RestaurerPartie, LeTourReprendChezLHumain) {
  DossierTemporaire dossier;
  Tparam premier = partiePlacee(1);
  ASSERT_TRUE(sauverPartie(premier));
  Tparam p;
  ASSERT_TRUE(restaurerPartie(p));
  EXPECT_EQ(getLongPile(*p.joueur1->pileCoup) + getLongPile(*p.joueur2->pileCoup) + p.aCommence, 1);

  Tparam second = partiePlacee(1);
  second.aCommence = 2;
  tirer(*second.joueur2, *second.joueur1, 55);
  ASSERT_TRUE(sauverPartie(second));
  ASSERT_TRUE(restaurerPartie(p));
  EXPECT_EQ(getLongPile(*p.joueur1->pileCoup) + getLongPile(*p.joueur2->pileCoup) + p.aCommence, 3);
}

TEST(RestaurerPartie, AnnulerApresReprisePassePardelaLaSauvegarde) {
  DossierTemporaire dossier;
  ASSERT_TRUE(sauverPartie(partieExemple()));
  Tparam p;
  ASSERT_TRUE(restaurerPartie(p));
  depiler(*p.joueur1->pileCoup);
  depiler(*p.joueur2->pileCoup);
  EXPECT_EQ(coups(*p.joueur1->pileCoup), (std::vector<std::pair<int, int>>{{11, MARQUE_TOUCHE}}));
  EXPECT_EQ(coups(*p.joueur2->pileCoup),
            (std::vector<std::pair<int, int>>{{12, MARQUE_COULE}, {11, MARQUE_COULE}}));
}

TEST(RestaurerPartie, SansFichierEchoueSansRienCreer) {
  DossierTemporaire dossier;
  Tparam p = partiePlacee(1);
  const TJoueur* joueur1 = p.joueur1.get();
  EXPECT_FALSE(restaurerPartie(p));
  EXPECT_FALSE(dossier.existe(SAUVEGARDE));
  EXPECT_EQ(p.joueur1.get(), joueur1);
}

TEST(RestaurerPartie, UnEchecLaisseLaPartieTenueIntacteEtUtilisable) {
  DossierTemporaire dossier;
  ASSERT_TRUE(sauverPartie(partieExemple()));
  std::string octets = dossier.lireFichier(SAUVEGARDE);
  ecrireEntierA(octets, 402, 1);  // not the human's turn any more
  dossier.ecrireFichier(SAUVEGARDE, octets);

  const Tparam temoin = partiePlacee(2);
  Tparam tenue = partiePlacee(2);
  for (const Tparam* partie : std::initializer_list<const Tparam*>{&temoin, &tenue}) {
    tirer(*partie->joueur1, *partie->joueur2, 11);
    tirer(*partie->joueur2, *partie->joueur1, 110);
  }
  const TJoueur* joueur1 = tenue.joueur1.get();
  const TJoueur* joueur2 = tenue.joueur2.get();
  EXPECT_FALSE(restaurerPartie(tenue));
  EXPECT_EQ(tenue.joueur1.get(), joueur1);
  EXPECT_EQ(tenue.joueur2.get(), joueur2);
  verifierMemePartie(temoin, tenue);
  // Still a whole game: it can be saved and read back.
  ASSERT_TRUE(sauverPartie(tenue));
  Tparam relue;
  ASSERT_TRUE(restaurerPartie(relue));
  verifierMemePartie(temoin, relue);
}

TEST(RestaurerPartie, UnSuccesRemplaceLaPartieTenue) {
  DossierTemporaire dossier;
  const Tparam sauvee = partieExemple();
  ASSERT_TRUE(sauverPartie(sauvee));
  Tparam tenue = partiePlacee(3);
  ASSERT_TRUE(restaurerPartie(tenue));
  verifierMemePartie(sauvee, tenue);
}

TEST(RestaurerPartie, UnFichierTronqueEstRefuseAChaqueLongueur) {
  DossierTemporaire dossier;
  ASSERT_TRUE(sauverPartie(partieExemple()));
  const std::string entier = dossier.lireFichier(SAUVEGARDE);
  Tparam tenue = partiePlacee(1);
  const TJoueur* joueur1 = tenue.joueur1.get();
  for (std::size_t longueur = 0; longueur < entier.size(); ++longueur) {
    dossier.ecrireFichier(SAUVEGARDE, entier.substr(0, longueur));
    EXPECT_FALSE(restaurerPartie(tenue)) << longueur << " bytes";
    EXPECT_EQ(tenue.joueur1.get(), joueur1);
  }
  dossier.ecrireFichier(SAUVEGARDE, entier);
  EXPECT_TRUE(restaurerPartie(tenue));
}

// ---- Files that break one rule each, made from the worked example (n = 1, L1 = 2, L2 = 3). ----
// Offsets in it: the human's ship i at 4 + 40i, the computer's at 164 + 40i; L1 at 324, the
// human's shots at 328 and 336; L2 at 344, the computer's shots at 348, 356, 364; names at 372
// and 387; who began at 402.

struct FichierAbime {
  std::string nom;
  std::function<std::string()> octets;
};

void PrintTo(const FichierAbime& pCas, std::ostream* pFlux) {
  *pFlux << pCas.nom;
}

std::string exemple() {
  return octetsDe(partieExemple());
}

FichierAbime entier(std::string pNom, std::size_t pPosition, std::int32_t pValeur) {
  return {std::move(pNom), [=] {
            std::string o = exemple();
            ecrireEntierA(o, pPosition, pValeur);
            return o;
          }};
}

FichierAbime modifie(std::string pNom, std::function<void(std::string&)> pModifier) {
  return {std::move(pNom), [=] {
            std::string o = exemple();
            pModifier(o);
            return o;
          }};
}

// A first turn of the human's (L1 = L2 = 0): who began is at 362.
FichierAbime auPremierTour(std::string pNom, std::int32_t pACommence) {
  return {std::move(pNom), [=] {
            std::string o = octetsDe(partiePlacee(1));
            ecrireEntierA(o, 362, pACommence);
            return o;
          }};
}

FichierAbime sauve(std::string pNom, std::function<Tparam()> pPartie) {
  return {std::move(pNom), [=] { return octetsDe(pPartie()); }};
}

Tparam partieGagneePar(int pGagnant) {
  Tparam p = partiePlacee(1);
  p.aCommence = pGagnant;
  TJoueur& gagnant = pGagnant == 1 ? *p.joueur1 : *p.joueur2;
  TJoueur& perdant = pGagnant == 1 ? *p.joueur2 : *p.joueur1;
  for (int i = 0; i < 14; ++i) {
    tirer(gagnant, perdant, perdant.tabPosBateauJoueur[static_cast<std::size_t>(i)]);
  }
  // The loser has fired one shot less when the winner began, as many otherwise.
  const int tirsPerdant = pGagnant == 1 ? 14 : 13;
  for (int i = 0; i < tirsPerdant; ++i) tirer(perdant, gagnant, 101 + i % 10 - 10 * (i / 10));
  return p;
}

Tparam partieAvecInstances(int pN) {
  Tparam p = partiePlacee(pN == 0 ? 1 : pN);
  if (pN == 0) newTParam(0, p);
  return p;
}

const FichierAbime FICHIERS_ABIMES[] = {
    modifie("OctetEnTrop", [](std::string& o) { o += '\0'; }),
    modifie("OctetEnMoins", [](std::string& o) { o.pop_back(); }),
    sauve("ZeroBateauParType", [] { return partieAvecInstances(0); }),
    sauve("QuatreBateauxParType", [] { return partieAvecInstances(4); }),
    entier("NNegatif", 0, -1),
    entier("DeuxPorteAvionsEtPasDeRemorqueur", 4 + 4, porteAvion),
    entier("TypeInconnu", 164 + 4, 6),
    entier("TypeUn", 164 + 4, 1),
    entier("CouleurSeize", 4 + 40, 16),
    entier("CouleurNegative", 164, -1),
    entier("DirectionDeux", 4 + 40 + 24, 2),
    entier("BateauDebordeEnBas", 4 + 80 + 28, 8),
    entier("BateauDebordeADroite", 164 + 120 + 32, 7),
    entier("LigneZero", 4 + 40 + 28, 0),
    entier("ColonneOnze", 164 + 80 + 32, 11),
    entier("DeuxBateauxSurUneCase", 4 + 40 + 32, 1),
    entier("CouleDeux", 4 + 36, 2),
    modifie("NomDeBateauSansNul", [](std::string& o) { o.replace(4 + 8, 15, 15, 'n'); }),
    modifie("NomDeBateauAvecSautDeLigne", [](std::string& o) { o[4 + 9] = '\n'; }),
    modifie("PileDeLongueurNegative",
            [](std::string& o) {
              ecrireEntierA(o, 324, -1);
              o.erase(328, 16);
            }),
    // 101 shots cannot all be distinct misses; the length is what is refused first.
    modifie("PileDe101Tirs",
            [](std::string& o) {
              std::string tirs;
              for (int i = 0; i < 99; ++i) tirs += o.substr(328, 8);
              o.insert(344, tirs);
              ecrireEntierA(o, 324, 101);
            }),
    entier("TirEnColonneZero", 328, 10),
    entier("TirEnColonneOnze", 328, 111),
    entier("TirNul", 328, 0),
    entier("TirNegatif", 328, -9),
    entier("TirEnorme", 328, 0x7fffffff),
    modifie("DeuxFoisLaMemeCase",
            [](std::string& o) {
              ecrireEntierA(o, 328, 21);
              ecrireEntierA(o, 332, MARQUE_TOUCHE);
              ecrireEntierA(o, 336, 21);
            }),
    entier("MarqueInconnue", 332, 8),
    entier("RateSurUnBateau", 340, MARQUE_RATE),
    entier("ToucheDansLEau", 332, MARQUE_TOUCHE),
    entier("CouleDansLEau", 352, MARQUE_COULE),
    modifie("NomDeJoueurSansNul", [](std::string& o) { o.replace(372, 15, 15, 'A'); }),
    modifie("NomOrdinateurSansNul", [](std::string& o) { o.replace(387, 15, 15, 'B'); }),
    modifie("NomDeJoueurAvecTabulation", [](std::string& o) { o[373] = '\t'; }),
    auPremierTour("PersonneNACommence", 0),
    auPremierTour("TroisiemeJoueur", 3),
    entier("AuTourDeLOrdinateur", 402, 1),
    sauve("HumainDejaVainqueur", [] { return partieGagneePar(1); }),
    sauve("OrdinateurDejaVainqueur", [] { return partieGagneePar(2); }),
};

class FichierRefuse : public ::testing::TestWithParam<FichierAbime> {};

TEST_P(FichierRefuse, NeDonneAucunePartie) {
  EXPECT_FALSE(decoder(GetParam().octets()));
}

INSTANTIATE_TEST_SUITE_P(UneRegleEnfreinte, FichierRefuse, ::testing::ValuesIn(FICHIERS_ABIMES),
                         [](const ::testing::TestParamInfo<FichierAbime>& pCas) {
                           return pCas.param.nom;
                         });

// The damaged files above differ from a file that loads only by what each one breaks.
TEST(FichierRefuse, LesFichiersDeDepartSeChargent) {
  const std::string octets = exemple();
  EXPECT_TRUE(decoder(octets));
  // Bytes that carry no meaning are ignored: the filler and what follows a name's NUL.
  std::string bruit = octets;
  bruit[4 + 23] = '\x7f';
  bruit[372 + 10] = 'z';
  const auto p = decoder(bruit);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->joueur1->nomJoueur, "Alice");
  EXPECT_TRUE(decoder(octetsDe(partiePlacee(1))));
  // A game one shot from its end, for both sides.
  for (int gagnant : {1, 2}) {
    Tparam presque = partieGagneePar(gagnant);
    depiler(*(gagnant == 1 ? presque.joueur1 : presque.joueur2)->pileCoup);
    depiler(*(gagnant == 1 ? presque.joueur2 : presque.joueur1)->pileCoup);
    EXPECT_TRUE(decoder(octetsDe(presque))) << "winner " << gagnant;
  }
}

// ---- Failed saves keep the earlier one. ----

TEST(SauverPartie, UnEchecGardeLaSauvegardePrecedente) {
  DossierTemporaire dossier;
  ASSERT_TRUE(sauverPartie(partieExemple()));
  const std::string avant = dossier.lireFichier(SAUVEGARDE);
  // A file the player made read-only, which even root does not write.
  const auto lectureSeule = std::filesystem::perms(0444);
  std::filesystem::permissions(dossier.chemin() / SAUVEGARDE, lectureSeule);
  EXPECT_FALSE(sauverPartie(partiePlacee(3)));
  EXPECT_EQ(dossier.lireFichier(SAUVEGARDE), avant);
  EXPECT_EQ(std::filesystem::status(dossier.chemin() / SAUVEGARDE).permissions(), lectureSeule);
}

// A rewrite in place cut short would lose both saves: none is made.
TEST(SauverPartie, DansUnDossierEnLectureSeuleRefuseEtGardeLaSauvegarde) {
  DossierTemporaire dossier;
  ASSERT_TRUE(sauverPartie(partieExemple()));
  const std::string attendu = dossier.lireFichier(SAUVEGARDE);
  donnerAPersonne(dossier.chemin() / SAUVEGARDE);  // the player's own file, writable in place
  std::filesystem::permissions(dossier.chemin(), std::filesystem::perms(0555));
  EXPECT_EQ(commePersonne([] { return sauverPartie(partiePlacee(3)) ? 0 : 1; }), 1);
  std::filesystem::permissions(dossier.chemin(), std::filesystem::perms(0755));
  EXPECT_EQ(dossier.lireFichier(SAUVEGARDE), attendu);
  EXPECT_FALSE(dossier.existe("save.dat.tmp"));
}

// Whoever runs the tests, a file size limit makes the writing itself fail half way.
TEST(SauverPartie, UneEcritureInterrompueGardeLaSauvegardePrecedente) {
  DossierTemporaire dossier;
  ASSERT_TRUE(sauverPartie(partieExemple()));
  const std::string avant = dossier.lireFichier(SAUVEGARDE);
  bool resultat = true;
  {
    LimiteTailleFichier limite(100);
    ASSERT_TRUE(limite.actif());
    resultat = sauverPartie(partiePlacee(3));
  }
  EXPECT_FALSE(resultat);
  EXPECT_EQ(dossier.lireFichier(SAUVEGARDE), avant);
  EXPECT_FALSE(dossier.existe("save.dat.tmp"));
}

}  // namespace
