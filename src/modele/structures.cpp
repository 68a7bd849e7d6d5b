#include "modele/structures.hpp"

#include "plateforme/utf8.hpp"

std::string couperNom(std::string_view pNom) {
  return std::string(pNom.substr(0, plateforme::coupureUtf8(pNom, TAILLE_NOM)));
}

TPile::~TPile() {
  // Detach each cell from the one below before it dies, so no destructor sees a long chain.
  while (debut) debut = std::move(debut->lien);
}
