#include "modele/ordinateur.hpp"

#include <array>
#include <utility>

#include "modele/carteTirs.hpp"
#include "modele/chasseur.hpp"
#include "modele/expert.hpp"
#include "modele/random.hpp"

namespace {

constexpr std::array<std::pair<NiveauOrdinateur, std::string_view>, 3> NOMS{{
    {NiveauOrdinateur::hasard, "hasard"},
    {NiveauOrdinateur::chasseur, "chasseur"},
    {NiveauOrdinateur::expert, "expert"},
}};

}  // namespace

std::string_view nomNiveau(NiveauOrdinateur pNiveau) {
  for (const auto& [niveau, nom] : NOMS) {
    if (niveau == pNiveau) return nom;
  }
  return {};
}

std::optional<NiveauOrdinateur> niveauDeNom(std::string_view pNom) {
  for (const auto& [niveau, nom] : NOMS) {
    if (nom == pNom) return niveau;
  }
  return std::nullopt;
}

int choisirTir(NiveauOrdinateur pNiveau, const TPile& pTirs, std::span<const TInfoBateau> pFlotte) {
  if (pNiveau == NiveauOrdinateur::hasard) {
    const int colonne = nombreAleatoire(1, TAILLE_GRILLE);
    const int ligne = nombreAleatoire(1, TAILLE_GRILLE);
    return codeCase(ligne, colonne);
  }
  const CarteTirs carte(pTirs.plateau);
  const std::vector<int> longueurs = longueursAFlot(pFlotte);
  const int code = pNiveau == NiveauOrdinateur::chasseur ? choisirChasseur(carte, longueurs)
                                                         : choisirExpert(carte, longueurs);
  // Every cell shot: the game is over before this can be asked; the first cell is refused.
  return code < 0 ? codeCase(1, 1) : code;
}
