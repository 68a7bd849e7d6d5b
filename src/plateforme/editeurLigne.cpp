#include "plateforme/editeurLigne.hpp"

#include <charconv>

#include "plateforme/clavier.hpp"

namespace plateforme {
namespace {

bool estImprimable(int pCode) {
  return pCode >= 0x20 && pCode < 0x7F;
}
bool estEffacement(int pCode) {
  return pCode == 8 || pCode == 127;
}

void reculer(Ecran& pEcran) {
  if (pEcran.enAttenteDeRetour()) {
    pEcran.placerCurseur(LARGEUR, pEcran.curseurY());
  } else if (pEcran.curseurX() > 1) {
    pEcran.placerCurseur(pEcran.curseurX() - 1, pEcran.curseurY());
  } else if (pEcran.curseurY() > 1) {
    pEcran.placerCurseur(LARGEUR, pEcran.curseurY() - 1);
  }
}

std::string_view sansBlancsEnTete(std::string_view pLigne) {
  const auto debut = pLigne.find_first_not_of(' ');
  return debut == std::string_view::npos ? std::string_view{} : pLigne.substr(debut);
}

}  // namespace

std::string lireLigne(Ecran& pEcran, const std::function<int()>& pLireCode) {
  std::string ligne;
  pEcran.montrerCurseur(true);
  for (;;) {
    int code = 0;
    try {
      code = pLireCode();
    } catch (...) {
      pEcran.montrerCurseur(false);
      throw;
    }
    if (code == 13) break;
    if (code == CODE_PREFIXE) {  // an arrow: its second code is a letter, not typed text
      pLireCode();
      continue;
    }
    if (estEffacement(code) && !ligne.empty()) {
      ligne.pop_back();
      reculer(pEcran);
      const int x = pEcran.curseurX();
      const int y = pEcran.curseurY();
      pEcran.ecrire(" ");
      pEcran.placerCurseur(x, y);
    } else if (estImprimable(code) && ligne.size() < LONGUEUR_LIGNE_MAX) {
      const char c = static_cast<char>(code);
      ligne.push_back(c);
      pEcran.ecrire(std::string_view(&c, 1));
    }
  }
  pEcran.montrerCurseur(false);
  pEcran.ecrire("\n");
  return ligne;
}

std::optional<std::string> premierMot(std::string_view pLigne) {
  const auto reste = sansBlancsEnTete(pLigne);
  if (reste.empty()) return std::nullopt;
  return std::string(reste.substr(0, reste.find(' ')));
}

LectureNombre lireNombreEnTete(std::string_view pLigne) {
  auto reste = sansBlancsEnTete(pLigne);
  if (reste.empty()) return {true, std::nullopt};
  // from_chars takes no '+', which scanf does.
  if (reste.front() == '+' && reste.size() > 1 && reste[1] != '-') reste.remove_prefix(1);
  int valeur = 0;
  const auto [fin, erreur] = std::from_chars(reste.data(), reste.data() + reste.size(), valeur);
  if (erreur != std::errc{} || fin == reste.data()) return {false, std::nullopt};
  return {false, valeur};
}

}  // namespace plateforme
