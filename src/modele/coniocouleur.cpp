#include "modele/coniocouleur.hpp"

#include <utility>

#include "plateforme/console.hpp"
#include "plateforme/editeurLigne.hpp"

using plateforme::ecranCourant;
using plateforme::peripheriqueCourant;

void clrscr() {
  ecranCourant().effacer();
}

void gotoxy(int x, int y) {
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

namespace {
std::string lireLigneTapee() {
  return plateforme::lireLigne(ecranCourant(), lireTouche);
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
    if (auto mot = plateforme::premierMot(lireLigneTapee())) return mot->substr(0, 14);
  }
}

void terminerProgramme(int pStatut, std::string pMessage) {
  throw plateforme::SortieProgramme{pStatut, std::move(pMessage)};
}
