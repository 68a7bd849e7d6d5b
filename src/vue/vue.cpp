#include "vue/vue.hpp"

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modele/coniocouleur.hpp"
#include "modele/couleurs.hpp"
#include "modele/fichier.hpp"
#include "modele/parametre.hpp"
#include "plateforme/ecran.hpp"
#include "plateforme/utf8.hpp"
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

// A text file from the working directory; nothing when there is none the player may open.
// Anything else there that cannot be read whole (no regular file, too large, a read error) ends
// the program.
std::optional<std::string> lireTexte(const std::string& pNom) {
  const ContenuFichier texte = lireFichier(pNom, TAILLE_TEXTE_MAX);
  if (texte.etat == EtatLecture::absent) return std::nullopt;
  if (texte.etat == EtatLecture::erreur) sortirSansTexte(pNom, STATUT_TEXTE_ILLISIBLE);
  return std::string(reinterpret_cast<const char*>(texte.octets.data()), texte.octets.size());
}

bool afficherTexte(const std::string& pNom) {
  const auto texte = lireTexte(pNom);
  if (texte) ecrire(*texte);
  return texte.has_value();
}

// The language's rules, under the file name its catalogue gives.
std::string lireRegles() {
  const std::string nom = tr("regles.txt");
  auto texte = lireTexte(nom);
  if (!texte) sortirSansTexte(nom, STATUT_REGLES_ABSENTES);
  return std::move(*texte);
}

// The rows of a text in the compact window: its lines, each wider one cut in rows of 80 cells
// (an accented letter is one cell and several bytes).
std::vector<std::string> rangeesDuTexte(const std::string& pTexte,
                                        std::size_t pLargeur = plateforme::LARGEUR_COMPACTE) {
  std::vector<std::string> rangees;
  std::size_t debut = 0;
  while (debut < pTexte.size()) {
    std::size_t fin = pTexte.find('\n', debut);
    if (fin == std::string::npos) fin = pTexte.size();
    std::string_view reste = std::string_view(pTexte).substr(debut, fin - debut);
    do {
      const std::size_t octets = plateforme::octetsDesCellules(reste, pLargeur);
      rangees.emplace_back(reste.substr(0, octets));
      reste.remove_prefix(octets);
    } while (!reste.empty());
    debut = fin + 1;
  }
  return rangees;
}

constexpr int RANGEES_PAGE = plateforme::HAUTEUR_COMPACTE - 1;  // the last row says where

void afficherPage(const std::vector<std::string>& pRangees, int pPremiere) {
  clrscr();
  const int nombre = static_cast<int>(pRangees.size());
  const int derniere = std::min(nombre, pPremiere + RANGEES_PAGE);
  for (int i = pPremiere; i < derniere; ++i) {
    gotoxy(1, i - pPremiere + 1);
    ecrire(pRangees[static_cast<std::size_t>(i)]);
  }
  gotoxy(1, plateforme::HAUTEUR_COMPACTE);
  ecrire(trAvec("lignes %d-%d sur %d",
                {std::to_string(pPremiere + 1), std::to_string(derniere), std::to_string(nombre)}) +
         "   " + tr("Haut, Bas, Page prec., Page suiv., Espace; autre: retour"));
}

// The first row shown after a key, or nothing for a key that leaves.
std::optional<int> defiler(int pPremiere, int pNombre) {
  const int derniere = std::max(0, pNombre - RANGEES_PAGE);
  int code = lireTouche();
  int page = pageDerniereTouche();
  if (code == TOUCHE_PREFIXE)
    code = lireTouche();
  else if (code == ' ')
    page = 1;
  int premiere = pPremiere;
  if (page != 0) {
    premiere += page * RANGEES_PAGE;
  } else if (code == TOUCHE_HAUT || code == TOUCHE_BAS) {
    premiere += code == TOUCHE_HAUT ? -1 : 1;
  } else {
    return std::nullopt;
  }
  return std::clamp(premiere, 0, derniere);
}

