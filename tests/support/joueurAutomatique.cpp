#include "support/joueurAutomatique.hpp"

#include "support/terminalScripte.hpp"
#include "vue/vueGrille.hpp"

namespace {

// The middle character of a cell of the target board.
std::string caseCible(const plateforme::Ecran& pEcran, const Disposition& pDisposition, int pLigne,
                      int pColonne) {
  const Point p = caractereDeCase(pDisposition.grilleCible, pLigne, pColonne);
  return texte(pEcran, p.x, p.y, 1);
}

std::string repeter(std::string_view pTouche, int pFois) {
  std::string resultat;
  for (int i = 0; i < pFois; ++i) resultat += pTouche;
  return resultat;
}

}  // namespace

bool estEcranDeJeu(const plateforme::Ecran& pEcran) {
  return estEcranDeJeuDans(pEcran, DISPOSITION_DECRITE);
}

bool estEcranDeJeuDans(const plateforme::Ecran& pEcran, const Disposition& pDisposition) {
  return ligne(pEcran, pDisposition.touches.y).find("S: Sauvegarder") != std::string::npos &&
         ligne(pEcran, pDisposition.question.y).empty() &&
         ligne(pEcran, pDisposition.finDevoilee.y).empty();
}

std::string JoueurAutomatique::viser(const plateforme::Ecran& pEcran) {
  int ligneCurseur = 1;
  int colonneCurseur = 1;
  for (int l = 1; l <= 10; ++l) {
    for (int c = 1; c <= 10; ++c) {
      if (caseCible(pEcran, *disposition_, l, c) == "O") {
        ligneCurseur = l;
        colonneCurseur = c;
      }
    }
  }
  // The cell under the cursor may or may not have been shot: it comes last.
  int ligneCible = ligneCurseur;
  int colonneCible = colonneCurseur;
  for (int i = 99; i >= 0; --i) {
    const int l = i / 10 + 1;
    const int c = i % 10 + 1;
    if (caseCible(pEcran, *disposition_, l, c) == " ") {
      ligneCible = l;
      colonneCible = c;
    }
  }
  const int dx = colonneCible - colonneCurseur;
  const int dy = ligneCible - ligneCurseur;
  ++tirs_;
  return repeter(dx > 0 ? touches::DROITE : touches::GAUCHE, dx > 0 ? dx : -dx) +
         repeter(dy > 0 ? touches::BAS : touches::HAUT, dy > 0 ? dy : -dy) +
         std::string(touches::ENTREE);
}

std::optional<std::string> JoueurAutomatique::operator()(const plateforme::Ecran& pEcran) {
  if (estEcranDeJeuDans(pEcran, *disposition_)) {
    if (sauver_) {
      sauver_ = false;
      return "s";
    }
    if (quitter_) {
      quitter_ = false;
      return "q" + std::string(touches::HAUT) + std::string(touches::ENTREE);
    }
    return viser(pEcran);
  }
  if (ligne(pEcran, disposition_->question.y).find("Sauvegarde effectuee") != std::string::npos)
    return "x";
  if (apres_.empty()) return std::nullopt;
  std::string suivante = apres_.front();
  apres_.pop_front();
  return suivante;
}
