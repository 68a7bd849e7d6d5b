#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controleur/bateau.hpp"
#include "controleur/menu.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/parametre.hpp"
#include "statuts.hpp"
#include "support/terminalScripte.hpp"

namespace {

using plateforme::Ecran;

constexpr int STATUT_FIN = STATUT_FIN_ENTREE;
const std::string TIRETS(33, '-');

Tparam parDefaut() {
  Tparam p;
  setParamParDef(p);
  return p;
}

std::vector<std::string> lignes(const Ecran& pEcran, int pDe, int pA) {
  std::vector<std::string> resultat;
  for (int y = pDe; y <= pA; ++y) resultat.push_back(ligne(pEcran, y));
  return resultat;
}

std::vector<std::string> menu(const std::vector<std::string>& pEntrees, int pChoix) {
  std::vector<std::string> attendu{TIRETS, "Deplacement avec touches flechees", TIRETS};
  for (std::size_t i = 0; i < pEntrees.size(); ++i) {
    attendu.push_back((static_cast<int>(i) + 1 == pChoix ? "-> " : "   ") + pEntrees[i]);
  }
  return attendu;
}

std::vector<std::string> menuNouvellePartie(int pChoix) {
  return menu({"Jouer", "Parametres", "Retour"}, pChoix);
}

std::vector<std::string> menuParametres(int pChoix) {
  return menu({"Afficher parametres", "Modifier les parametres", "Retour"}, pChoix);
}

}  // namespace

// --- The new-game menu ---

struct CasSelection {
  const char* nom;
  std::vector<std::string> touches;
  int choix;
};

class MenuNouvellePartieSelection : public testing::TestWithParam<CasSelection> {};

// The selection stops at both ends; other keys only redraw.
TEST_P(MenuNouvellePartieSelection, MarqueLaBonneLigneSansBoucler) {
  Tparam p = parDefaut();
  TerminalScripte t;
  for (const auto& k : GetParam().touches) t.taper(k);
  EXPECT_EQ(executer(t, [&] { menuNouvellePartie(p, REGLAGES_DECRITS); }), STATUT_FIN);
  EXPECT_EQ(lignes(t.vues().back(), 1, 7), [&] {
    auto attendu = menuNouvellePartie(GetParam().choix);
    attendu.push_back("");
    return attendu;
  }());
}

INSTANTIATE_TEST_SUITE_P(
    Touches, MenuNouvellePartieSelection,
    testing::Values(
        CasSelection{"AuDepart", {}, 1},
        CasSelection{"HautSurLaPremiere", {std::string(touches::HAUT)}, 1},
        CasSelection{"Bas", {std::string(touches::BAS)}, 2},
        CasSelection{"BasBas", {std::string(touches::BAS), std::string(touches::BAS)}, 3},
        CasSelection{
            "BasSurLaDerniere",
            {std::string(touches::BAS), std::string(touches::BAS), std::string(touches::BAS)},
            3},
        CasSelection{"RemonteDeLaDerniere",
                     {std::string(touches::BAS), std::string(touches::BAS),
                      std::string(touches::BAS), std::string(touches::HAUT)},
                     2},
        CasSelection{"LettreCommeFleche", {"P"}, 2}, CasSelection{"AutreTouche", {"x", "r"}, 1}),
    [](const testing::TestParamInfo<CasSelection>& pCas) { return pCas.param.nom; });

// The menu sets no colour of its own: it shows in whatever attribute was current.
TEST(MenuNouvellePartie, GardeLaCouleurCourante) {
  Tparam p = parDefaut();
  TerminalScripte t;
  executer(t, [&] {
    textcolor(YELLOW);
    menuNouvellePartie(p, REGLAGES_DECRITS);
  });
  EXPECT_EQ(attribut(t.vues().back(), 4, 4), YELLOW);
  EXPECT_EQ(attribut(t.vues().back(), 1, 1), YELLOW);
}

TEST(MenuNouvellePartie, RetourRendZeroSansToucherAuJeu) {
  Tparam p = parDefaut();
  TerminalScripte t{touches::BAS, touches::BAS, touches::ENTREE};
  EXPECT_EQ(executerStatut(t, [&] { return menuNouvellePartie(p, REGLAGES_DECRITS); }), 0);
  EXPECT_EQ(p.mNombreInstanceBateaux, 1);
  EXPECT_EQ(p.joueur1->mBateauxDuJoueur[3].mNom, "fenoril");
  EXPECT_EQ(p.joueur1->nbCasesPrises, 0);
}

