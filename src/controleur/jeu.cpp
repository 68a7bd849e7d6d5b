#include "controleur/jeu.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "controleur/bateau.hpp"
#include "controleur/selection.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/coup.hpp"
#include "modele/parametre.hpp"
#include "modele/pile.hpp"
#include "modele/random.hpp"
#include "modele/sauv.hpp"
#include "modele/score.hpp"
#include "vue/aideJeu.hpp"
#include "vue/bateau.hpp"
#include "vue/score.hpp"
#include "vue/vue.hpp"
#include "vue/vueGrille.hpp"

namespace {

constexpr const char* SAUVEGARDE_FAITE =
    aTraduire("Sauvegarde effectuee. Appuyez sur une touche pour continuer a jouer");
constexpr const char* SAUVEGARDE_RATEE =
    aTraduire("Une erreur est survenue. Sauvegarde impossible.");
constexpr const char* QUESTION_QUITTER =
    aTraduire("Voulez-vous vraiment quitter? La partie est perdue sans sauvegarde.");

struct Partie {
  Tparam& param;
  const Reglages& reglages;
  int joueurTour = 0;
  int curseurX = 1;
  int curseurY = 1;
  int dernierTirX = 1;  // the last cell the human fired at, where a kept cursor goes back
  int dernierTirY = 1;
  int nbBateau = 0;
  bool quit = false;
  // What the boards show, so that a turn redraws only what changed. Ships are drawn again, and
  // every mark over them, only after the boards were blanked (the start, an undo).
  bool flottesAffichees = false;
  MarquesAffichees marquesCible{};
  MarquesAffichees marquesJoueur{};
  // With --aide-jeu: the player's result waiting for the computer's reply, and whether the
  // message line holds a refusal to blank at the next key.
  std::string resultatHumain{};
  bool refusAffiche = false;
  // Asked at each use: a resize may have changed the layout since the last key.
  const Disposition& ecran() const { return disposition(reglages); }
};

bool estTouche(int pTouche, char pMinuscule) {
  return pTouche == pMinuscule || pTouche == pMinuscule - 'a' + 'A';
}

// --- Drawing one turn ---

void afficherTour(Partie& pPartie) {
  TJoueur& humain = *pPartie.param.joueur1;
  TJoueur& ordi = *pPartie.param.joueur2;
  // Flags and marks follow the stacks as they are now, so an undo can refloat a ship.
  checkBateauxCoules(pPartie.nbBateau, humain, ordi);
  checkBateauxCoules(pPartie.nbBateau, ordi, humain);
  if (!pPartie.flottesAffichees) {
    for (int i = 0; i < pPartie.nbBateau; ++i) {
      afficherBateau(humain.mBateauxDuJoueur[static_cast<std::size_t>(i)],
                     pPartie.ecran().grilleJoueur, pPartie.reglages);
    }
    pPartie.marquesCible.fill(MARQUE_INCONNUE);
    pPartie.marquesJoueur.fill(MARQUE_INCONNUE);
    pPartie.flottesAffichees = true;
  }
  // The computer's shots come after the ships: a hit shows over the ship it struck.
  afficherMarquesChangees(humain.pileCoup->plateau, pPartie.marquesCible,
                          pPartie.ecran().grilleCible, pPartie.reglages);
  afficherMarquesChangees(ordi.pileCoup->plateau, pPartie.marquesJoueur,
                          pPartie.ecran().grilleJoueur, pPartie.reglages);
  afficherScore(getScore(*humain.pileCoup), 1, getTouche(*humain.pileCoup),
                getNbTir(*humain.pileCoup), pPartie.ecran());
  afficherScore(getScore(*ordi.pileCoup), 2, getTouche(*ordi.pileCoup), getNbTir(*ordi.pileCoup),
                pPartie.ecran());
  afficherTouchesJeu(pPartie.ecran());
  if (pPartie.reglages.aideJeu)
    afficherEtatFlottes(pPartie.param, pPartie.nbBateau, pPartie.reglages);
}

void direAide(Partie& pPartie, std::string_view pTexte) {
  afficherMessageAide(pTexte, pPartie.reglages);
}

// A shot that went in. As the player meets it an exchange is their shot and the computer's
// reply: the player's shot blanks the last exchange's line, the reply says both results (alone
// when the computer opens the game).
void direResultat(Partie& pPartie, bool pHumain, int pCode) {
  if (!pPartie.reglages.aideJeu) return;
  const TJoueur& humain = *pPartie.param.joueur1;
  const TJoueur& ordi = *pPartie.param.joueur2;
  if (pHumain) {
    direAide(pPartie, "");
    pPartie.resultatHumain = resultatDuTir(pCode, humain, ordi, pPartie.nbBateau);
    return;
  }
  const std::string reponse = resultatDuTir(pCode, ordi, humain, pPartie.nbBateau);
  direAide(pPartie, pPartie.resultatHumain.empty()
                        ? trAvec("Ordinateur: %s", {reponse})
                        : trAvec("Vous: %s   Ordinateur: %s", {pPartie.resultatHumain, reponse}));
  pPartie.resultatHumain.clear();
}

// --- The human's keys other than aiming and firing ---

void sauvegarder(const Partie& pPartie) {
  const std::string_view message =
      tr(sauverPartie(pPartie.param) ? SAUVEGARDE_FAITE : SAUVEGARDE_RATEE);
  const auto afficherMessage = [&](std::string_view pTexte) {
    gotoxy(pPartie.ecran().messageSauvegarde.x, pPartie.ecran().messageSauvegarde.y);
    ecrire(pTexte);
  };
  {
    const Redessin redessin([&] { afficherMessage(message); });
    afficherMessage(message);
    lireTouche();
  }
  afficherMessage(std::string(static_cast<std::size_t>(largeur(message)), ' '));
}

// "Oui" and "Non" on the two rows under the question.
void afficherChoix(bool pOui, Point pQuestion) {
  gotoxy(pQuestion.x, pQuestion.y + 1);
  ecrire(pOui ? "->" : "  ");
  ecrire(tr("Oui"));
  gotoxy(pQuestion.x, pQuestion.y + 2);
  ecrire(pOui ? "  " : "->");
  ecrire(tr("Non"));
}

// True when the player confirms leaving. "Non" is marked when the question opens.
bool confirmerQuitter(const Partie& pPartie) {
  const auto afficherQuestion = [&] {
    gotoxy(pPartie.ecran().question.x, pPartie.ecran().question.y);
    ecrire(tr(QUESTION_QUITTER));
  };
  const Redessin redessin(afficherQuestion);
  afficherQuestion();
  // Line 0 is "Oui", line 1 "Non". The rows are those of the layout when the question opened.
  const Point pQuestion = pPartie.ecran().question;
  if (choisirLigne(0, 1, pQuestion.y + 1, 1, [&](int pLigne) {
        afficherChoix(pLigne == 0, pPartie.ecran().question);
      }) == 0) {
    return true;
  }
  gotoxy(pPartie.ecran().question.x, pPartie.ecran().question.y);
  ecrire(std::string(static_cast<std::size_t>(largeur(tr(QUESTION_QUITTER))), ' '));
  const Point question = pPartie.ecran().question;
  const int reponses = 2 + std::max(largeur(tr("Oui")), largeur(tr("Non")));
  for (int rangee : {question.y + 1, question.y + 2}) {
    gotoxy(question.x, rangee);
    ecrire(std::string(static_cast<std::size_t>(reponses), ' '));
  }
  return false;
}

// --- The two moves ---

// The aiming cursor: a yellow O, or with a kept cursor on a cell already shot, an O in the colours
// of that shot's mark, so the result stays in sight.
void afficherCurseur(const Partie& pPartie) {
  const TPlateauTirs& tirs = pPartie.param.joueur1->pileCoup->plateau;
  const int marque =
      tirs.marque[static_cast<std::size_t>(codeCase(pPartie.curseurY, pPartie.curseurX))];
  const bool surUnTir = pPartie.reglages.garderCurseur && marque != 0;
  afficherCaractereDansGrille(surUnTir ? WHITE : YELLOW, surUnTir ? marque : BLACK, 'O',
                              pPartie.ecran().grilleCible, pPartie.curseurY, pPartie.curseurX);
}

// A left click on a cell of the target board aims there and fires, as Enter would.
int toucheOuClic(int pTouche, Partie& pPartie) {
  const auto clic = clicDerniereTouche();
  if (!clic || clic->bouton != plateforme::Clic::gauche) return pTouche;
  const auto cellule = caseSousLaSouris(pPartie.ecran().grilleCible, clic->x, clic->y);
  if (!cellule) return pTouche;
  pPartie.curseurY = cellule->first;
  pPartie.curseurX = cellule->second;
  return TOUCHE_ENTREE;
}

void coupHumain(Partie& pPartie) {
  Tparam& param = pPartie.param;
  afficherCurseur(pPartie);
  std::optional<int> lue = pPartie.refusAffiche ? lireToucheAvant(DUREE_REFUS) : lireTouche();
  if (!lue) {  // the refusal said long enough
    direAide(pPartie, "");
    pPartie.refusAffiche = false;
    lue = lireTouche();
  }
  // Erasing leaves YELLOW on BLACK current, the colour of the save message and of the question.
  afficherCaractereDansGrille(YELLOW, BLACK, ' ', pPartie.ecran().grilleCible, pPartie.curseurY,
                              pPartie.curseurX);
  pPartie.marquesCible[static_cast<std::size_t>(codeCase(pPartie.curseurY, pPartie.curseurX))] =
      MARQUE_INCONNUE;
  const int touche = toucheOuClic(*lue, pPartie);
  // A refusal lasts until the next key.
  if (pPartie.refusAffiche) {
    direAide(pPartie, "");
    pPartie.refusAffiche = false;
  }
  if (deplacerCurseur(&pPartie.curseurX, &pPartie.curseurY, touche)) return;
  if (touche == TOUCHE_ENTREE) {
    pPartie.dernierTirX = pPartie.curseurX;
    pPartie.dernierTirY = pPartie.curseurY;
    const int code = codeCase(pPartie.curseurY, pPartie.curseurX);
    const int avant = pPartie.joueurTour;
    tir(*param.joueur1, *param.joueur2, &pPartie.joueurTour, code);
    if (pPartie.joueurTour != avant) {
      direResultat(pPartie, true, code);
    } else if (pPartie.reglages.aideJeu) {
      direAide(pPartie, tr("Case deja visee"));
      pPartie.refusAffiche = true;
    }
    return;
  }
  if (estTouche(touche, 'z') && param.aCommence < pPartie.joueurTour) {
    annulerCoup(param, &pPartie.joueurTour, pPartie.ecran());
    pPartie.flottesAffichees = false;
    pPartie.resultatHumain.clear();
  }
  if (estTouche(touche, 's')) {
    sauvegarder(pPartie);
  } else if (estTouche(touche, 'q')) {
    pPartie.quit = confirmerQuitter(pPartie);
  }
}

// At hasard the computer may pick a cell it already shot; the refusal costs it one turn of the
// loop. The other levels read the marks and sunk flags that this turn's redraw brought up to date.
void coupOrdinateur(Partie& pPartie) {
  const int code = choisirTir(pPartie.reglages.niveau, *pPartie.param.joueur2->pileCoup,
                              pPartie.param.joueur1->mBateauxDuJoueur);
  const int avant = pPartie.joueurTour;
  tir(*pPartie.param.joueur2, *pPartie.param.joueur1, &pPartie.joueurTour, code);
  if (pPartie.joueurTour != avant) direResultat(pPartie, false, code);
  pPartie.curseurX = 1;
  pPartie.curseurY = 1;
}

// --- Start and end ---

void afficherDebut(const Tparam& pParam, const Disposition& pEcran) {
  clrscr();
  afficherGrille(pEcran.grilleJoueur, TAILLE_GRILLE, TAILLE_GRILLE, YELLOW);
  afficherGrille(pEcran.grilleCible, TAILLE_GRILLE, TAILLE_GRILLE, YELLOW);
  afficherNom(pParam.joueur1->nomJoueur, 1, pEcran);
  afficherNom(tr(pParam.joueur2->nomJoueur.c_str()), 2, pEcran);
}

// The boards are blanked to black first: clearing changes characters, not colours.
// With the fleets revealed, the computer's ships show on the target board under the shot marks
// before the end screen, until a key.
void devoilerFlotte(Partie& pPartie) {
  afficherTour(pPartie);
  const TJoueur& ordi = *pPartie.param.joueur2;
  for (const TInfoBateau& bateau : ordi.mBateauxDuJoueur) {
    afficherBateau(bateau, pPartie.ecran().grilleCible, pPartie.reglages);
  }
  afficherTirs(*pPartie.param.joueur1->pileCoup, pPartie.ecran().grilleCible, pPartie.reglages);
  textcolor(YELLOW);
  gotoxy(pPartie.ecran().finDevoilee.x, pPartie.ecran().finDevoilee.y);
  ecrire(tr("Partie terminee: appuyez sur une touche"));
}

void afficherFin(const Disposition& pEcran) {
  resetGrille(pEcran.grilleJoueur);
  resetGrille(pEcran.grilleCible);
  clrscr();
  textcolor(LIGHTCYAN);
  ecrireLigne(std::string(tr("PARTIE TERMINEE")) + "\n\n\n\n");
  ecrire(tr("Appuyez sur une touche pour continuer..."));
  lireTouche();
  clrscr();
}

int nbTirs(const Tparam& pParam) {
  return getLongPile(*pParam.joueur1->pileCoup) + getLongPile(*pParam.joueur2->pileCoup);
}

// The turns until a winner or the player's leaving.
void jouerTours(Partie& partie, int& gagnant) {
  // After a change of layout: the whole game in the new one, the aiming cursor where it was.
  const Redessin redessin([&] {
    afficherDebut(partie.param, partie.ecran());
    partie.flottesAffichees = false;
    afficherTour(partie);
    if (partie.joueurTour % 2 != 0) afficherCurseur(partie);
  });
  for (;;) {
    afficherTour(partie);
    if (partie.joueurTour % 2 != 0) {
      coupHumain(partie);
    } else {
      coupOrdinateur(partie);
      if (partie.reglages.garderCurseur) {
        partie.curseurX = partie.dernierTirX;
        partie.curseurY = partie.dernierTirY;
      }
    }
    gagnant = estGagne(partie.param);
    if (gagnant == 1 || gagnant == 2 || partie.quit) break;
  }
}

}  // namespace

