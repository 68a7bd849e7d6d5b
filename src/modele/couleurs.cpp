#include "modele/couleurs.hpp"

const std::array<Couleur, 16> tableCouleurs = {{
    {aTraduire("NOIR"), BLACK},
    {aTraduire("BLEU"), BLUE},
    {aTraduire("VERT"), GREEN},
    {aTraduire("CYAN"), CYAN},
    {aTraduire("ROUGE"), RED},
    {aTraduire("VIOLET"), MAGENTA},
    {aTraduire("MARRON"), BROWN},
    {aTraduire("LIGHTGRAY"), LIGHTGRAY},
    {aTraduire("DARKGRAY"), DARKGRAY},
    {aTraduire("LIGHTBLUE"), LIGHTBLUE},
    {aTraduire("LIGHTGREEN"), LIGHTGREEN},
    {aTraduire("LIGHTCYAN"), LIGHTCYAN},
    {aTraduire("LIGHTRED"), LIGHTRED},
    {aTraduire("LIGHTMAGENTA"), LIGHTMAGENTA},
    {aTraduire("JAUNE"), YELLOW},
    {aTraduire("BLANC"), WHITE},
}};

Couleur getCouleurFromNum(int pI) {
  return tableCouleurs.at(static_cast<std::size_t>(pI));
}

COLORS getColor(Couleur pCouleur) {
  return pCouleur.num;
}

std::string getNom(Couleur pCouleur) {
  return pCouleur.nom;
}

std::string nomCouleur(int pI) {
  return tr(getCouleurFromNum(pI).nom);
}