TEST(MenuNouvellePartie, JouerPlaceLesDeuxFlottesEtRendUn) {
  Tparam p = parDefaut();
  TerminalScripte t{touches::ENTREE, "Alice\r", touches::BAS, touches::ENTREE};
  EXPECT_EQ(executerStatut(t, [&] { return menuNouvellePartie(p, REGLAGES_DECRITS); }), 1);
  EXPECT_EQ(p.joueur1->nomJoueur, "Alice");
  EXPECT_EQ(p.joueur1->nbCasesPrises, 14);
  EXPECT_EQ(p.joueur2->nbCasesPrises, 14);
}

TEST(MenuNouvellePartie, ParametresPuisRetourRevientSurParametres) {
  Tparam p = parDefaut();
  TerminalScripte t{touches::BAS, touches::ENTREE, touches::BAS, touches::BAS, touches::ENTREE};
  EXPECT_EQ(executer(t, [&] { menuNouvellePartie(p, REGLAGES_DECRITS); }), STATUT_FIN);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 6u);
  EXPECT_EQ(lignes(v[2], 1, 6), menuParametres(1));
  EXPECT_EQ(lignes(v[4], 1, 6), menuParametres(3));
  EXPECT_EQ(lignes(v[5], 1, 6), menuNouvellePartie(2));
}

// --- The settings menu ---

TEST(MenuParam, AfficherListeLesReglagesPuisRevientSurLaMemeLigne) {
  Tparam p = parDefaut();
  TerminalScripte t{touches::ENTREE, "x"};
  EXPECT_EQ(executer(t, [&] { menuParam(p, REGLAGES_DECRITS); }), STATUT_FIN);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 3u);
  // One count line, the player's four ships, then the computer's four; tabs reach the next
  // column 8k + 1.
  EXPECT_EQ(lignes(v[1], 1, 10), (std::vector<std::string>{
                                     "Nombre d'instances 1",
                                     "Couleur : LIGHTMAGENTA  remorqueur      Nom : tavrun",
                                     "Couleur : BLEU  porteAvion      Nom : quelis",
                                     "Couleur : VERT  sousMarin       Nom : dombar",
                                     "Couleur : LIGHTRED      cargot  Nom : fenoril",
                                     "Couleur : ROUGE remorqueur      Nom : gastue",
                                     "Couleur : VIOLET        porteAvion      Nom : ombrelin",
                                     "Couleur : LIGHTMAGENTA  sousMarin       Nom : pirvak",
                                     "Couleur : BLEU  cargot  Nom : zelune",
                                     "",
                                 }));
  EXPECT_EQ(lignes(v[2], 1, 6), menuParametres(1));
}

TEST(MenuParam, RetourQuitteLeMenu) {
  Tparam p = parDefaut();
  TerminalScripte t{touches::BAS, touches::BAS, touches::BAS, touches::ENTREE};
  EXPECT_EQ(executer(t, [&] { menuParam(p, REGLAGES_DECRITS); }), 0);
  EXPECT_EQ(lignes(plateforme::ecranCourant(), 1, 6), menuParametres(3));
}

// New settings replace the old ones and the listing shows them.
TEST(MenuParam, ModifierPuisAfficher) {
  Tparam p = parDefaut();
  TerminalScripte t{touches::BAS, touches::ENTREE, "1\r",          "3\r",     "un\r",
                    "9\r",        "deux\r",        "12\r",         "trois\r", "14\r",
                    "quatre\r",   touches::HAUT,   touches::ENTREE};
  EXPECT_EQ(executer(t, [&] { menuParam(p, REGLAGES_DECRITS); }), STATUT_FIN);
  const auto& v = t.vues();
  EXPECT_EQ(lignes(v[v.size() - 3], 1, 6), menuParametres(2));
  EXPECT_EQ(lignes(v[v.size() - 2], 1, 6), menuParametres(1));
  EXPECT_EQ(lignes(v.back(), 1, 6), (std::vector<std::string>{
                                        "Nombre d'instances 1",
                                        "Couleur : CYAN  remorqueur      Nom : un",
                                        "Couleur : LIGHTBLUE     porteAvion      Nom : deux",
                                        "Couleur : LIGHTRED      sousMarin       Nom : trois",
                                        "Couleur : JAUNE cargot  Nom : quatre",
                                        "Couleur : VIOLET        remorqueur      Nom : Gastue",
                                    }));
}

// --- The settings dialogue ---

class NombreInstancesRefuse : public testing::TestWithParam<std::string> {};

