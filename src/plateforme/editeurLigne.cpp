#include "plateforme/editeurLigne.hpp"

#include <charconv>

#include "plateforme/utf8.hpp"

namespace plateforme {
namespace {

// The bytes a key adds to the line: a printable ASCII character, or a character of several bytes
// that takes one cell; nothing for any other key.
std::string texteTape(const Touche& pTouche) {
  if (pTouche.code >= 0x20 && pTouche.code < 0x7F)
    return std::string(1, static_cast<char>(pTouche.code));
  if (pTouche.code != CODE_INCONNU || pTouche.caractere.empty()) return {};
  return occupeUneCellule(decoderUtf8(pTouche.caractere).first) ? pTouche.caractere : std::string{};
}

// Takes the last character, all its bytes, off the line.
void retirerDernierCaractere(std::string& pLigne) {
  while (!pLigne.empty() && estSuiteUtf8(static_cast<unsigned char>(pLigne.back()))) {
    pLigne.pop_back();
  }
  if (!pLigne.empty()) pLigne.pop_back();
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

std::string lireLigne(Ecran& pEcran, const std::function<Touche()>& pLireTouche) {
  return *lireLigneOuEchap(pEcran, pLireTouche, false);
}

std::optional<std::string> lireLigneOuEchap(Ecran& pEcran,
                                            const std::function<Touche()>& pLireTouche,
                                            bool pEchap) {
  std::string ligne;
  pEcran.montrerCurseur(true);
  for (;;) {
    Touche touche;
    try {
      touche = pLireTouche();
    } catch (...) {
      pEcran.montrerCurseur(false);
      throw;
    }
    if (touche.code == CODE_ENTREE) break;
    if (pEchap && touche.code == CODE_ECHAP) {
      pEcran.montrerCurseur(false);
      return std::nullopt;
    }
    if (touche.code == CODE_PREFIXE) {  // an arrow: its second code is a letter, not typed text
      pLireTouche();
      continue;
    }
    const std::string tape = texteTape(touche);
    if (estEffacement(touche.code) && !ligne.empty()) {
      retirerDernierCaractere(ligne);
      reculer(pEcran);
      const int x = pEcran.curseurX();
      const int y = pEcran.curseurY();
      pEcran.ecrire(" ");
      pEcran.placerCurseur(x, y);
    } else if (!tape.empty() && ligne.size() + tape.size() <= LONGUEUR_LIGNE_MAX) {
      ligne += tape;
      pEcran.ecrire(tape);
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