int jouer(Tparam& pParam, int estReprise, const Reglages& pReglages) {
  Partie partie{pParam, pReglages};
  if (estReprise == 0) {
    pParam.aCommence = nombreAleatoire(1, 2);
    partie.joueurTour = pParam.aCommence;
  } else {
    // Shots alternate from the first shooter on, so a game saved on the human's turn resumes there.
    partie.joueurTour = nbTirs(pParam) + pParam.aCommence;
  }
  afficherDebut(pParam, partie.ecran());
  partie.nbBateau = getNbBateaux(pParam);
  int gagnant = 0;
  jouerTours(partie, gagnant);
  if (pReglages.devoiler && (gagnant == 1 || gagnant == 2)) {
    const Redessin redessin([&] {
      afficherDebut(pParam, partie.ecran());
      partie.flottesAffichees = false;
      devoilerFlotte(partie);
    });
    devoilerFlotte(partie);
    lireTouche();
  }
  afficherFin(partie.ecran());
  return gagnant;
}

void tir(TJoueur& pTireur, const TJoueur& pCible, int* pTour, int pPosition) {
  if (!tirPossible(*pTireur.pileCoup, pPosition)) return;
  const auto nbCases = std::min(static_cast<std::size_t>(std::max(pCible.nbCasesPrises, 0)),
                                pCible.tabPosBateauJoueur.size());
  const auto debut = pCible.tabPosBateauJoueur.begin();
  const auto fin = debut + static_cast<std::ptrdiff_t>(nbCases);
  const bool touche = std::find(debut, fin, pPosition) != fin;
  empiler(*pTireur.pileCoup, TCoup{pPosition, touche ? MARQUE_TOUCHE : MARQUE_RATE});
  ++*pTour;
}

