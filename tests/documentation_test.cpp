// The documents a player reads: the Markdown files render as Markdown (a code formatter once
// garbled the README), the manual page passes the roff linters.

#include <algorithm>
#include <array>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ligneCommande.hpp"
#include "statuts.hpp"
#include "support/shell.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path RACINE = KORVANE_RACINE;

bool estLigneDeTableau(const std::string& pLigne) {
  return pLigne.starts_with("|");
}

std::size_t nbBarres(const std::string& pLigne) {
  return static_cast<std::size_t>(std::count(pLigne.begin(), pLigne.end(), '|'));
}

// One message per fault a formatter leaves: a heading without its space or indented into a code
// block, a table folded, indented or without its separator row, a code block left open.
std::vector<std::string> fautesMarkdown(const std::string& pTexte) {
  static const std::regex SANS_ESPACE("^#+[^# ].*");
  static const std::regex TITRE_DECALE("^[ \t]+#.*");
  static const std::regex SEPARATEUR(R"(^\|([ \t]*:?-{3,}:?[ \t]*\|)+$)");
  std::vector<std::string> lignes;
  std::istringstream flux(pTexte);
  for (std::string l; std::getline(flux, l);) lignes.push_back(l);

  std::vector<std::string> fautes;
  const auto faute = [&](std::size_t i, const std::string& pQuoi) {
    fautes.push_back("line " + std::to_string(i + 1) + ": " + pQuoi + ": " + lignes[i]);
  };
  bool dansCode = false;
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const std::string& l = lignes[i];
    if (l.starts_with("```")) dansCode = !dansCode;
    if (dansCode || l.starts_with("```")) continue;
    if (std::regex_match(l, SANS_ESPACE)) faute(i, "no space after the hashes");
    if (std::regex_match(l, TITRE_DECALE)) faute(i, "indented heading");
    if (l.find_first_not_of(" \t") != 0 && l.find_first_not_of(" \t") != std::string::npos &&
        l[l.find_first_not_of(" \t")] == '|') {
      faute(i, "indented table row");
    }
    const bool debutTableau = estLigneDeTableau(l) && (i == 0 || !estLigneDeTableau(lignes[i - 1]));
    if (!debutTableau) continue;
    if (i + 1 >= lignes.size() || !std::regex_match(lignes[i + 1], SEPARATEUR)) {
      faute(i, "table without its separator row");
    }
    for (std::size_t j = i + 1; j < lignes.size() && estLigneDeTableau(lignes[j]); ++j) {
      if (nbBarres(lignes[j]) != nbBarres(l)) faute(j, "row of another width than the header");
    }
  }
  if (dansCode) fautes.push_back("a code block is never closed");
  return fautes;
}

std::string joindre(const std::vector<std::string>& pFautes) {
  std::string texte;
  for (const std::string& f : pFautes) texte += f + "\n";
  return texte;
}

TEST(Markdown, LesDocumentsDuDepotSontBienFormes) {
  for (const char* nom : {"README.md", "CHANGELOG.md"}) {
    const std::string texte = lireFichier(RACINE / nom);
    ASSERT_FALSE(texte.empty()) << nom;
    EXPECT_EQ(joindre(fautesMarkdown(texte)), "") << nom;
  }
}

TEST(Markdown, ReconnaitLeTexteQuUnFormateurDeCodeAAbime) {
  const std::string abime =
      "#KORVANE\n\n        ##Files\n\n| Status | When |\n| 0 | quit |\n\n"
      "        | File | Use | | -- - | -- - |\n| A | B |\n|---|---|\n| a | b | c |\n```sh\n";
  const std::string fautes = joindre(fautesMarkdown(abime));
  for (const char* attendue :
       {"line 1: no space after the hashes", "line 3: indented heading",
        "line 5: table without its separator row", "line 8: indented table row",
        "line 11: row of another width", "never closed"}) {
    EXPECT_NE(fautes.find(attendue), std::string::npos) << attendue << "\n" << fautes;
  }
}

// --- The manual page ---

