#include "menuPrincipal.hpp"

#include <string>
#include <vector>

#include "controleur/jeu.hpp"
#include "controleur/menu.hpp"
#include "controleur/score.hpp"
#include "controleur/selection.hpp"
#include "modele/coniocouleur.hpp"
#include "modele/parametre.hpp"
#include "modele/random.hpp"
#include "modele/sauv.hpp"
#include "modele/score.hpp"
#include "modele/util.hpp"
#include "statuts.hpp"
#include "vue/lietrec.hpp"
#include "vue/menu.hpp"
#include "vue/score.hpp"
#include "vue/vue.hpp"

namespace {

enum Entree { NOUVELLE_PARTIE = 1, CHARGER_PARTIE, MEILLEURS_SCORES, REGLES, QUITTER };

// The run's one parameter set and whether a default set built by "Nouvelle partie" is held.
struct EtatMenu {
  const Reglages& reglages;
  Tparam parametre;
  int aLib = 0;
  int choixMenu = NOUVELLE_PARTIE;
  int continuer = 1;
};

void libererSiTenu(EtatMenu& pEtat) {
  libererParam(pEtat.parametre);
  pEtat.aLib = 0;
}

void afficherStatistiques(const TPile& pPile) {
  const int nbtir = getNbTir(pPile);
  const int nbtouch = getTouche(pPile);
  // Each line break written on its own: the same cells, and g++ 12 at -O3 sees a false overlap
  // in a literal added to a string.
  ecrire("\n\n");
  ecrire(trAvec("Nombre de tirs effectues: %d", {std::to_string(nbtir)}));
  ecrire("\n");
  ecrire(trAvec("Tirs reussis: %d", {std::to_string(nbtouch)}));
  ecrire("\n");
  ecrire(trAvec("Tirs rates: %d", {std::to_string(nbtir - nbtouch)}));
}

// With --aide-jeu the last wait after a game says it waits, on the screen as it is.
void attendreApresPartie(const Reglages& pReglages) {
  if (pReglages.aideJeu) {
    textcolor(YELLOW);
    ecrire(std::string("\n\n") + tr("Appuyez sur une touche pour continuer..."));
  }
  lireTouche();
}

void nouvellePartie(EtatMenu& pEtat) {
  if (pEtat.aLib == 0) {
    setParamParDef(pEtat.parametre);
    pEtat.aLib = 1;
  }
  if (menuNouvellePartie(pEtat.parametre, pEtat.reglages) != 1) return;
  clrscr();
  const int gagnant = jouer(pEtat.parametre, 0, pEtat.reglages);
  textcolor(YELLOW);
  if (gagnant == 1) {
    ecrire(tr("YOU WIN!"));
    if (!enregistrerScore(*pEtat.parametre.joueur1)) ecrire(tr("Une erreur s'est produite."));
    afficherStatistiques(*pEtat.parametre.joueur1->pileCoup);
    lireTouche();
  } else if (gagnant == 2) {
    ecrire(std::string(tr("YOU LOOSE")) + "\n\n\n" + tr("Vous ferez mieux une autre fois. :)"));
  } else {
    clrscr();
  }
  libererSiTenu(pEtat);
  attendreApresPartie(pEtat.reglages);
}

void chargerPartie(EtatMenu& pEtat) {
  // A successful load puts the saved game in place of any held set, releasing it first; a
  // failed one leaves the held set as it was.
  if (restaurerPartie(pEtat.parametre)) {
    const int gagnant = jouer(pEtat.parametre, 1, pEtat.reglages);
    textcolor(YELLOW);
    if (gagnant == 1) {
      ecrire(tr("WINNER"));
      if (!enregistrerScore(*pEtat.parametre.joueur1)) ecrire(tr("Une erreur s'est produite."));
    } else if (gagnant == 2) {
      ecrire(tr("YOU LOOSE"));
    } else {
      clrscr();
    }
    libererSiTenu(pEtat);
  } else {
    // Drawn under the main menu, which a change of layout draws again first.
    const auto afficherEchec = [&pEtat] {
      const Choix& echec = disposition(pEtat.reglages).echecChargement;
      tracerLigneH(echec.x, echec.premiereRangee - 1, echec.largeurRegle);
      gotoxy(echec.x, echec.premiereRangee);
      ecrire(tr("Une erreur s'est produite"));
    };
    afficherEchec();
    const Redessin redessin([&] {
      afficherMenuPrinc(pEtat.choixMenu, disposition(pEtat.reglages));
      afficherEchec();
    });
    lireTouche();
    return;
  }
  attendreApresPartie(pEtat.reglages);
}

void meilleursScores(const Disposition& pEcran) {
  clrscr();
  const int nbScore = getNbScore();
  if (nbScore == 0) {
    ecrire(tr("Il n'y a pas de score dans le fichier."));
  } else if (nbScore < 0) {
    ecrire(tr("Une erreur est survenue"));
  } else {
    std::vector<TScore> listeScores(static_cast<std::size_t>(nbScore));
    if (chargerScores(listeScores)) afficherMeilleurScore(listeScores, nbScore, pEcran);
  }
  lireTouche();
}

void executerEntree(EtatMenu& pEtat) {
  switch (pEtat.choixMenu) {
    case NOUVELLE_PARTIE:
      nouvellePartie(pEtat);
      break;
    case CHARGER_PARTIE:
      chargerPartie(pEtat);
      break;
    case MEILLEURS_SCORES:
      meilleursScores(disposition(pEtat.reglages));
      break;
    case REGLES:
      lireLesRegles();
      break;
    default:
      pEtat.continuer = 0;
      break;
  }
}

}  // namespace

int programmePrincipal(const Reglages& pReglages) {
  EtatMenu etat{pReglages, {}};
  initRandom(pReglages.graine);
  initConsoleJeu();
  afficherStartScreen();
  {
    const Redessin redessin(afficherStartScreen);
    lireTouche();
  }
  while (etat.continuer == 1) {
    etat.choixMenu = choisirLigne(
        NOUVELLE_PARTIE, QUITTER, disposition(pReglages).menu.premiereRangee, etat.choixMenu,
        [&](int pChoix) { afficherMenuPrinc(pChoix, disposition(pReglages)); });
    executerEntree(etat);
  }
  if (etat.aLib == 1) libererSiTenu(etat);
  return STATUT_NORMAL;
}
