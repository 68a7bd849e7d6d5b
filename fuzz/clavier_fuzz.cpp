// Throws arbitrary bytes at the key decoder, in pieces with pauses between them, as a terminal
// delivers them. Every code must be one the game's loops know, an arrow's prefix always comes with
// its arrow, a character travels only with code 0 and is one whole character, and nothing is
// left waiting once the escape delay is over or the input has ended.

#include <cstddef>
#include <cstdint>

#include "plateforme/clavier.hpp"
#include "plateforme/utf8.hpp"

#include "morceaux.hpp"

namespace {

using namespace plateforme;

bool estFleche(int pCode) {
  return pCode == CODE_HAUT || pCode == CODE_BAS || pCode == CODE_GAUCHE || pCode == CODE_DROITE;
}

void verifierCaractere(const Touche& pTouche) {
  if (pTouche.caractere.empty()) return;
  exiger(pTouche.code == CODE_INCONNU && pTouche.caractere.size() >= 2);
  const auto [caractere, longueur] = decoderUtf8(pTouche.caractere);
  exiger(caractere != U'?' && longueur == pTouche.caractere.size());
}

// Takes every decoded key; gives how many codes it took.
std::size_t vider(DecodeurTouches& pDecodeur) {
  std::size_t codes = 0;
  while (auto touche = pDecodeur.touche()) {
    ++codes;
    exiger((touche->code >= 0 && touche->code <= 127) || touche->code == CODE_PREFIXE);
    verifierCaractere(*touche);
    // A click is a key of code 0 of its own, only with the mouse on.
    exiger(!touche->clic ||
           (pDecodeur.sourisActive() && touche->code == CODE_INCONNU && touche->caractere.empty()));
    exiger(pDecodeur.derniereTouche().caractere == touche->caractere);
    if (touche->code != CODE_PREFIXE) continue;
    const auto fleche = pDecodeur.touche();
    exiger(fleche && estFleche(fleche->code) && fleche->caractere.empty());
    ++codes;
  }
  return codes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pOctets, std::size_t pTaille) {
  DecodeurTouches decodeur;
  // Half the inputs with the mouse on: its reports then give clicks or nothing.
  decodeur.activerSouris(pTaille > 0 && (pOctets[pTaille - 1] & 1) != 0);
  LecteurMorceaux morceaux(pOctets, pTaille);
  std::size_t octets = 0;
  std::size_t codes = 0;
  while (const auto morceau = morceaux.suivant()) {
    decodeur.alimenter(morceau->octets);
    octets += morceau->octets.size();
    if (morceau->lireApres) codes += vider(decodeur);
    if (morceau->pause.count() > 0) {
      decodeur.attendre(morceau->pause);
      // The reader waits at most the escape delay for the rest of a sequence.
      // (A mouse report cut in two waits for its end instead.)
      if (morceau->pause >= DELAI_ECHAP) {
        exiger(!decodeur.sequenceEnCours() || decodeur.sourisActive());
      }
    }
    exiger(codes <= octets);
  }
  decodeur.finEntree();
  exiger(!decodeur.sequenceEnCours());
  codes += vider(decodeur);
  exiger(codes <= octets);
  return 0;
}
