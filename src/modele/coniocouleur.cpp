#include "modele/coniocouleur.hpp"

#include <utility>
#include <vector>

#include "modele/structures.hpp"
#include "plateforme/console.hpp"
#include "plateforme/editeurLigne.hpp"

using plateforme::ecranCourant;
using plateforme::peripheriqueCourant;

void clrscr() {
  ecranCourant().effacer();
}

// A position off the screen is refused and leaves the cursor where it was, as the console does.
void gotoxy(int x, int y) {
  if (x < 1 || x > plateforme::LARGEUR || y < 1 || y > plateforme::HAUTEUR) return;
  ecranCourant().placerCurseur(x, y);
}

// Only the low 8 bits carry colours; the console takes the low 16 and has nothing above bit 7.
void textattr(int _attr) {
  ecranCourant().definirAttribut(_attr & 0xFFFF);
}

void textcolor(int _color) {
  textattr(_color);
}

void ecrire(std::string_view pTexte) {
  ecranCourant().ecrire(pTexte);
}

void ecrireLigne(std::string_view pTexte) {
  ecrire(pTexte);
  ecrire("\n");
}

std::string texteRangee(int y) {
  std::string texte = ecranCourant().ligne(y);
  texte.erase(texte.find_last_not_of(' ') + 1);
  return texte;
}

int rangeeCurseur() {
  return ecranCourant().curseurY();
}

namespace {

std::vector<std::function<void()>>& redessins() {
  return plateforme::redessinsCourants();
}

// A fresh screen, colours included: the old layout's coloured cells must not show through. The
// current attribute is the one the code after the key read relies on.
void redessinerTout() {
  const int attribut = ecranCourant().attribut();
  ecranCourant() = plateforme::Ecran{};
  for (const auto& dessiner : redessins()) dessiner();
  textattr(attribut);
}

}  // namespace

Redessin::Redessin(std::function<void()> pDessiner) {
  redessins().push_back(std::move(pDessiner));
}

Redessin::~Redessin() {
  redessins().pop_back();
}

bool consoleCompacte() {
  return peripheriqueCourant().compacte();
}

int lireTouche() {
  for (;;) {
    const int code = peripheriqueCourant().lireCode(ecranCourant());
    if (code != plateforme::CODE_DISPOSITION) return code;
    if (!redessins().empty()) redessinerTout();
  }
}

std::optional<int> lireToucheAvant(std::chrono::milliseconds pDelai) {
  const auto fin = std::chrono::steady_clock::now() + pDelai;
  for (;;) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
        fin - std::chrono::steady_clock::now());
    const auto code = peripheriqueCourant().lireCodeAvant(ecranCourant(), reste);
    if (code != plateforme::CODE_DISPOSITION) return code;
    if (!redessins().empty()) redessinerTout();
  }
}

plateforme::Touche lireToucheEtCaractere() {
  lireTouche();
  return peripheriqueCourant().derniereTouche();
}

int pageDerniereTouche() {
  return peripheriqueCourant().derniereTouche().page;
}

std::optional<plateforme::Clic> clicDerniereTouche() {
  return peripheriqueCourant().derniereTouche().clic;
}

namespace {
std::string lireLigneTapee(bool pEchap) {
  auto ligne = plateforme::lireLigneOuEchap(ecranCourant(), lireToucheEtCaractere, pEchap);
  if (!ligne) throw SaisieAbandonnee{};
  return std::move(*ligne);
}
}  // namespace

std::optional<int> saisirNombre(bool pEchap) {
  for (;;) {
    const auto lecture = plateforme::lireNombreEnTete(lireLigneTapee(pEchap));
    if (!lecture.ligneVide) return lecture.valeur;
  }
}

std::string saisirMot(bool pEchap) {
  for (;;) {
    if (auto mot = plateforme::premierMot(lireLigneTapee(pEchap))) return couperNom(*mot);
  }
}

void terminerProgramme(int pStatut, std::string pMessage) {
  throw plateforme::SortieProgramme{pStatut, std::move(pMessage)};
}
