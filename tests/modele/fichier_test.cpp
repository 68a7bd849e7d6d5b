// The game's files when they are not what they should be (special files, links, permissions),
// and when two games write them at once.

#include "modele/fichier.hpp"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "controleur/partieDeTest.hpp"
#include "controleur/score.hpp"
#include "modele/sauv.hpp"
#include "modele/score.hpp"
#include "support/commePersonne.hpp"
#include "support/dossierTemporaire.hpp"
#include "support/octets.hpp"
#include "support/terminalScripte.hpp"
#include "vue/vue.hpp"

namespace fs = std::filesystem;

namespace {

const std::string SAUVEGARDE = "save.dat";
const std::string TABLE = "meilleurs.dat";

std::set<std::string> contenuDossier(const fs::path& pDossier) {
  std::set<std::string> noms;
  for (const auto& entree : fs::directory_iterator(pDossier)) {
    noms.insert(entree.path().filename().string());
  }
  return noms;
}

Octets octets(const std::string& pTexte) {
  return {pTexte.begin(), pTexte.end()};
}

// A placed game on the human's turn; with pTours exchanges of misses (up to 10), a longer file.
Tparam partieSauvable(int pTours) {
  Tparam p = partie::nouvellePartie();
  p.aCommence = 1;
  // Columns 9 and 7 hold no ship of the computer and of the human.
  for (int i = 0; i < pTours; ++i) {
    partie::tirerDeja(*p.joueur1, *p.joueur2, codeCase(1 + i, 9));
    partie::tirerDeja(*p.joueur2, *p.joueur1, codeCase(1 + i, 7));
  }
  return p;
}

TJoueur gagnant(const std::string& pNom, int pTirs) {
  TJoueur j;
  j.nomJoueur = pNom;
  j.pileCoup = creerPile();
  for (int i = 0; i < pTirs; ++i) empiler(*j.pileCoup, {11 + i, MARQUE_TOUCHE});
  return j;
}

// ---- Special files: never waited on, never read, never replaced. ----

enum class Special { fifo, dossier, socket, lienVersFifo, peripherique };

void creer(Special pSorte, const fs::path& pChemin) {
  switch (pSorte) {
    case Special::fifo:
      ASSERT_EQ(::mkfifo(pChemin.c_str(), 0666), 0);
      break;
    case Special::dossier:
      fs::create_directory(pChemin);
      break;
    case Special::socket: {
      const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un adresse{};
      adresse.sun_family = AF_UNIX;
      std::strncpy(adresse.sun_path, pChemin.c_str(), sizeof adresse.sun_path - 1);
      ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
      ::close(s);
      break;
    }
    case Special::lienVersFifo:
      ASSERT_EQ(::mkfifo((pChemin.string() + ".fifo").c_str(), 0666), 0);
      fs::create_symlink(pChemin.filename().string() + ".fifo", pChemin);
      break;
    case Special::peripherique:
      fs::create_symlink("/dev/null", pChemin);
      break;
  }
}

class FichierSpecial : public ::testing::TestWithParam<Special> {
 protected:
  // A wait on a FIFO would hang the test: end it instead.
  void SetUp() override { ::alarm(60); }
  void TearDown() override { ::alarm(0); }
  DossierTemporaire dossier_;
};

TEST_P(FichierSpecial, CompteCommeIllisibleEtNEstJamaisRemplace) {
  for (const std::string& nom : {SAUVEGARDE, TABLE, std::string("startScreen.txt"),
                                 std::string("regles.txt"), std::string("save.dat.tmp")}) {
    creer(GetParam(), dossier_.chemin() / nom);
  }
  const auto avant = contenuDossier(dossier_.chemin());
  Tparam p;
  EXPECT_FALSE(restaurerPartie(p));
  EXPECT_FALSE(p.joueur1);
  EXPECT_FALSE(sauverPartie(partieSauvable(0)));
  EXPECT_EQ(getNbScore(), -1);
  EXPECT_FALSE(enregistrerScore(gagnant("n", 20)));
  TerminalScripte t;
  EXPECT_EQ(executer(t, afficherStartScreen), 1);
  EXPECT_EQ(executer(t, afficherRegles), 1);
  EXPECT_EQ(contenuDossier(dossier_.chemin()), avant);
  EXPECT_EQ(fs::symlink_status(dossier_.chemin() / SAUVEGARDE).type(),
            fs::symlink_status(dossier_.chemin() / "save.dat.tmp").type());
  // The name a temporary file once had is nothing to the game: the save goes on beside it.
  fs::remove(dossier_.chemin() / SAUVEGARDE);
  EXPECT_TRUE(sauverPartie(partieSauvable(0)));
  EXPECT_TRUE(restaurerPartie(p));
  EXPECT_EQ(contenuDossier(dossier_.chemin()), avant);
}

INSTANTIATE_TEST_SUITE_P(Sortes, FichierSpecial,
                         ::testing::Values(Special::fifo, Special::dossier, Special::socket,
                                           Special::lienVersFifo, Special::peripherique));

TEST(FichierTexte, AuDelaDUnMegaOctetIlEstIllisible) {
  DossierTemporaire dossier;
  const std::string texte(1024 * 1024 + 1, 'x');
  dossier.ecrireFichier("startScreen.txt", texte);
  dossier.ecrireFichier("regles.txt", texte);
  TerminalScripte t;
  EXPECT_EQ(executer(t, afficherStartScreen), 1);
  EXPECT_EQ(executer(t, afficherRegles), 1);
}

// ---- Replacing a file keeps what the player set up. ----

struct CasDroits {
  const char* nom;
  fs::perms dossier;
  std::optional<fs::perms> fichier;  // none: no file before
  bool dAutrui;                      // the file belongs to someone else (run as root only)
  bool remplace;
  std::optional<fs::perms> modeApres;
};

class Droits : public ::testing::TestWithParam<CasDroits> {};

TEST_P(Droits, SeulUnFichierInscriptibleEstRemplaceEtGardeSonMode) {
  const CasDroits& cas = GetParam();
  const bool root = ::geteuid() == 0;
  if (cas.dAutrui && !root) GTEST_SKIP() << "only root can give a file to someone else";
  DossierTemporaire dossier;
  const fs::path fichier = dossier.chemin() / SAUVEGARDE;
  if (cas.fichier) {
    dossier.ecrireFichier(SAUVEGARDE, "ancien");
    fs::permissions(fichier, *cas.fichier);
    if (root && !cas.dAutrui) {
      ASSERT_EQ(::chown(fichier.c_str(), PERSONNE, PERSONNE), 0);
    }
  }
  fs::permissions(dossier.chemin(), cas.dossier);
  const int statut = commePersonne([] {
    ::umask(027);
    return remplacerFichier(SAUVEGARDE, octets("nouveau")) ? 0 : 1;
  });
  fs::permissions(dossier.chemin(), fs::perms(0755));
  EXPECT_EQ(statut, cas.remplace ? 0 : 1);
  const std::string attendu = cas.remplace ? "nouveau" : cas.fichier ? "ancien" : "";
  EXPECT_EQ(dossier.lireFichier(SAUVEGARDE), attendu);
  if (cas.modeApres) {
    EXPECT_EQ(fs::status(fichier).permissions(), *cas.modeApres);
  }
  EXPECT_EQ(contenuDossier(dossier.chemin()),
            attendu.empty() ? std::set<std::string>{} : std::set<std::string>{SAUVEGARDE});
}

INSTANTIATE_TEST_SUITE_P(Cas, Droits,
                         ::testing::Values(CasDroits{"Inscriptible", fs::perms(0777),
                                                     fs::perms(0606), false, true, fs::perms(0606)},
                                           CasDroits{"SansDroitDEcriture", fs::perms(0777),
                                                     fs::perms(0444), false, false,
                                                     fs::perms(0444)},
                                           CasDroits{"DAutrui", fs::perms(0777), fs::perms(0644),
                                                     true, false, fs::perms(0644)},
                                           CasDroits{"DansUnDossierFermeIntact", fs::perms(0555),
                                                     fs::perms(0606), false, false, std::nullopt},
                                           CasDroits{"AbsentDansUnDossierFerme", fs::perms(0555),
                                                     std::nullopt, false, false, std::nullopt},
                                           CasDroits{"NouveauSelonLUmask", fs::perms(0777),
                                                     std::nullopt, false, true, fs::perms(0640)}),
                         [](const auto& pInfo) { return std::string(pInfo.param.nom); });

TEST(RemplacerFichier, UnLienEstSuiviEtResteUnLien) {
  DossierTemporaire dossier;
  const fs::path sous = dossier.chemin() / "donnees";
  fs::create_directory(sous);
  dossier.ecrireFichier("donnees/cible", "ancien");
  fs::permissions(sous / "cible", fs::perms(0606));
  // A chain: save.dat -> relais -> donnees/cible; and a link to a file still to be made.
  fs::create_symlink("donnees/cible", dossier.chemin() / "relais");
  fs::create_symlink("relais", dossier.chemin() / SAUVEGARDE);
  fs::create_symlink(sous / "nouveau", dossier.chemin() / TABLE);
  ASSERT_TRUE(remplacerFichier(SAUVEGARDE, octets("sauve")));
  ASSERT_TRUE(remplacerFichier(TABLE, octets("table")));
  EXPECT_EQ(fs::read_symlink(dossier.chemin() / SAUVEGARDE), "relais");
  EXPECT_EQ(fs::read_symlink(dossier.chemin() / "relais"), "donnees/cible");
  EXPECT_EQ(fs::read_symlink(dossier.chemin() / TABLE), sous / "nouveau");
  EXPECT_EQ(dossier.lireFichier("donnees/cible"), "sauve");
  EXPECT_EQ(fs::status(sous / "cible").permissions(), fs::perms(0606));
  EXPECT_EQ(dossier.lireFichier("donnees/nouveau"), "table");
  EXPECT_EQ(contenuDossier(sous), (std::set<std::string>{"cible", "nouveau"}));
  EXPECT_EQ(contenuDossier(dossier.chemin()),
            (std::set<std::string>{"donnees", "relais", SAUVEGARDE, TABLE}));
}

// A link someone else made could turn a save onto any file of the player's: never followed.
TEST(RemplacerFichier, UnLienDAutruiNEstPasSuivi) {
  DossierTemporaire dossier;
  // A good save behind the link: only the link's owner can make it be refused.
  const Octets sauvegarde = *encoderPartie(partieSauvable(0));
  const std::string ancien(sauvegarde.begin(), sauvegarde.end());
  dossier.ecrireFichier("profil", ancien);
  for (const std::string& nom : {SAUVEGARDE, TABLE}) {
    fs::create_symlink("profil", dossier.chemin() / nom);
    if (::lchown((dossier.chemin() / nom).c_str(), PERSONNE, PERSONNE) != 0) GTEST_SKIP();
  }
  Tparam p;
  EXPECT_FALSE(restaurerPartie(p));
  EXPECT_FALSE(sauverPartie(partieSauvable(1)));
  EXPECT_FALSE(enregistrerScore(gagnant("n", 20)));
  EXPECT_EQ(getNbScore(), -1);
  EXPECT_EQ(dossier.lireFichier("profil"), ancien);
}

// ---- Two games in one folder. ----

// Two games start together and each takes pTours turns; gives how many turns succeeded.
template <typename Tour>
int deuxJeuxEnMemeTemps(int pTours, Tour pTour) {
  int depart[2];
  if (::pipe(depart) != 0) return -1;
  std::vector<pid_t> enfants;
  for (int jeu = 0; jeu < 2; ++jeu) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(depart[1]);
      char c = 0;
      [[maybe_unused]] const ssize_t lu = ::read(depart[0], &c, 1);
      int reussis = 0;
      for (int i = 0; i < pTours; ++i) reussis += pTour(jeu, i) ? 1 : 0;
      ::_exit(reussis);
    }
    enfants.push_back(pid);
  }
  ::close(depart[0]);
  ::close(depart[1]);
  int reussis = 0;
  for (pid_t pid : enfants) {
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    reussis += WIFEXITED(statut) ? WEXITSTATUS(statut) : -1000;
  }
  return reussis;
}

