#include "support/tmux.hpp"

#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace {

std::string executerShell(const std::string& pCommande) {
  struct Fermeture {
    void operator()(std::FILE* f) const { pclose(f); }
  };
  std::unique_ptr<std::FILE, Fermeture> tube(popen(pCommande.c_str(), "r"));
  if (!tube) throw std::runtime_error("popen: " + pCommande);
  std::string sortie;
  std::array<char, 4096> tampon{};
  std::size_t lus = 0;
  while ((lus = std::fread(tampon.data(), 1, tampon.size(), tube.get())) > 0) {
    sortie.append(tampon.data(), lus);
  }
  return sortie;
}

std::string lire(const std::filesystem::path& pChemin) {
  std::ifstream f(pChemin);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void patienter() {
  std::this_thread::sleep_for(std::chrono::milliseconds{50});
}

}  // namespace

std::string citer(const std::string& pTexte) {
  std::string resultat = "'";
  for (char c : pTexte) {
    if (c == '\'') {
      resultat += "'\\''";
    } else {
      resultat += c;
    }
  }
  return resultat + "'";
}

SessionTmux::SessionTmux(const std::filesystem::path& pDossier, int pColonnes, int pLignes,
                         const std::string& pPrefixe)
    : dossier_(pDossier) {
  // What an earlier session in the same folder recorded is not this one's.
  for (const char* trace : {".statut", ".stty-avant", ".stty-apres", ".octets"}) {
    std::filesystem::remove(pDossier / trace);
  }
  static std::atomic<int> compteur{0};
  socket_ = "korvane-test-" + std::to_string(getpid()) + "-" + std::to_string(compteur++);
  // The shell catches SIGINT and SIGQUIT (rather than ignoring them, which the game would
  // inherit), so that a Ctrl-C or Ctrl-\ meant for the game does not end the shell before it
  // records the status. The game runs in a subshell that becomes it, so that a prefix applies
  // to the game alone.
  const std::string script = "trap : INT QUIT; stty -g > .stty-avant; (" + pPrefixe + " exec " +
                             citer(KORVANE_BINAIRE) +
                             "); echo $? > .statut; stty -g > .stty-apres; sleep 600";
  tmux("-f /dev/null new-session -d -s jeu -x " + std::to_string(pColonnes) + " -y " +
       std::to_string(pLignes) + " -c " + citer(pDossier.string()) + " " +
       citer("sh -c " + citer(script)));
  tmux("pipe-pane -t jeu " + citer("cat > " + citer((pDossier / ".octets").string())));
}

SessionTmux::~SessionTmux() {
  arreterServeurTmux(socket_);
}

void arreterServeurTmux(const std::string& pSocket) {
  executerShell("tmux -L " + pSocket + " kill-server 2>/dev/null");
  // Where tmux puts the sockets it names: a server that ended on its own leaves its file too.
  const char* dossier = std::getenv("TMUX_TMPDIR");
  const std::filesystem::path socket =
      std::filesystem::path(dossier != nullptr && *dossier != '\0' ? dossier : "/tmp") /
      ("tmux-" + std::to_string(::getuid())) / pSocket;
  std::error_code erreur;
  std::filesystem::remove(socket, erreur);
}

std::string SessionTmux::tmux(const std::string& pArguments) const {
  return executerShell("tmux -L " + socket_ + " " + pArguments + " 2>/dev/null");
}

void SessionTmux::touches(const std::string& pNoms) {
  tmux("send-keys -t jeu " + pNoms);
}

void SessionTmux::taper(const std::string& pTexte) {
  tmux("send-keys -t jeu -l " + citer(pTexte));
}

void SessionTmux::redimensionner(int pColonnes, int pLignes) {
  tmux("resize-window -t jeu -x " + std::to_string(pColonnes) + " -y " + std::to_string(pLignes));
}

void SessionTmux::ecrireParDessus(const std::string& pOctets) {
  const std::string terminal = tmux("display-message -p -t jeu '#{pane_tty}'");
  std::ofstream(terminal.substr(0, terminal.find('\n')), std::ios::binary) << pOctets;
}

std::string SessionTmux::ecran(bool pCouleurs) {
  return tmux(std::string("capture-pane -p ") + (pCouleurs ? "-e " : "") + "-t jeu");
}

bool attendreQue(const std::function<bool()>& pCondition, std::chrono::seconds pDelai) {
  const auto limite = std::chrono::steady_clock::now() + pDelai;
  while (std::chrono::steady_clock::now() < limite) {
    if (pCondition()) return true;
    patienter();
  }
  return false;
}

bool SessionTmux::attendreTexte(const std::string& pTexte, std::chrono::seconds pDelai) {
  return attendreQue([&] { return ecran().find(pTexte) != std::string::npos; }, pDelai);
}

std::optional<int> SessionTmux::attendreStatut(std::chrono::seconds pDelai) {
  // The status is complete once the line after it is there too.
  if (!attendreQue([&] { return std::filesystem::exists(dossier_ / ".stty-apres"); }, pDelai)) {
    return std::nullopt;
  }
  patienter();
  return std::stoi(lire(dossier_ / ".statut"));
}

bool SessionTmux::sttyRestaure() const {
  const std::string avant = lire(dossier_ / ".stty-avant");
  return !avant.empty() && avant == lire(dossier_ / ".stty-apres");
}

bool SessionTmux::ecranPrincipal() const {
  return tmux("display-message -p -t jeu '#{alternate_on}#{cursor_flag}'") == "01\n";
}

bool SessionTmux::attendreOctets(const std::string& pOctets, std::chrono::seconds pDelai) const {
  return attendreQue([&] { return lire(dossier_ / ".octets").find(pOctets) != std::string::npos; },
                     pDelai);
}

int SessionTmux::pidJeu() const {
  const std::string shell = tmux("display-message -p -t jeu '#{pane_pid}'");
  const std::string pid = executerShell("pgrep -P " + std::to_string(std::stoi(shell)));
  return pid.empty() ? -1 : std::stoi(pid);
}