// A wrong count, or no number at all, gets the error text and the question again, and the
// current settings stay whole.
TEST_P(NombreInstancesRefuse, AfficheLErreurEtRedemande) {
  Tparam p = parDefaut();
  TerminalScripte t{GetParam() + "\r", GetParam() + "\r"};
  EXPECT_EQ(executer(t, [&] { parametrerPartie(p); }), STATUT_FIN);
  const auto& v = t.vues();
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(lignes(v[0], 1, 5), (std::vector<std::string>{
                                    "",
                                    "",
                                    "Vous avez au maximum 3 bateaux par type.",
                                    "Saisir le nombre d'instances de bateau par type:",
                                    "",
                                }));
  const std::vector<std::string> erreur{
      "",
      "",
      "Erreur le nombre d'instances de bateau par type doit etre compris entre 1 & 3",
      "Saisir le nombre d'instances de bateau par type:",
      "",
  };
  EXPECT_EQ(lignes(v[1], 1, 5), erreur);
  EXPECT_EQ(lignes(v[2], 1, 5), erreur);
  EXPECT_EQ(p.mNombreInstanceBateaux, 1);
  EXPECT_EQ(p.joueur1->mBateauxDuJoueur[3].mNom, "fenoril");
}

INSTANTIATE_TEST_SUITE_P(Reponses, NombreInstancesRefuse,
                         testing::Values("0", "4", "-1", "abc", "99999999999"));

namespace {

// The colour list, one entry per code, each on the row it belongs to.
struct EntreeCouleur {
  int code;
  const char* texte;
  int ligne;
};

constexpr EntreeCouleur LISTE_COULEURS[] = {
    {1, "1-BLEU", 2},           {2, "2-VERT", 2},        {3, "3-CYAN", 2},
    {4, "4-ROUGE", 2},          {5, "5-VIOLET", 2},      {6, "6-MARRON", 3},
    {7, "7-LIGHTGRAY", 3},      {8, "8-DARKGRAY", 3},    {9, "9-LIGHTBLUE", 3},
    {10, "10-LIGHTGREEN", 3},   {11, "11-LIGHTCYAN", 3}, {12, "12-LIGHTRED", 4},
    {13, "13-LIGHTMAGENTA", 4}, {14, "14-JAUNE", 4},     {15, "15-BLANC", 4},
};

void verifierListeCouleurs(const Ecran& pEcran) {
  EXPECT_EQ(ligne(pEcran, 1), "");
  EXPECT_EQ(ligne(pEcran, 2), "Codes couleur: 1-BLEU 2-VERT 3-CYAN 4-ROUGE 5-VIOLET");
  EXPECT_EQ(ligne(pEcran, 3),
            "6-MARRON 7-LIGHTGRAY 8-DARKGRAY 9-LIGHTBLUE 10-LIGHTGREEN 11-LIGHTCYAN");
  EXPECT_EQ(ligne(pEcran, 4), "12-LIGHTRED 13-LIGHTMAGENTA 14-JAUNE 15-BLANC");
  EXPECT_EQ(ligne(pEcran, 5), "");
  std::size_t depuis[46] = {};
  for (const auto& e : LISTE_COULEURS) {
    const std::string texteLigne = texte(pEcran, 1, e.ligne, plateforme::LARGEUR);
    const std::size_t pos = texteLigne.find(std::string(e.texte) + " ", depuis[e.ligne]);
    ASSERT_NE(pos, std::string::npos) << e.texte;
    depuis[e.ligne] = pos + 1;
    const int x = static_cast<int>(pos) + 1;
    for (std::size_t i = 0; i <= std::string(e.texte).size(); ++i) {
      EXPECT_EQ(attribut(pEcran, x + static_cast<int>(i), e.ligne), e.code) << e.texte;
    }
  }
}

}  // namespace

TEST(ParametrerPartie, ListeDesCouleursChacuneDansSaCouleur) {
  Tparam p = parDefaut();
  TerminalScripte t{"1\r"};
  EXPECT_EQ(executer(t, [&] { parametrerPartie(p); }), STATUT_FIN);
  const Ecran& e = t.vues().back();
  verifierListeCouleurs(e);
  EXPECT_EQ(ligne(e, 6), "-----remorqueur 1-----");
  EXPECT_EQ(ligne(e, 7), "Saisir le code couleur de votre bateau:");
  EXPECT_EQ(attribut(e, 1, 6), LIGHTCYAN);
  EXPECT_EQ(attribut(e, 1, 7), LIGHTCYAN);
}