// Rows drawn whole by pEntier, where any key leaves; while the window is compact and pPaginer
// says so, a page at a time with where it stands on the last row, and any key but those that
// scroll leaves.
void parcourir(const std::vector<std::string>& pRangees, const std::function<void()>& pEntier,
               const std::function<bool()>& pPaginer) {
  int premiere = 0;
  const auto afficher = [&] {
    if (pPaginer()) {
      afficherPage(pRangees, premiere);
    } else {
      pEntier();
    }
  };
  afficher();
  const Redessin redessin(afficher);
  while (pPaginer()) {
    const auto suivante = defiler(premiere, static_cast<int>(pRangees.size()));
    if (!suivante) return;
    premiere = *suivante;
    afficher();
  }
  lireTouche();
}

}  // namespace

// The long texts are files: a language's catalogue names its own file for each (the launcher
// copies them into the data folder beside the described ones).
// In the compact window the runs of blank lines shrink to one, the blank lines at either end and
// the margin common to every line go, and what is left is centred; what is still too large keeps
// its middle.
void afficherStartScreen() {
  clrscr();
  const std::string nom = tr("startScreen.txt");
  if (!consoleCompacte()) {
    afficherTexte(nom);
    return;
  }
  const auto texte = lireTexte(nom);
  if (!texte) return;
  std::vector<std::string> lignes;
  std::size_t marge = std::string::npos;
  std::size_t largeur = 0;
  for (const std::string& ligne : rangeesDuTexte(*texte, std::string::npos)) {
    const std::size_t debut = ligne.find_first_not_of(' ');
    if (debut == std::string::npos && (lignes.empty() || lignes.back().empty())) continue;
    lignes.push_back(debut == std::string::npos ? std::string{} : ligne);
    if (debut != std::string::npos) marge = std::min(marge, debut);
    largeur = std::max(largeur, plateforme::largeurUtf8(ligne));
  }
  if (!lignes.empty() && lignes.back().empty()) lignes.pop_back();
  if (lignes.empty()) return;
  const int largeurTexte = static_cast<int>(largeur - marge);
  const int hauteurTexte = static_cast<int>(lignes.size());
  const int largeurMax = plateforme::LARGEUR_COMPACTE;
  const int hauteurMax = plateforme::HAUTEUR_COMPACTE;
  // Either the text's offset in the window, or the window's in the text.
  const int gauche = std::max(0, (largeurMax - largeurTexte) / 2);
  const auto retrait =
      marge + static_cast<std::size_t>(std::max(0, (largeurTexte - largeurMax) / 2));
  const int haut = std::max(0, (hauteurMax - hauteurTexte) / 2);
  const int premiere = std::max(0, (hauteurTexte - hauteurMax) / 2);
  for (int i = 0; i < std::min(hauteurTexte, hauteurMax); ++i) {
    const std::string& ligne =
        lignes.at(static_cast<std::size_t>(premiere) + static_cast<std::size_t>(i));
    gotoxy(gauche + 1, haut + i + 1);
    // The margin is spaces: as many bytes as cells.
    if (ligne.size() <= retrait) continue;
    const std::string_view reste = std::string_view(ligne).substr(retrait);
    ecrire(reste.substr(
        0, plateforme::octetsDesCellules(reste, static_cast<std::size_t>(largeurMax))));
  }
}

void afficherRegles() {
  clrscr();
  ecrire(lireRegles());
}

// In the full layout the whole text; in the compact one, page by page.
void lireLesRegles() {
  const std::string texte = lireRegles();
  parcourir(
      rangeesDuTexte(texte),
      [&] {
        clrscr();
        ecrire(texte);
      },
      consoleCompacte);
}

// The rows the listing wrote are read back from the screen and paged when they are more than
// the compact window holds.
void lireParam(const Tparam& pParam) {
  const auto entier = [&] {
    clrscr();
    afficherParam(pParam);
  };
  entier();
  std::vector<std::string> rangees;
  for (int y = 1; y < rangeeCurseur(); ++y) rangees.push_back(texteRangee(y));
  parcourir(rangees, entier, [&] {
    return consoleCompacte() && static_cast<int>(rangees.size()) > plateforme::HAUTEUR_COMPACTE;
  });
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
