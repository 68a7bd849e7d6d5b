#include "ligneCommande.hpp"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/dossierTemporaire.hpp"

namespace {

struct Analyse {
  std::optional<int> statut;
  std::string sortie;
  std::string erreur;
};

Analyse analyser(std::vector<std::string_view> pArguments,
                 std::span<const DescriptionOption> pTable,
                 const std::filesystem::path& pFichier = {}) {
  pArguments.insert(pArguments.begin(), "korvane");
  std::ostringstream sortie;
  std::ostringstream erreur;
  const Lancement l = analyserLancement(pArguments, pFichier, pTable, sortie, erreur);
  return {l.statutSortie, sortie.str(), erreur.str()};
}

std::string premiereLigne(const std::string& pTexte) {
  return pTexte.substr(0, pTexte.find('\n'));
}

// --- The game's own command line ---

struct CasLigne {
  std::vector<std::string_view> arguments;
  std::optional<int> statut;
  std::string sortie;  // first line on standard output, "" when nothing is written there
  std::string erreur;  // first line on standard error, "" when nothing is written there
};

void PrintTo(const CasLigne& pCas, std::ostream* pFlux) {
  for (std::string_view a : pCas.arguments) *pFlux << a << ' ';
}

class LigneDuJeu : public ::testing::TestWithParam<CasLigne> {};

TEST_P(LigneDuJeu, StatutEtFlux) {
  const CasLigne& cas = GetParam();
  const Analyse a = analyser(cas.arguments, optionsDuJeu());
  EXPECT_EQ(a.statut, cas.statut);
  EXPECT_EQ(premiereLigne(a.sortie), cas.sortie);
  EXPECT_EQ(premiereLigne(a.erreur), cas.erreur);
  // A refusal is followed by the whole usage, on the same stream.
  if (cas.statut == STATUT_OPTION_INVALIDE) {
    EXPECT_NE(a.erreur.find("\nUsage: korvane [OPTION]...\n"), std::string::npos);
  }
}

const std::string USAGE = "Usage: korvane [OPTION]...";

INSTANTIATE_TEST_SUITE_P(
    Cas, LigneDuJeu,
    ::testing::Values(CasLigne{{}, std::nullopt, "", ""}, CasLigne{{"--"}, std::nullopt, "", ""},
                      CasLigne{{"--help"}, 0, USAGE, ""}, CasLigne{{"-h"}, 0, USAGE, ""},
                      CasLigne{{"--version"}, 0, "korvane " KORVANE_VERSION, ""},
                      CasLigne{{"-V"}, 0, "korvane " KORVANE_VERSION, ""},
                      CasLigne{{"--bidon"}, 2, "", "korvane: invalid option '--bidon'"},
                      CasLigne{{"-x"}, 2, "", "korvane: invalid option '-x'"},
                      CasLigne{{"--version", "-xV"}, 2, "", "korvane: invalid option '-x'"},
                      CasLigne{{"--help=3"}, 2, "", "korvane: invalid option '--help=3'"},
                      // A check answers by its status alone, and refuses what the game would.
                      CasLigne{{"--verifier-options", "--moderne"}, 0, "", ""},
                      CasLigne{{"--verifier-options", "--ordinateur=fort"},
                               2,
                               "",
                               "korvane: invalid value 'fort' for --ordinateur"},
                      CasLigne{{"partie"}, 2, "", "korvane: unexpected argument 'partie'"},
                      CasLigne{{"--", "--help"}, 2, "", "korvane: unexpected argument '--help'"},
                      // An error anywhere wins over a help request: nothing is half done.
                      CasLigne{
                          {"--help", "partie"}, 2, "", "korvane: unexpected argument 'partie'"}));

TEST(UsageDuJeu, NommeChaqueOptionLesFichiersEtLesStatuts) {
  std::ostringstream usage;
  ecrireUsage(usage, optionsDuJeu());
  for (const DescriptionOption& o : optionsDuJeu()) {
    EXPECT_NE(usage.str().find(std::string("--") + o.nomLong), std::string::npos) << o.nomLong;
  }
  for (const char* mot :
       {"/korvane/options", "share}/korvane", "save.dat", "meilleurs.dat", "128+n"}) {
    EXPECT_NE(usage.str().find(mot), std::string::npos) << mot;
  }
}

// --- The options file, on a table of settings of its own ---

std::vector<std::string> appliquees;

constexpr auto TABLE_ESSAI = std::to_array<DescriptionOption>({
    {"help", 'h', nullptr, "help", RoleOption::aide},
    {"essai", 'e', nullptr, "a flag", RoleOption::reglage,
     [](Reglages&, std::string_view) {
       appliquees.emplace_back("essai");
       return true;
     }},
    {"niveau", '\0', "NIVEAU", "1 to 3", RoleOption::reglage,
     [](Reglages&, std::string_view pValeur) {
       appliquees.emplace_back("niveau=" + std::string(pValeur));
       return pValeur == "1" || pValeur == "2" || pValeur == "3";
     }},
});

class FichierOptions : public ::testing::Test {
 protected:
  void SetUp() override { appliquees.clear(); }
  Analyse analyserAvec(const std::string& pContenu, std::vector<std::string_view> pArguments = {}) {
    dossier_.ecrireFichier("options", pContenu);
    return analyser(std::move(pArguments), TABLE_ESSAI, fichier());
  }
  std::filesystem::path fichier() const { return dossier_.chemin() / "options"; }
  DossierTemporaire dossier_;
};

TEST_F(FichierOptions, LignesCommentairesEtBlancsPuisLaLigneDeCommande) {
  const Analyse a =
      analyserAvec("# mes options\n\n  essai  \r\n--niveau=1\n\t# fin", {"--niveau=3"});
  EXPECT_EQ(a.statut, std::nullopt);
  EXPECT_EQ(a.erreur, "");
  EXPECT_EQ(appliquees, (std::vector<std::string>{"essai", "niveau=1", "niveau=3"}));
}

TEST_F(FichierOptions, UneMauvaiseLigneNommeLeFichierLaLigneEtLOption) {
  for (const std::string ligne : {"bidon", "--niveau", "niveau=7", "help", "essai en trop"}) {
    const Analyse a = analyserAvec("# options\nessai\n" + ligne + "\nniveau=2\n");
    EXPECT_EQ(a.statut, STATUT_OPTION_INVALIDE) << ligne;
    EXPECT_EQ(a.sortie, "");
    EXPECT_EQ(a.erreur, "korvane: " + fichier().string() + ":3: invalid option '" + ligne + "'\n");
  }
  // What the line holds never reaches the terminal as a sequence, and a long line is cut.
  const Analyse a = analyserAvec("es\x1b[2Jsai\tx\x9b" + std::string(100, 'a') + "\n");
  EXPECT_EQ(a.erreur, "korvane: " + fichier().string() +
                          ":1: invalid option 'es\\x1b[2Jsai\\tx\\x9b" + std::string(58, 'a') +
                          "...'\n");
}

TEST_F(FichierOptions, AbsentIlNeDonneRienFifoOuDossierIlEstRefuseSansAttendre) {
  EXPECT_EQ(analyser({"--essai"}, TABLE_ESSAI, fichier()).statut, std::nullopt);
  ASSERT_EQ(mkfifo(fichier().c_str(), 0600), 0);
  const Analyse fifo = analyser({}, TABLE_ESSAI, fichier());
  EXPECT_EQ(fifo.statut, STATUT_OPTION_INVALIDE);
  EXPECT_EQ(fifo.erreur,
            "korvane: " + fichier().string() + ": cannot be read as an options file\n");
  std::filesystem::remove(fichier());
  std::filesystem::create_directory(fichier());
  EXPECT_EQ(analyser({}, TABLE_ESSAI, fichier()).statut, STATUT_OPTION_INVALIDE);
  // Behind a folder the player cannot search there is none (root searches any: nobody then).
  std::filesystem::permissions(dossier_.chemin(), std::filesystem::perms(0600));
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
    ::_exit(analyser({}, TABLE_ESSAI, fichier()).statut.value_or(0));
  }
  int statut = -1;
  ::waitpid(pid, &statut, 0);
  std::filesystem::permissions(dossier_.chemin(), std::filesystem::perms(0700));
  EXPECT_EQ(statut, 0);
}

