#include "mesures.hpp"

#include "plateforme/rendu.hpp"

Trames mesurerTrames(const std::vector<plateforme::Ecran>& pVues) {
  Trames trames;
  plateforme::Rendu rendu;
  for (const auto& vue : pVues) {
    trames.octets.push_back(rendu.trame(vue).size());
    trames.naifs.push_back(plateforme::trameNaive(vue).size());
  }
  return trames;
}
