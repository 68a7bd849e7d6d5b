#include "support/dossierTemporaire.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

DossierTemporaire::DossierTemporaire() : precedent_(fs::current_path()) {
  std::string modele = (fs::temp_directory_path() / "korvane-test-XXXXXX").string();
  if (mkdtemp(modele.data()) == nullptr) throw std::runtime_error("mkdtemp");
  chemin_ = modele;
  fs::current_path(chemin_);
}

DossierTemporaire::~DossierTemporaire() {
  std::error_code ignore;
  fs::current_path(precedent_, ignore);
  // A test may have taken the write permission away to make writes fail.
  fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ignore);
  fs::remove_all(chemin_, ignore);
}

void DossierTemporaire::ecrireFichier(const std::string& pNom, std::string_view pOctets) const {
  std::ofstream fichier(chemin_ / pNom, std::ios::binary | std::ios::trunc);
  fichier.write(pOctets.data(), static_cast<std::streamsize>(pOctets.size()));
}

std::string DossierTemporaire::lireFichier(const std::string& pNom) const {
  std::ifstream fichier(chemin_ / pNom, std::ios::binary);
  return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

bool DossierTemporaire::existe(const std::string& pNom) const {
  return fs::exists(chemin_ / pNom);
}

void DossierTemporaire::preparerDonneesDuJeu() const {
  for (const char* nom : {"regles.txt", "startScreen.txt"}) {
    fs::copy_file(fs::path(KORVANE_DONNEES) / nom, chemin_ / nom);
  }
  ecrireFichier("meilleurs.dat", "");
}