TEST(DeuxJeux, ChaqueSauvegardeSeRecharge) {
  DossierTemporaire dossier;
  // The other game's save may be the one found: it must load all the same.
  EXPECT_EQ(deuxJeuxEnMemeTemps(100,
                                [](int pJeu, int) {
                                  Tparam relue;
                                  return sauverPartie(partieSauvable(pJeu == 0 ? 0 : 9)) &&
                                         restaurerPartie(relue);
                                }),
            200);
  Tparam relue;
  EXPECT_TRUE(restaurerPartie(relue));
  EXPECT_EQ(contenuDossier(dossier.chemin()), std::set<std::string>{SAUVEGARDE});
}

TEST(DeuxJeux, UneVictoireNonEnregistreeEstSignalee) {
  DossierTemporaire dossier;
  // Rounds of ten wins at most, so that the table keeps every record it was given.
  for (int manche = 0; manche < 20; ++manche) {
    dossier.ecrireFichier(TABLE, "");
    const int reussies = deuxJeuxEnMemeTemps(5, [](int pJeu, int pI) {
      return enregistrerScore(gagnant("j" + std::to_string(pJeu), 20 + pI));
    });
    const std::string table = dossier.lireFichier(TABLE);
    ASSERT_EQ(table.size() % 28, 0u);
    ASSERT_GT(reussies, 0);
    ASSERT_EQ(static_cast<int>(table.size() / 28), reussies) << "round " << manche;
  }
}

TEST(AjouterScore, UneTableChangeeDepuisSaLectureNEstPasEcrasee) {
  DossierTemporaire dossier;
  dossier.ecrireFichier(TABLE, enregistrement(80, 14, 20, "a"));
  const auto lue = identiteScores();
  std::vector<TScore> liste(2);
  ASSERT_TRUE(chargerScores(liste));
  // Another game records its win meanwhile.
  const std::string autre = enregistrement(80, 14, 20, "a") + enregistrement(70, 14, 30, "b");
  dossier.ecrireFichier(TABLE, autre);
  EXPECT_FALSE(ajouterScore({60, 14, 40, "c"}, liste, 2, true, lue));
  EXPECT_EQ(dossier.lireFichier(TABLE), autre);
  EXPECT_TRUE(ajouterScore({60, 14, 40, "c"}, liste, 2, true, identiteScores()));
}

}  // namespace
