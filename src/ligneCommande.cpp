#include "ligneCommande.hpp"

#include <getopt.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "plateforme/fichiers.hpp"
#include "statuts.hpp"

#ifndef KORVANE_VERSION
#error "KORVANE_VERSION comes from the build (the project's version)"
#endif

namespace {

constexpr std::string_view NOM = "korvane";
// An options file is a few lines; anything larger is not one.
constexpr std::size_t TAILLE_MAX_FICHIER = 64 * 1024;
// getopt's value for a long option without a short name: its row, past every character.
constexpr int PREMIER_CODE_LONG = 256;

bool niveau(Reglages& pReglages, std::string_view pValeur) {
  const auto lu = niveauDeNom(pValeur);
  if (lu) pReglages.niveau = *lu;
  return lu.has_value();
}

// A language code as gettext names its catalogues: "en", "fr", "pt_BR". Any such code is taken
// here; whether its catalogue exists is known only where the game runs.
bool langue(Reglages& pReglages, std::string_view pValeur) {
  const auto minuscules = [](std::string_view pMot) {
    return std::ranges::all_of(pMot, [](char c) { return c >= 'a' && c <= 'z'; });
  };
  const auto majuscules = [](std::string_view pMot) {
    return std::ranges::all_of(pMot, [](char c) { return c >= 'A' && c <= 'Z'; });
  };
  const std::string_view code = pValeur.substr(0, pValeur.find('_'));
  const std::string_view region =
      code.size() < pValeur.size() ? pValeur.substr(code.size() + 1) : "XX";
  if (code.size() < 2 || code.size() > 3 || !minuscules(code)) return false;
  if (region.size() != 2 || !majuscules(region)) return false;
  pReglages.langue.fill('\0');
  std::ranges::copy(pValeur, pReglages.langue.begin());
  return true;
}

// An on/off setting: the row names the field it turns on.
template <bool Reglages::*Champ>
bool activer(Reglages& pReglages, std::string_view) {
  pReglages.*Champ = true;
  return true;
}

constexpr auto OPTIONS = std::to_array<DescriptionOption>({
    {"help", 'h', nullptr, "print this help and exit", RoleOption::aide},
    {"version", 'V', nullptr, "print the version and exit", RoleOption::version},
    {"verifier-options", '\0', nullptr, "check the options and the options file, then exit",
     RoleOption::verification},
    {"marques", '\0', nullptr, "marks readable without colour: . X #, ship initials",
     RoleOption::reglage, activer<&Reglages::marques>, true},
    {"souris", '\0', nullptr, "use the mouse to fire, choose, place and turn ships",
     RoleOption::reglage, activer<&Reglages::souris>, true},
    {"devoiler", '\0', nullptr, "show the computer's fleet when a game ends", RoleOption::reglage,
     activer<&Reglages::devoiler>, true},
    {"garder-curseur", '\0', nullptr, "keep the aiming cursor on the last cell fired at",
     RoleOption::reglage, activer<&Reglages::garderCurseur>, true},
    {"vi", '\0', nullptr, "h, j, k, l as Left, Down, Up, Right (not in typed answers)",
     RoleOption::reglage, activer<&Reglages::vi>, true},
    {"aide-jeu", '\0', nullptr, "fleets' status, said results and refusals, Escape in settings",
     RoleOption::reglage, activer<&Reglages::aideJeu>, true},
    {"compact", '\0', nullptr, "the 80 x 24 layout at any size (the one used below 110 x 45)",
     RoleOption::reglage, activer<&Reglages::compact>},
    {"moderne", '\0', nullptr, "all of", RoleOption::moderne},
    {"ordinateur", '\0', "NIVEAU", "computer level: hasard (default), chasseur, expert",
     RoleOption::reglage, niveau},
    {"langue", '\0', "LANGUE",
     "language of the screens: en or fr (default: French without accents)", RoleOption::reglage,
     langue},
});

// A row that --moderne turns on must be a setting that can be turned on.
static_assert(std::ranges::all_of(OPTIONS, [](const DescriptionOption& pOption) {
  return !pOption.dansModerne || (pOption.role == RoleOption::reglage && pOption.appliquer);
}));

constexpr std::string_view SUITE_USAGE = R"(
Options may also stand one a line in ${XDG_CONFIG_HOME:-$HOME/.config}/korvane/options
(with or without their --; blank lines and # comments allowed); that file is read first,
the command line adds to it.

Files, in the working directory (the installed command runs the game in
${XDG_DATA_HOME:-$HOME/.local/share}/korvane and prepares them there):
  startScreen.txt     the start screen
  regles.txt          the rules
  save.dat            the saved game
  meilleurs.dat       the best scores; must exist, even empty, for wins to be recorded

Exit status:
)";
constexpr std::size_t COLONNE_STATUT = 8;

// An option met on the command line or in the file, with its value.
struct Rencontre {
  const DescriptionOption* option;
  std::string valeur;
};

struct Passe {
  std::vector<Rencontre> rencontres;
  std::string erreur;  // empty when the arguments are all understood
};

int codeGetopt(const DescriptionOption& pOption, std::size_t pRang) {
  return pOption.nomCourt != '\0' ? pOption.nomCourt : PREMIER_CODE_LONG + static_cast<int>(pRang);
}

void reinitialiserGetopt() {
#if defined(__APPLE__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__)
  optreset = 1;
  optind = 1;
#else
  optind = 0;  // glibc: a full reset, as if no parse had happened
#endif
  opterr = 0;  // the messages are ours
}

// Names the argument getopt refused: a long option as written, a short one by its letter. A long
// option leaves optopt at 0 or at its own code; an unknown letter leaves that letter.
std::string argumentRefuse(int pCode, const std::vector<char*>& pArgv, int pArgc,
                           const std::string& pCourtes) {
  const int rang = optind - 1;
  const std::string_view mot =
      rang >= 1 && rang < pArgc ? pArgv[static_cast<std::size_t>(rang)] : "";
  const bool connu = optopt == 0 || optopt >= PREMIER_CODE_LONG ||
                     pCourtes.find(static_cast<char>(optopt)) != std::string::npos;
  const bool long_ = mot.starts_with("--") && connu;
  const std::string nom = long_ ? std::string(mot) : std::string("-") + static_cast<char>(optopt);
  if (pCode == ':') return "option '" + nom + "' needs a value";
  return "invalid option '" + nom + "'";
}

// One getopt pass over the arguments (the first being the program's name).
Passe lireArguments(const std::vector<std::string_view>& pArguments,
                    std::span<const DescriptionOption> pTable) {
  std::vector<std::string> copies(pArguments.begin(), pArguments.end());
  std::vector<char*> argv;
  argv.reserve(copies.size() + 1);
  for (std::string& copie : copies) argv.push_back(copie.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(copies.size());

  // '+': stop at the first word that is not an option, so that it is reported, not reordered;
  // ':': tell a missing value from an unknown option.
  std::string courtes = "+:";
  std::vector<option> longues;
  for (std::size_t i = 0; i < pTable.size(); ++i) {
    const DescriptionOption& o = pTable[i];
    if (o.nomCourt != '\0') courtes += std::string(1, o.nomCourt) + (o.argument ? ":" : "");
    longues.push_back(
        {o.nomLong, o.argument ? required_argument : no_argument, nullptr, codeGetopt(o, i)});
  }
  longues.push_back({nullptr, 0, nullptr, 0});

  Passe passe;
  reinitialiserGetopt();
  int code = 0;
  while ((code = getopt_long(argc, argv.data(), courtes.c_str(), longues.data(), nullptr)) != -1) {
    if (code == '?' || code == ':') {
      passe.erreur = argumentRefuse(code, argv, argc, courtes.substr(2));
      return passe;
    }
    for (std::size_t i = 0; i < pTable.size(); ++i) {
      if (codeGetopt(pTable[i], i) == code) {
        passe.rencontres.push_back({&pTable[i], optarg ? optarg : ""});
      }
    }
  }
  if (optind < argc) {
    passe.erreur = "unexpected argument '" + copies[static_cast<std::size_t>(optind)] + "'";
  }
  return passe;
}

// Records what a setting (or --moderne, every setting marked for it) asks; false when the value is
// refused or the option is no setting.
bool appliquer(const DescriptionOption& pOption, std::string_view pValeur,
               std::span<const DescriptionOption> pTable, Reglages& pReglages) {
  if (pOption.role == RoleOption::reglage) return pOption.appliquer(pReglages, pValeur);
  if (pOption.role != RoleOption::moderne) return false;
  for (const DescriptionOption& o : pTable) {
    if (o.dansModerne && !o.appliquer(pReglages, {})) return false;
  }
  return true;
}

// The usage's line for an option: --moderne names the options it turns on.
std::string aideDe(const DescriptionOption& pOption, std::span<const DescriptionOption> pTable) {
  std::string aide = pOption.aide;
  if (pOption.role != RoleOption::moderne) return aide;
  const char* separateur = ": ";
  for (const DescriptionOption& o : pTable) {
    if (!o.dansModerne) continue;
    aide += std::string(separateur) + o.nomLong;
    separateur = ", ";
  }
  return aide;
}

std::string_view sansBlancs(std::string_view pLigne) {
  constexpr std::string_view BLANCS = " \t\r";
  const auto debut = pLigne.find_first_not_of(BLANCS);
  if (debut == std::string_view::npos) return {};
  return pLigne.substr(debut, pLigne.find_last_not_of(BLANCS) - debut + 1);
}

// A line of the file as it may be shown on a terminal: every byte but printable ASCII escaped
// (\t, \x1b), so that no sequence in the file reaches the terminal, and a long line cut.
std::string lisible(std::string_view pLigne) {
  constexpr std::size_t LONGUEUR_MAX = 80;
  constexpr std::string_view SUITE = "...";
  constexpr std::string_view HEXA = "0123456789abcdef";
  std::string texte;
  std::size_t coupe = 0;  // where a cut goes: after the last whole escape that leaves room
  for (const char c : pLigne) {
    const auto octet = static_cast<unsigned char>(c);
    if (c == '\t') {
      texte += "\\t";
    } else if (octet < 0x20 || octet >= 0x7f) {
      texte += std::string("\\x") + HEXA[octet >> 4] + HEXA[octet & 0xf];
    } else {
      texte += c;
    }
    if (texte.size() <= LONGUEUR_MAX - SUITE.size()) coupe = texte.size();
  }
  if (texte.size() > LONGUEUR_MAX) texte.replace(coupe, std::string::npos, SUITE);
  return texte;
}

// Applies the file's options; false after writing the one line that names the fault.
bool lireFichierOptions(const std::filesystem::path& pChemin,
                        std::span<const DescriptionOption> pTable, Reglages& pReglages,
                        std::ostream& pErreur) {
  if (pChemin.empty()) return true;
  // A regular file of a few kilobytes, or nothing: never a wait on a FIFO or a device, never a
  // huge file swallowed.
  const auto lecture = plateforme::lireFichierBorne(pChemin, TAILLE_MAX_FICHIER);
  if (lecture.etat == plateforme::EtatFichier::absent) return true;
  if (lecture.etat != plateforme::EtatFichier::lu) {
    pErreur << NOM << ": " << pChemin.string() << ": cannot be read as an options file\n";
    return false;
  }
  const std::string contenu(lecture.octets.begin(), lecture.octets.end());
  std::string_view reste = contenu;
  for (int numero = 1; !reste.empty(); ++numero) {
    const auto fin = reste.find('\n');
    const std::string_view ligne = sansBlancs(reste.substr(0, fin));
    reste = fin == std::string_view::npos ? std::string_view{} : reste.substr(fin + 1);
    if (ligne.empty() || ligne.front() == '#') continue;
    // "marques" and "--marques" both name the option.
    const std::string mot = ligne.front() == '-' ? std::string(ligne) : "--" + std::string(ligne);
    const Passe passe = lireArguments({NOM, mot}, pTable);
    const bool valable =
        passe.erreur.empty() && passe.rencontres.size() == 1 &&
        appliquer(*passe.rencontres[0].option, passe.rencontres[0].valeur, pTable, pReglages);
    if (!valable) {
      pErreur << NOM << ": " << pChemin.string() << ":" << numero << ": invalid option '"
              << lisible(ligne) << "'\n";
      return false;
    }
  }
  return true;
}

Lancement refuser(const std::string& pMessage, std::span<const DescriptionOption> pTable,
                  std::ostream& pErreur) {
  pErreur << NOM << ": " << pMessage << "\n";
  ecrireUsage(pErreur, pTable);
  return {STATUT_OPTION_INVALIDE, {}};
}

}  // namespace

std::span<const DescriptionOption> optionsDuJeu() {
  return OPTIONS;
}

std::filesystem::path cheminFichierOptions() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* maison = std::getenv("HOME");
  std::filesystem::path dossier;
  // The convention ignores a relative path there.
  if (config && config[0] == '/') {
    dossier = config;
  } else if (maison && *maison) {
    dossier = std::filesystem::path(maison) / ".config";
  } else {
    return {};
  }
  return dossier / "korvane" / "options";
}

