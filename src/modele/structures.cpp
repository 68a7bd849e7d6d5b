#include "modele/structures.hpp"

std::string couperNom(std::string_view pNom) {
  return std::string(pNom.substr(0, TAILLE_NOM));
}

TPile::~TPile() {
  // Detach each cell from the one below before it dies, so no destructor sees a long chain.
  while (debut) debut = std::move(debut->lien);
}