TEST_F(FichierOptions, LAideEtUneValeurRefuseeSurLaLigneDeCommande) {
  // Help answers even when the file is bad: it is not read.
  EXPECT_EQ(analyserAvec("bidon\n", {"--help"}).statut, 0);
  const Analyse a = analyserAvec("essai\n", {"--niveau=9"});
  EXPECT_EQ(a.statut, STATUT_OPTION_INVALIDE);
  EXPECT_EQ(premiereLigne(a.erreur), "korvane: invalid value '9' for --niveau");
  EXPECT_EQ(premiereLigne(analyserAvec("", {"--niveau"}).erreur),
            "korvane: option '--niveau' needs a value");
}

TEST(CheminFichierOptions, XdgConfigHomeAbsoluSinonHome) {
  const auto garder = [](const char* pNom) -> std::optional<std::string> {
    const char* v = std::getenv(pNom);
    return v ? std::optional<std::string>(v) : std::nullopt;
  };
  const auto config = garder("XDG_CONFIG_HOME");
  const auto maison = garder("HOME");
  setenv("HOME", "/maison/marin", 1);
  setenv("XDG_CONFIG_HOME", "/conf", 1);
  EXPECT_EQ(cheminFichierOptions(), "/conf/korvane/options");
  for (const char* ignore : {"", "relatif"}) {
    setenv("XDG_CONFIG_HOME", ignore, 1);
    EXPECT_EQ(cheminFichierOptions(), "/maison/marin/.config/korvane/options");
  }
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("HOME");
  EXPECT_EQ(cheminFichierOptions(), "");
  const auto remettre = [](const char* pNom, const std::optional<std::string>& pValeur) {
    pValeur ? setenv(pNom, pValeur->c_str(), 1) : unsetenv(pNom);
  };
  remettre("XDG_CONFIG_HOME", config);
  remettre("HOME", maison);
}

}  // namespace

