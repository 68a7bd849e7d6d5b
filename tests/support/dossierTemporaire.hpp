#pragma once
// A fresh folder made the working directory for the life of the object, then removed: the game
// reads and writes its files in the working directory.

#include <filesystem>
#include <string>
#include <string_view>

class DossierTemporaire {
 public:
  DossierTemporaire();
  ~DossierTemporaire();
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;

  const std::filesystem::path& chemin() const { return chemin_; }
  // Writes a file of these bytes in the folder.
  void ecrireFichier(const std::string& pNom, std::string_view pOctets) const;
  // The bytes of a file of the folder; empty when it does not exist.
  std::string lireFichier(const std::string& pNom) const;
  bool existe(const std::string& pNom) const;
  // What the game finds in its data folder: the two texts and an empty best-scores table.
  void preparerDonneesDuJeu() const;

 private:
  std::filesystem::path precedent_;
  std::filesystem::path chemin_;
};
