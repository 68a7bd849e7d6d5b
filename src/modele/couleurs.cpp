#include "modele/couleurs.hpp"

const std::array<Couleur, 16> tableCouleurs = {{
    {"NOIR", BLACK},
    {"BLEU", BLUE},
    {"VERT", GREEN},
    {"CYAN", CYAN},
    {"ROUGE", RED},
    {"VIOLET", MAGENTA},
    {"MARRON", BROWN},
    {"LIGHTGRAY", LIGHTGRAY},
    {"DARKGRAY", DARKGRAY},
    {"LIGHTBLUE", LIGHTBLUE},
    {"LIGHTGREEN", LIGHTGREEN},
    {"LIGHTCYAN", LIGHTCYAN},
    {"LIGHTRED", LIGHTRED},
    {"LIGHTMAGENTA", LIGHTMAGENTA},
    {"JAUNE", YELLOW},
    {"BLANC", WHITE},
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
