#include "vue/vue.hpp"

#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "modele/coniocouleur.hpp"
#include "modele/couleurs.hpp"
#include "modele/fichier.hpp"
#include "modele/parametre.hpp"
#include "statuts.hpp"
#include "vue/bateau.hpp"
#include "vue/vueGrille.hpp"

namespace {

// Far beyond any screen of text: a larger file is taken for a wrong one, not read into memory.
constexpr std::size_t TAILLE_TEXTE_MAX = 1024 * 1024;

std::string dossierCourant() {
  std::unique_ptr<char, decltype(&std::free)> chemin(::getcwd(nullptr, 0), &std::free);
  return chemin ? chemin.get() : ".";
}

// Ends the program, saying on the way out which file was wanted where, and how to get it there.
[[noreturn]] void sortirSansTexte(const std::string& pNom, int pStatut) {
  terminerProgramme(pStatut, trAvec("korvane: %s introuvable ou illisible dans %s; lancez le jeu "
                                    "par la commande korvane ou ./scripts/jouer.sh, qui preparent "
                                    "ses fichiers",
                                    {pNom, dossierCourant()}));
}

// Shows a text file from the working directory; false when there is none the player may open.
// Anything else there that cannot be read whole (no regular file, too large, a read error) ends
// the program.
bool afficherTexte(const std::string& pNom) {
  const ContenuFichier texte = lireFichier(pNom, TAILLE_TEXTE_MAX);
  if (texte.etat == EtatLecture::absent) return false;
  if (texte.etat == EtatLecture::erreur) sortirSansTexte(pNom, STATUT_TEXTE_ILLISIBLE);
  ecrire(std::string_view(reinterpret_cast<const char*>(texte.octets.data()), texte.octets.size()));
  return true;
}

}  // namespace

// The long texts are files: a language's catalogue names its own file for each (the launcher
// copies them into the data folder beside the described ones).
void afficherStartScreen() {
  clrscr();
  afficherTexte(tr("startScreen.txt"));
}

void afficherRegles() {
  clrscr();
  const std::string regles = tr("regles.txt");
  if (!afficherTexte(regles)) sortirSansTexte(regles, STATUT_REGLES_ABSENTES);
}

char glypheDuTir(int pMarque, const Reglages& pReglages) {
  if (!pReglages.marques) return 'X';
  if (pMarque == MARQUE_RATE) return '.';
  return pMarque == MARQUE_COULE ? '#' : 'X';
}

// Each shot is a white X on the colour of its mark: miss, hit, or hit on a sunk ship.
void afficherTirs(const TPile& pPile, const Grille& pGrille, const Reglages& pReglages) {
  MarquesAffichees inconnues;
  inconnues.fill(MARQUE_INCONNUE);
  afficherMarquesChangees(pPile.plateau, inconnues, pGrille, pReglages);
}

void afficherMarquesChangees(const TPlateauTirs& pTirs, MarquesAffichees& pAffichees,
                             const Grille& pGrille, const Reglages& pReglages) {
  for (int code = 0; code <= TPlateauTirs::CODE_MAX; ++code) {
    const auto i = static_cast<std::size_t>(code);
    const std::uint8_t marque = pTirs.nombre[i] > 0 ? pTirs.marque[i] : 0;
    if (marque == pAffichees[i]) continue;
    pAffichees[i] = marque;
    // A cell never shot keeps what lies under it: water, a ship, or the erased cursor.
    if (marque == 0) continue;
    afficherCaractereDansGrille(WHITE, marque, glypheDuTir(marque, pReglages), pGrille,
                                ligneDeCode(code), colonneDeCode(code));
  }
}

void afficherNom(std::string_view pNom, int pIdJoueur, const Disposition& pDisposition) {
  textcolor(LIGHTCYAN);
  gotoxy(xPanneau(pDisposition, pIdJoueur) + pDisposition.panneaux.decalageTexte,
         pDisposition.panneaux.rangeeNom);
  ecrire(pNom);
}

void afficherTouchesJeu(const Disposition& pDisposition) {
  gotoxy(pDisposition.touches.x, pDisposition.touches.y);
  textcolor(LIGHTCYAN);
  ecrire(tr("S: Sauvegarder /// Z: Annuler le coup /// Q: Quitter"));
}

// --- The name prompt and the settings listing ---

std::string saisirPseudo() {
  ecrire(std::string("\n") + tr("Saisir votre pseudo:"));
  return couperNom(saisirMot());
}

// The player's fleet, then the computer's, one line a ship, with nothing between them.
void afficherParam(const Tparam& pParam) {
  ecrireLigne(trAvec("Nombre d'instances %d", {std::to_string(getNBInstances(pParam))}));
  for (const TJoueur* joueur : {pParam.joueur1.get(), pParam.joueur2.get()}) {
    for (const TInfoBateau& bateau : joueur->mBateauxDuJoueur) afficherInfoBateau(bateau);
  }
}

void afficherCouleur(int pI) {
  ecrire(tr("Couleur : ") + nomCouleur(pI) + "\t");
}
