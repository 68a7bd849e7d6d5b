// Throws arbitrary keys at the line editor and at the word and number prompts built on it, through
// a device that gives the decoded keys of the input then reports its end. A line never holds more
// than its limit nor anything but whole one-cell characters, a word is a whole name of at most 14
// bytes, every prompt ends, and the text cursor is hidden again whichever way it ends.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "modele/coniocouleur.hpp"
#include "modele/structures.hpp"
#include "plateforme/clavier.hpp"
#include "plateforme/console.hpp"
#include "plateforme/editeurLigne.hpp"
#include "plateforme/utf8.hpp"

#include "morceaux.hpp"

namespace {

using namespace plateforme;

class ClavierFuzz final : public Peripherique {
 public:
  ClavierFuzz(const std::uint8_t* pOctets, std::size_t pTaille) : morceaux_(pOctets, pTaille) {}

  int lireCode(const Ecran&) override {
    // Once the end was reported, a prompt that reads on would wait forever on a real terminal.
    exiger(!finSignalee_);
    for (;;) {
      if (auto touche = decodeur_.touche()) return touche->code;
      const auto morceau = morceaux_.suivant();
      if (!morceau) {
        decodeur_.finEntree();
        if (auto touche = decodeur_.touche()) return touche->code;
        finSignalee_ = true;
        throw FinEntree{};
      }
      decodeur_.alimenter(morceau->octets);
      if (morceau->pause.count() > 0) decodeur_.attendre(morceau->pause);
    }
  }
  plateforme::Touche derniereTouche() const override { return decodeur_.derniereTouche(); }
  void presenter(const Ecran&) override {}

 private:
  LecteurMorceaux morceaux_;
  DecodeurTouches decodeur_;
  bool finSignalee_ = false;
};

// True when the text is whole valid characters, each one cell wide (a literal '?' is one).
bool caracteresEntiers(std::string_view pTexte) {
  while (!pTexte.empty()) {
    const auto [caractere, longueur] = decoderUtf8(pTexte);
    if ((caractere == U'?' && pTexte.front() != '?') || !occupeUneCellule(caractere)) return false;
    pTexte.remove_prefix(longueur);
  }
  return true;
}

void verifierLigne(const std::string& pLigne) {
  exiger(pLigne.size() <= LONGUEUR_LIGNE_MAX && caracteresEntiers(pLigne));
}

void verifierMot(const std::string& pMot) {
  exiger(!pMot.empty() && pMot.size() <= TAILLE_NOM && pMot.find(' ') == std::string::npos);
  exiger(caracteresEntiers(pMot));
}

}  // namespace

// The first byte picks what is read: raw lines, words or numbers, until the input ends.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t pTaille) {
  if (pTaille == 0) return 0;
  const int mode = pOctets[0] % 3;
  ClavierFuzz clavier(pOctets + 1, pTaille - 1);
  const SessionConsole session(clavier);
  try {
    for (;;) {
      if (mode == 0) {
        verifierLigne(lireLigne(ecranCourant(), lireToucheEtCaractere));
      } else if (mode == 1) {
        verifierMot(saisirMot());
      } else {
        saisirNombre();
      }
      exiger(!ecranCourant().curseurVisible());
    }
  } catch (const FinEntree&) {
    exiger(!ecranCourant().curseurVisible());
  }
  return 0;
}
