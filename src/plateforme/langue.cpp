#include "plateforme/langue.hpp"

#include <libintl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace plateforme {

namespace {

constexpr const char* DOMAINE = "korvane";

// The folder of the running binary, empty when the system does not say.
std::filesystem::path dossierDuBinaire() {
  std::error_code erreur;
  const std::filesystem::path binaire = std::filesystem::read_symlink("/proc/self/exe", erreur);
  return erreur ? std::filesystem::path() : binaire.parent_path();
}

bool catalogueLisible(std::string_view pLangue, const std::string& pDossier) {
  const std::string chemin =
      pDossier + "/" + std::string(pLangue) + "/LC_MESSAGES/" + DOMAINE + ".mo";
  return ::access(chemin.c_str(), R_OK) == 0;
}

}  // namespace

std::string dossierCatalogues() {
  const std::filesystem::path ici = dossierDuBinaire();
  // Installed: libexec/korvane/korvane beside share/locale; built: build/korvane beside
  // build/locale.
  const std::filesystem::path installe = ici / ".." / ".." / "share" / "locale";
  std::error_code erreur;
  if (std::filesystem::is_directory(ici / "locale", erreur)) return (ici / "locale").string();
  return installe.lexically_normal().string();
}

bool choisirLangue(std::string_view pLangue, const std::string& pDossier) {
  if (pLangue.empty()) {
    // The "C" locale: gettext gives the ids back, whatever LANGUAGE says.
    std::setlocale(LC_MESSAGES, "C");
    return true;
  }
  if (!catalogueLisible(pLangue, pDossier)) return false;
  // gettext reads LANGUAGE, which names the catalogue whatever the player's locale, except
  // under the plain "C" locale, where it translates nothing. C.UTF-8 is not "C" to it, needs
  // no locale installed beyond the C library, and changes nothing else of the program: only
  // the messages' category is set, never LC_ALL from the environment.
  if (::setenv("LANGUAGE", std::string(pLangue).c_str(), 1) != 0) return false;
  if (std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr) return false;
  if (::bindtextdomain(DOMAINE, pDossier.c_str()) == nullptr) return false;
  // The catalogues are UTF-8, as the screen is; without this the C library would convert to
  // the character set of LC_CTYPE, which stays "C" (ASCII).
  return ::bind_textdomain_codeset(DOMAINE, "UTF-8") != nullptr;
}

const char* traduire(const char* pId) {
  return ::dgettext(DOMAINE, pId);
}

const char* traduirePluriel(const char* pId, const char* pIdPluriel, unsigned long pNombre) {
  return ::dngettext(DOMAINE, pId, pIdPluriel, pNombre);
}

std::string remplir(std::string_view pMessage, std::initializer_list<std::string_view> pValeurs) {
  std::string resultat;
  const std::string_view* valeur = pValeurs.begin();
  for (std::size_t i = 0; i < pMessage.size(); ++i) {
    const bool trou = pMessage[i] == '%' && i + 1 < pMessage.size() &&
                      (pMessage[i + 1] == 'd' || pMessage[i + 1] == 's');
    if (trou && valeur != pValeurs.end()) {
      resultat += *valeur++;
      ++i;
    } else {
      resultat += pMessage[i];
    }
  }
  return resultat;
}

}  // namespace plateforme