void ecrireUsage(std::ostream& pFlux, std::span<const DescriptionOption> pTable) {
  constexpr std::size_t COLONNE_AIDE = 28;
  pFlux << "Usage: " << NOM << " [OPTION]...\n"
        << "Play KORVANE, a game of hidden fleets against the computer, in a terminal of at\n"
        << "least 80 columns by 24 rows (the full layout from 110 x 45).\n\nOptions:\n";
  for (const DescriptionOption& o : pTable) {
    std::string gauche = o.nomCourt != '\0' ? std::string("  -") + o.nomCourt + ", " : "      ";
    gauche += std::string("--") + o.nomLong;
    if (o.argument) gauche += std::string("=") + o.argument;
    gauche.resize(std::max(gauche.size() + 1, COLONNE_AIDE), ' ');
    pFlux << gauche << aideDe(o, pTable) << "\n";
  }
  pFlux << SUITE_USAGE;
  for (const auto& [statut, quand] : STATUTS) {
    std::string numero = "  " + std::to_string(statut);
    numero.resize(COLONNE_STATUT, ' ');
    pFlux << numero << quand << "\n";
  }
  pFlux << "  128+n ended by signal n, the terminal restored first\n";
}

Lancement analyserLancement(const std::vector<std::string_view>& pArguments,
                            const std::filesystem::path& pFichierOptions,
                            std::span<const DescriptionOption> pTable, std::ostream& pSortie,
                            std::ostream& pErreur) {
  const Passe passe = lireArguments(pArguments, pTable);
  if (!passe.erreur.empty()) return refuser(passe.erreur, pTable, pErreur);
  for (const Rencontre& r : passe.rencontres) {
    if (r.option->role == RoleOption::aide) {
      ecrireUsage(pSortie, pTable);
      return {STATUT_NORMAL, {}};
    }
    if (r.option->role == RoleOption::version) {
      pSortie << NOM << " " << KORVANE_VERSION << "\n";
      return {STATUT_NORMAL, {}};
    }
  }
  Lancement lancement;
  if (!lireFichierOptions(pFichierOptions, pTable, lancement.reglages, pErreur)) {
    return {STATUT_OPTION_INVALIDE, {}};
  }
  bool verification = false;
  for (const Rencontre& r : passe.rencontres) {
    if (r.option->role == RoleOption::verification) {
      verification = true;
    } else if (!appliquer(*r.option, r.valeur, pTable, lancement.reglages)) {
      return refuser("invalid value '" + r.valeur + "' for --" + r.option->nomLong, pTable,
                     pErreur);
    }
  }
  if (verification) lancement.statutSortie = STATUT_NORMAL;
  return lancement;
}

Lancement analyserLancement(int argc, char* argv[], std::ostream& pSortie, std::ostream& pErreur) {
  std::vector<std::string_view> arguments(argv, argv + argc);
  if (arguments.empty()) arguments.push_back(NOM);
  return analyserLancement(arguments, cheminFichierOptions(), optionsDuJeu(), pSortie, pErreur);
}
