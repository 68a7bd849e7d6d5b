#include "modele/coniocouleur.hpp"

#include <utility>

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

int lireTouche() {
  return peripheriqueCourant().lireCode(ecranCourant());
}

plateforme::Touche lireToucheEtCaractere() {
  lireTouche();
  return peripheriqueCourant().derniereTouche();
}

std::optional<plateforme::Clic> clicDerniereTouche() {
  return peripheriqueCourant().derniereTouche().clic;
}

namespace {
std::string lireLigneTapee() {
  return plateforme::lireLigne(ecranCourant(), lireToucheEtCaractere);
}
}  // namespace

std::optional<int> saisirNombre() {
  for (;;) {
    const auto lecture = plateforme::lireNombreEnTete(lireLigneTapee());
    if (!lecture.ligneVide) return lecture.valeur;
  }
}

std::string saisirMot() {
  for (;;) {
    if (auto mot = plateforme::premierMot(lireLigneTapee())) return couperNom(*mot);
  }
}

void terminerProgramme(int pStatut, std::string pMessage) {
  throw plateforme::SortieProgramme{pStatut, std::move(pMessage)};
}