bool tirPossible(const TPile& pPile, int pPosition) {
  return !existePos(pPile, pPosition);
}

bool deplacerCurseur(int* pX, int* pY, int pTouche) {
  if (pTouche == TOUCHE_HAUT && *pY > 1) {
    --*pY;
  } else if (pTouche == TOUCHE_BAS && *pY < TAILLE_GRILLE) {
    ++*pY;
  } else if (pTouche == TOUCHE_GAUCHE && *pX > 1) {
    --*pX;
  } else if (pTouche == TOUCHE_DROITE && *pX < TAILLE_GRILLE) {
    ++*pX;
  } else {
    return false;
  }
  return true;
}

int estGagne(const Tparam& pParam) {
  int gagnant = 0;
  if (getTouche(*pParam.joueur2->pileCoup) == pParam.joueur1->nbCasesPrises) gagnant = 2;
  if (getTouche(*pParam.joueur1->pileCoup) == pParam.joueur2->nbCasesPrises) gagnant = 1;
  return gagnant;
}

// Takes back the human's last shot and the computer's, or only the computer's when it has fired
// the one shot of the game. A stack that is already empty is left alone, whatever the counter
// claims, and the counter is then set to what the stacks really hold.
void annulerCoup(Tparam& pParam, int* pTour, const Disposition& pEcran) {
  TPile& pileHumain = *pParam.joueur1->pileCoup;
  TPile& pileOrdi = *pParam.joueur2->pileCoup;
  if (pParam.aCommence + 1 < *pTour && !pileVide(pileHumain)) depiler(pileHumain);
  if (!pileVide(pileOrdi)) depiler(pileOrdi);
  *pTour = pParam.aCommence + nbTirs(pParam);
  resetGrille(pEcran.grilleJoueur);
  resetGrille(pEcran.grilleCible);
}
