#include "support/shell.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

std::string sortieDe(const std::string& pCommande) {
  struct Fermeture {
    void operator()(std::FILE* f) const { pclose(f); }
  };
  std::unique_ptr<std::FILE, Fermeture> tube(popen(pCommande.c_str(), "r"));
  std::string sortie;
  std::array<char, 4096> tampon{};
  std::size_t lus = 0;
  while (tube && (lus = std::fread(tampon.data(), 1, tampon.size(), tube.get())) > 0) {
    sortie.append(tampon.data(), lus);
  }
  return sortie;
}

bool disponible(const std::string& pProgramme) {
  return std::system(("command -v " + pProgramme + " >/dev/null 2>&1").c_str()) == 0;
}

std::string guillemets(const std::string& pTexte) {
  std::string resultat = "'";
  for (char c : pTexte) resultat += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return resultat + "'";
}

std::string lireFichier(const std::filesystem::path& pChemin) {
  std::ifstream f(pChemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
