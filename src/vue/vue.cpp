#include "vue/vue.hpp"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "modele/coniocouleur.hpp"
#include "modele/couleurs.hpp"
#include "modele/options.hpp"
#include "modele/parametre.hpp"
#include "vue/bateau.hpp"
#include "vue/vueGrille.hpp"

namespace {

constexpr int STATUT_ERREUR_LECTURE = 1;
constexpr int STATUT_REGLES_ABSENTES = 3;

struct FermetureFichier {
  void operator()(std::FILE* pFichier) const { std::fclose(pFichier); }
};
using Fichier = std::unique_ptr<std::FILE, FermetureFichier>;

// The whole text of a file; nothing when it cannot be opened. A read error ends the program.
std::optional<std::string> lireTexte(const char* pNom) {
  Fichier fichier(std::fopen(pNom, "r"));
  if (!fichier) return std::nullopt;
  std::string texte;
  char tampon[4096];
  std::size_t lus = 0;
  while ((lus = std::fread(tampon, 1, sizeof tampon, fichier.get())) > 0) texte.append(tampon, lus);
  if (std::ferror(fichier.get())) terminerProgramme(STATUT_ERREUR_LECTURE);
  return texte;
}

}  // namespace

void afficherStartScreen() {
  clrscr();
  if (auto texte = lireTexte("startScreen.txt")) ecrire(*texte);
}

void afficherRegles() {
  clrscr();
  auto texte = lireTexte("regles.txt");
  if (!texte) terminerProgramme(STATUT_REGLES_ABSENTES);
  ecrire(*texte);
}

namespace {

// Left panel for the human, right panel for the computer; any other id counts as the human.
int xPanneau(int pIdJoueur) {
  return pIdJoueur == 2 ? 60 : 10;
}

}  // namespace

char glypheDuTir(int pMarque) {
  if (!optionsJeu().marques) return 'X';
  if (pMarque == MARQUE_RATE) return '.';
  return pMarque == MARQUE_COULE ? '#' : 'X';
}

// Each shot is a white X on the colour of its mark: miss, hit, or hit on a sunk ship.
void afficherTirs(const TPile& pPile, int pHaut, int pGauche) {
  for (const TCellule* c = pPile.debut.get(); c != nullptr; c = c->lien.get()) {
    afficherCaractereDansGrille(WHITE, c->coup.couleur, glypheDuTir(c->coup.couleur), pGauche,
                                pHaut, ligneDeCode(c->coup.position),
                                colonneDeCode(c->coup.position));
  }
}

void afficherNom(std::string_view pNom, int pIdJoueur) {
  textcolor(LIGHTCYAN);
  gotoxy(xPanneau(pIdJoueur) + 15, 26);
  ecrire(pNom);
}

void afficherTouchesJeu() {
  gotoxy(35, 35);
  textcolor(LIGHTCYAN);
  ecrire("S: Sauvegarder /// Z: Annuler le coup /// Q: Quitter");
}

// --- The name prompt and the settings listing ---

std::string saisirPseudo() {
  ecrire("\nSaisir votre pseudo:");
  return couperNom(saisirMot());
}

// The player's fleet, then the computer's, one line a ship, with nothing between them.
void afficherParam(const Tparam& pParam) {
  ecrireLigne("Nombre d'instances " + std::to_string(getNBInstances(pParam)));
  for (const TJoueur* joueur : {pParam.joueur1.get(), pParam.joueur2.get()}) {
    for (const TInfoBateau& bateau : joueur->mBateauxDuJoueur) afficherInfoBateau(bateau);
  }
}

void afficherCouleur(int pI) {
  ecrire("Couleur : " + getNom(getCouleurFromNum(pI)) + "\t");
}
