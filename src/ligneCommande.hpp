#pragma once
// The command line and the options file, read before the terminal is touched: a help request
// or a bad option is answered on the standard streams and never leaves a trace on the screen.

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "modele/reglages.hpp"
#include "statuts.hpp"

// aide and version answer at once; verification parses everything, the options file included,
// and ends (status 0 or 2) without touching anything; moderne turns on every row marked for it.
enum class RoleOption { aide, version, verification, reglage, moderne };

// One row per option: getopt, the options file and the usage all read the same table, so adding
// an option is adding a row (and its field in Reglages).
struct DescriptionOption {
  const char* nomLong;
  char nomCourt;         // '\0' when there is none
  const char* argument;  // name of the value in the usage ("NIVEAU"), nullptr when it takes none
  const char* aide;      // one line of the usage
  RoleOption role;
  // Records a setting; false when its value is refused. Only a setting has one.
  bool (*appliquer)(Reglages& pReglages, std::string_view pValeur) = nullptr;
  bool dansModerne = false;  // turned on by --moderne too
};

struct Lancement {
  // Set when the program ends here: 0 after help, version or a check, 2 after a bad option.
  std::optional<int> statutSortie;
  Reglages reglages;
};

std::span<const DescriptionOption> optionsDuJeu();

// ${XDG_CONFIG_HOME:-$HOME/.config}/korvane/options (a relative XDG_CONFIG_HOME is ignored);
// empty when there is no such place.
std::filesystem::path cheminFichierOptions();

void ecrireUsage(std::ostream& pFlux, std::span<const DescriptionOption> pTable);

// The options file first (a missing file holds no option), then the command line on top of it.
// Help and version answer on pSortie without reading the file; errors go to pErreur.
Lancement analyserLancement(const std::vector<std::string_view>& pArguments,
                            const std::filesystem::path& pFichierOptions,
                            std::span<const DescriptionOption> pTable, std::ostream& pSortie,
                            std::ostream& pErreur);

// The entry's call: the game's table and options file.
Lancement analyserLancement(int argc, char* argv[], std::ostream& pSortie, std::ostream& pErreur);