// "--nom-long" as roff writes it: every hyphen of an option is a minus sign.
std::string optionEnRoff(const char* pNom) {
  std::string enRoff = "\\-\\-";
  for (const char* c = pNom; *c != '\0'; ++c) enRoff += *c == '-' ? "\\-" : std::string(1, *c);
  return enRoff;
}

TEST(PageDeManuel, SansAvertissementDesLinters) {
  const std::string page = (RACINE / "man/korvane.6").string();
  struct Linter {
    const char* programme;
    std::string commande;  // prints warnings only, then "fin <status>"
  };
  const std::array<Linter, 3> linters{{
      {"groff", "groff -ww -z -man '" + page + "' 2>&1; echo fin $?"},
      {"man", "MANWIDTH=80 man --warnings -l '" + page + "' 2>&1 >/dev/null; echo fin $?"},
      {"mandoc", "mandoc -Tlint -W warning '" + page + "' 2>&1; echo fin $?"},
  }};
  int essayes = 0;
  for (const Linter& l : linters) {
    if (!disponible(l.programme)) continue;
    ++essayes;
    EXPECT_EQ(sortieDe(l.commande), "fin 0\n") << l.programme;
  }
  if (essayes == 0) GTEST_SKIP() << "neither groff, man nor mandoc is installed";
}

// An option added to the command line is described where players look for it, and --moderne
// by the options it turns on.
TEST(PageDeManuel, EtLeReadmeDecriventChaqueOption) {
  const std::string page = lireFichier(RACINE / "man/korvane.6");
  const std::string readme = lireFichier(RACINE / "README.md");
  const auto moderne = [](const std::string& pTexte, const std::string& pDebut, const char* pFin) {
    const auto debut = pTexte.find(pDebut);
    return pTexte.substr(debut, pTexte.find(pFin, debut + 1) - debut);
  };
  const std::string pageModerne = moderne(page, ".B \\-\\-moderne", ".TP");
  const std::string readmeModerne = moderne(readme, "| `--moderne`", "\n");
  for (const DescriptionOption& o : optionsDuJeu()) {
    EXPECT_NE(page.find(optionEnRoff(o.nomLong)), std::string::npos) << o.nomLong;
    EXPECT_NE(readme.find(std::string("`--") + o.nomLong), std::string::npos) << o.nomLong;
    if (!o.dansModerne) continue;
    EXPECT_NE(pageModerne.find(optionEnRoff(o.nomLong)), std::string::npos) << o.nomLong;
    EXPECT_NE(readmeModerne.find(std::string("`--") + o.nomLong + "`"), std::string::npos)
        << o.nomLong;
  }
  for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "NO_COLOR"}) {
    EXPECT_NE(page.find(variable), std::string::npos) << variable;
  }
}

// The numbers of the statuses a text lists: the lines of its section that match pLigne.
std::set<int> statutsListes(const std::string& pTexte, const std::string& pDebut,
                            const std::string& pFin, const std::regex& pLigne) {
  const auto debut = pTexte.find(pDebut);
  const std::string section = pTexte.substr(debut, pTexte.find(pFin, debut + 1) - debut);
  std::set<int> statuts;
  std::istringstream flux(section);
  std::smatch m;
  for (std::string l; std::getline(flux, l);) {
    if (std::regex_match(l, m, pLigne)) statuts.insert(std::stoi(m[1]));
  }
  return statuts;
}

TEST(StatutsDeSortie, LUsageLaPageDeManuelEtLeReadmeDonnentCeuxDuCode) {
  std::set<int> attendus;
  for (const DescriptionStatut& s : STATUTS) attendus.insert(s.statut);
  std::ostringstream usage;
  ecrireUsage(usage, optionsDuJeu());
  EXPECT_EQ(statutsListes(usage.str(), "Exit status:", "\n\n", std::regex(R"(  (\d+) +\S.*)")),
            attendus);
  EXPECT_EQ(statutsListes(lireFichier(RACINE / "man/korvane.6"), ".SH EXIT STATUS", ".SH",
                          std::regex(R"(\.B (\d+))")),
            attendus);
  EXPECT_EQ(statutsListes(lireFichier(RACINE / "README.md"), "## Exit statuses", "\n## ",
                          std::regex(R"(\| (\d+) \|.*)")),
            attendus);
}

}  // namespace