class CouleurRefusee : public testing::TestWithParam<std::string> {};

// Only the question comes again, below the answer; the colour list stays.
TEST_P(CouleurRefusee, RedemandeSousLaListe) {
  Tparam p = parDefaut();
  TerminalScripte t{"1\r", GetParam() + "\r", GetParam() + "\r"};
  EXPECT_EQ(executer(t, [&] { parametrerPartie(p); }), STATUT_FIN);
  const Ecran& e = t.vues().back();
  verifierListeCouleurs(e);
  EXPECT_EQ(ligne(e, 7), "Saisir le code couleur de votre bateau:" + GetParam());
  EXPECT_EQ(ligne(e, 9), "Saisir le code couleur de votre bateau:" + GetParam());
  EXPECT_EQ(ligne(e, 11), "Saisir le code couleur de votre bateau:");
}

INSTANTIATE_TEST_SUITE_P(Reponses, CouleurRefusee, testing::Values("0", "16", "-3", "rouge"));

class CouleurAcceptee : public testing::TestWithParam<int> {};

TEST_P(CouleurAcceptee, PasseAuNom) {
  Tparam p = parDefaut();
  TerminalScripte t{"1\r", std::to_string(GetParam()) + "\r"};
  EXPECT_EQ(executer(t, [&] { parametrerPartie(p); }), STATUT_FIN);
  EXPECT_EQ(ligne(t.vues().back(), 9), "Saisir le nom de votre bateau:");
}

INSTANTIATE_TEST_SUITE_P(Bornes, CouleurAcceptee, testing::Values(1, 15));

// Two of each type: the player's ships by type then instance, with their colours and names (a
// long one cut to 14), the computer's all "Gastue" with colours by instance; all ships back at
// the start, nothing placed.
TEST(ParametrerPartie, DeuxParTypeRemplitLesDeuxFlottes) {
  Tparam p = parDefaut();
  TerminalScripte t{"2\r"};
  const char* noms[] = {"r1", "r2", "p1", "p2", "s1", "s2", "c1", "abcdefghijklmnopqr"};
  for (int i = 0; i < 8; ++i) {
    t.taper(std::to_string(i + 1) + "\r");
    t.taper(std::string(noms[i]) + " reste\r");
  }
  EXPECT_EQ(executer(t, [&] { parametrerPartie(p); }), 0);
  ASSERT_EQ(p.mNombreInstanceBateaux, 2);
  const EType types[] = {remorqueur, remorqueur, porteAvion, porteAvion,
                         sousMarin,  sousMarin,  cargot,     cargot};
  const char* entetes[] = {"remorqueur 1", "remorqueur 2", "porteAvion 1", "porteAvion 2",
                           "sousMarin  1", "sousMarin  2", "cargot     1", "cargot     2"};
  for (std::size_t i = 0; i < 8; ++i) {
    const TInfoBateau& b = p.joueur1->mBateauxDuJoueur[i];
    EXPECT_EQ(b.mType, types[i]) << i;
    EXPECT_EQ(b.mCouleur, static_cast<int>(i) + 1) << i;
    EXPECT_EQ(b.mNom, i == 7 ? "abcdefghijklmn" : noms[i]) << i;
    // Each ship is asked on a fresh screen with the colour list and its own heading.
    EXPECT_EQ(ligne(t.vues()[1 + 2 * i], 6), std::string("-----") + entetes[i] + "-----") << i;
    const TInfoBateau& o = p.joueur2->mBateauxDuJoueur[i];
    EXPECT_EQ(o.mType, types[i]) << i;
    EXPECT_EQ(o.mNom, "Gastue") << i;
    EXPECT_EQ(o.mCouleur, i % 2 == 0 ? MAGENTA : BROWN) << i;
    for (const TInfoBateau* s : {&b, &o}) {
      EXPECT_EQ(s->mCoordonnees.mDirection, vertical);
      EXPECT_EQ(s->mCoordonnees.mLatitude, 1);
      EXPECT_EQ(s->mCoordonnees.mLongitude, 1);
      EXPECT_EQ(s->estCoule, 0);
    }
  }
  EXPECT_EQ(p.joueur1->mBateauxDuJoueur.size(), 8u);
  EXPECT_EQ(p.joueur1->nomJoueur, "Player");
  EXPECT_EQ(p.joueur1->nbCasesPrises, 0);
  EXPECT_EQ(p.joueur2->nbCasesPrises, 0);
}
