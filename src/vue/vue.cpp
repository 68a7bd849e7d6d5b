#include "vue/vue.hpp"

#include <cstdio>
#include <memory>
#include <optional>

#include "modele/coniocouleur.hpp"

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