// --- The game's settings, from the file then the command line ---

TEST(OptionsDuJeu, LeFichierPuisLaLigneDeCommandeRemplissentLesReglages) {
  DossierTemporaire dossier;
  dossier.ecrireFichier("options", "# joueur\nmarques\n\nordinateur=expert\n");
  std::vector<std::string_view> arguments{"korvane", "--souris", "--ordinateur=chasseur"};
  std::ostringstream sortie;
  std::ostringstream erreur;
  Lancement l =
      analyserLancement(arguments, dossier.chemin() / "options", optionsDuJeu(), sortie, erreur);
  EXPECT_EQ(l.statutSortie, std::nullopt);
  EXPECT_TRUE(l.reglages.marques);
  EXPECT_TRUE(l.reglages.souris);
  EXPECT_FALSE(l.reglages.devoiler);
  EXPECT_FALSE(l.reglages.garderCurseur);
  EXPECT_EQ(l.reglages.niveau, NiveauOrdinateur::chasseur);
  // None: the described game; --moderne: the five at once.
  l = analyserLancement({"korvane"}, {}, optionsDuJeu(), sortie, erreur);
  EXPECT_FALSE(l.reglages.marques || l.reglages.souris || l.reglages.devoiler ||
               l.reglages.garderCurseur || l.reglages.vi);
  EXPECT_EQ(l.reglages.niveau, NiveauOrdinateur::hasard);
  l = analyserLancement({"korvane", "--moderne"}, {}, optionsDuJeu(), sortie, erreur);
  EXPECT_TRUE(l.reglages.marques && l.reglages.souris && l.reglages.devoiler &&
              l.reglages.garderCurseur && l.reglages.vi);
  EXPECT_EQ(analyser({"--ordinateur=fort"}, optionsDuJeu()).statut, STATUT_OPTION_INVALIDE);
}
