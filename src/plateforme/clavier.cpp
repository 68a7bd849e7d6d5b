#include "plateforme/clavier.hpp"

#include <algorithm>

#include "plateforme/utf8.hpp"

namespace plateforme {
namespace {

constexpr unsigned char ECHAP = 0x1B;

int codeFleche(unsigned char pFinale) {
  switch (pFinale) {
    case 'A':
      return CODE_HAUT;
    case 'B':
      return CODE_BAS;
    case 'C':
      return CODE_DROITE;
    case 'D':
      return CODE_GAUCHE;
    default:
      return -1;
  }
}

}  // namespace

int flecheVi(int pCode) {
  switch (pCode) {
    case 'h':
      return CODE_GAUCHE;
    case 'j':
      return CODE_BAS;
    case 'k':
      return CODE_HAUT;
    case 'l':
      return CODE_DROITE;
    default:
      return -1;
  }
}

void DecodeurTouches::alimenter(std::string_view pOctets) {
  for (char c : pOctets) octets_.push_back(static_cast<unsigned char>(c));
  if (!pOctets.empty()) attente_ = std::chrono::milliseconds{0};
  analyser();
}

void DecodeurTouches::attendre(std::chrono::milliseconds pDuree) {
  attente_ += pDuree;
  if (attente_ > std::chrono::milliseconds{0}) sauterLF_ = false;
  analyser();
}

void DecodeurTouches::finEntree() {
  fin_ = true;
  analyser();
}

void DecodeurTouches::emettre(int pCode) {
  codes_.push_back({pCode, {}, std::nullopt});
}

std::optional<int> DecodeurTouches::code() {
  if (auto t = touche()) return t->code;
  return std::nullopt;
}

std::optional<Touche> DecodeurTouches::touche() {
  if (codes_.empty()) return std::nullopt;
  Touche t = std::move(codes_.front());
  codes_.pop_front();
  derniere_ = t;
  return t;
}

void DecodeurTouches::analyser() {
  while (!octets_.empty()) {
    const unsigned char octet = octets_.front();
    if (octet == '\n' && sauterLF_) {
      octets_.pop_front();
      sauterLF_ = false;
      continue;
    }
    sauterLF_ = false;
    if (octet == ECHAP) {
      if (!analyserEchappement()) return;
    } else if (octet >= 0x80) {
      if (!analyserMultiOctet()) return;
    } else {
      octets_.pop_front();
      if (octet == '\r') {
        emettre(CODE_ENTREE);
        sauterLF_ = true;
      } else if (octet == '\n') {
        emettre(CODE_ENTREE);
      } else {
        emettre(octet);
      }
    }
  }
}

// Decodes the escape sequence at the front. Returns false when it is not complete yet and more
// bytes may still come.
bool DecodeurTouches::analyserEchappement() {
  const bool delaiEcoule = fin_ || attente_ >= DELAI_ECHAP;
  if (octets_.size() == 1) {
    if (!delaiEcoule) return false;
    octets_.pop_front();
    emettre(CODE_ECHAP);
    return true;
  }
  const unsigned char introducteur = octets_[1];
  if (introducteur == ECHAP) {  // ESC ESC: the first one stood alone
    octets_.pop_front();
    emettre(CODE_ECHAP);
    return true;
  }
  std::size_t i = 2;
  if (introducteur == '[') {
    // CSI: parameter bytes, intermediate bytes, then one final byte.
    while (i < octets_.size() && octets_[i] >= 0x20 && octets_[i] <= 0x3F) ++i;
  } else if (introducteur != 'O') {
    // ESC and one more byte (Alt and a key): one sequence with no meaning here.
    octets_.erase(octets_.begin(), octets_.begin() + 2);
    emettre(CODE_INCONNU);
    return true;
  }
  // A mouse report cut by a slow link waits for its end: given up at the delay, its tail would
  // arrive as keys (its final M is the code of Right).
  const bool rapportSouris =
      souris_ && introducteur == '[' && octets_.size() > 2 && octets_[2] == '<';
  if (i >= octets_.size()) {
    if (!delaiEcoule || (rapportSouris && !fin_)) return false;
    octets_.erase(octets_.begin(), octets_.begin() + static_cast<long>(i));
    emettre(CODE_INCONNU);
    return true;
  }
  if (souris_ && introducteur == '[' && analyserSouris(i + 1)) return true;
  const int fleche = codeFleche(octets_[i]);
  // CSI 5 ~ and CSI 6 ~: Page Up and Page Down, code 0 like any other key without a code.
  const bool page = introducteur == '[' && i == 3 && octets_[i] == '~' &&
                    (octets_[2] == '5' || octets_[2] == '6');
  const int sens = page ? (octets_[2] == '5' ? -1 : 1) : 0;
  octets_.erase(octets_.begin(), octets_.begin() + static_cast<long>(i) + 1);
  if (fleche < 0) {
    codes_.push_back({CODE_INCONNU, {}, std::nullopt, sens});
  } else {
    emettre(CODE_PREFIXE);
    emettre(fleche);
  }
  return true;
}

bool DecodeurTouches::analyserSouris(std::size_t pLongueur) {
  if (octets_[2] != '<') return false;
  const char fin = static_cast<char>(octets_[pLongueur - 1]);
  if (fin != 'M' && fin != 'm') return false;
  int valeurs[3] = {0, 0, 0};
  std::size_t n = 0;
  for (std::size_t i = 3; i + 1 < pLongueur; ++i) {
    const unsigned char c = octets_[i];
    if (c == ';') {
      if (++n > 2) return false;
    } else if (c >= '0' && c <= '9') {
      valeurs[n] = std::min(valeurs[n] * 10 + (c - '0'), 100000);
    } else {
      return false;
    }
  }
  octets_.erase(octets_.begin(), octets_.begin() + static_cast<long>(pLongueur));
  const int bouton = valeurs[0];
  // Bits 5 and 6 mark motion and the wheel; the low two bits name the button, 3 none.
  const bool appui = fin == 'M' && (bouton & (32 | 64 | 128)) == 0;
  if (n != 2 || !appui || ((bouton & 3) != 0 && (bouton & 3) != 2)) return true;
  codes_.push_back({CODE_INCONNU,
                    {},
                    Clic{(bouton & 3) == 0 ? Clic::gauche : Clic::droit, valeurs[1], valeurs[2]}});
  return true;
}

// A UTF-8 character of several bytes gives one code 0, with the character kept beside it when it
// is a valid one; a stray byte gives 0 too.
bool DecodeurTouches::analyserMultiOctet() {
  const auto longueur =
      static_cast<std::size_t>(std::max(1, longueurSequenceUtf8(octets_.front())));
  std::size_t i = 1;
  while (i < longueur && i < octets_.size() && estSuiteUtf8(octets_[i])) ++i;
  if (i < longueur && i == octets_.size() && !fin_ && attente_ < DELAI_ECHAP) return false;
  std::string sequence(octets_.begin(), octets_.begin() + static_cast<long>(i));
  octets_.erase(octets_.begin(), octets_.begin() + static_cast<long>(i));
  const bool valide = i == longueur && longueur > 1 && decoderUtf8(sequence).first != U'?';
  codes_.push_back({CODE_INCONNU, valide ? std::move(sequence) : std::string{}, std::nullopt});
  return true;
}

}  // namespace plateforme
