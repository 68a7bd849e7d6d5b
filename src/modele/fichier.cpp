#include "modele/fichier.hpp"

#include <algorithm>
#include <utility>

#include "modele/structures.hpp"

ContenuFichier lireFichier(const std::string& pNom, std::size_t pMaxOctets) {
  plateforme::LectureFichier lecture = plateforme::lireFichierBorne(pNom, pMaxOctets);
  switch (lecture.etat) {
    case plateforme::EtatFichier::lu:
      return {EtatLecture::lu, std::move(lecture.octets)};
    case plateforme::EtatFichier::illisible:
      return {EtatLecture::erreur, {}};
    case plateforme::EtatFichier::absent:
    case plateforme::EtatFichier::interdit:
      break;
  }
  // A file the player may not read is, to the game, a file it does not have.
  return {};
}

void ajouterEntier(Octets& pTampon, std::int32_t pValeur) {
  const auto valeur = static_cast<std::uint32_t>(pValeur);
  for (int decalage = 0; decalage < 32; decalage += 8) {
    pTampon.push_back(static_cast<std::uint8_t>(valeur >> decalage));
  }
}

void ajouterOctet(Octets& pTampon, std::uint8_t pValeur) {
  pTampon.push_back(pValeur);
}

void ajouterNom(Octets& pTampon, std::string_view pNom) {
  const std::string nom = couperNom(pNom);
  pTampon.insert(pTampon.end(), nom.begin(), nom.end());
  pTampon.insert(pTampon.end(), TAILLE_CHAMP_NOM - nom.size(), 0);
}

std::optional<std::int32_t> LecteurOctets::lireEntier() {
  const auto champ = lireOctets(4);
  if (!champ) return std::nullopt;
  std::uint32_t valeur = 0;
  for (std::size_t i = 0; i < 4; ++i) valeur |= std::uint32_t{(*champ)[i]} << (8 * i);
  return static_cast<std::int32_t>(valeur);
}

std::optional<std::span<const std::uint8_t>> LecteurOctets::lireOctets(std::size_t pTaille) {
  if (octets_.size() - position_ < pTaille) return std::nullopt;
  const auto champ = octets_.subspan(position_, pTaille);
  position_ += pTaille;
  return champ;
}

std::optional<std::string> nomStrict(std::span<const std::uint8_t> pChamp) {
  const auto fin = std::find(pChamp.begin(), pChamp.end(), std::uint8_t{0});
  if (fin == pChamp.end()) return std::nullopt;
  return std::string(pChamp.begin(), fin);
}

std::string nomCoupe(std::span<const std::uint8_t> pChamp) {
  const auto fin = std::find(pChamp.begin(), pChamp.end(), std::uint8_t{0});
  return couperNom(std::string(pChamp.begin(), fin));
}
