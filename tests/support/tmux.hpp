#pragma once
// The real binary in a real terminal: tmux runs it in a pane of the given size, keys go in with
// send-keys, the screen comes back with capture-pane. Every wait is for what the screen shows,
// with a generous time-out, never a fixed sleep.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class SessionTmux {
 public:
  // Starts the game in pDossier. The pane's shell records `stty -g` before and after the run
  // and the game's exit status; pPrefixe runs in the game's own shell just before it (limits
  // set with ulimit, for one). Every byte the game sends from then on is recorded.
  SessionTmux(const std::filesystem::path& pDossier, int pColonnes = 110, int pLignes = 45,
              const std::string& pPrefixe = "");
  ~SessionTmux();
  SessionTmux(const SessionTmux&) = delete;
  SessionTmux& operator=(const SessionTmux&) = delete;

  // Key names as tmux knows them: "Down", "Enter", "C-c", "x".
  void touches(const std::string& pNoms);
  // Text typed as is.
  void taper(const std::string& pTexte);
  void redimensionner(int pColonnes, int pLignes);
  // Bytes written straight to the pane's terminal, as another program would write over the game.
  void ecrireParDessus(const std::string& pOctets);

  // The pane's text; with pCouleurs, with the colour sequences as tmux reports them.
  std::string ecran(bool pCouleurs = false);
  // Waits until the screen holds the text; false after the time-out.
  bool attendreTexte(const std::string& pTexte,
                     std::chrono::seconds pDelai = std::chrono::seconds{20});
  // Waits for the game's end; its exit status, or nothing after the time-out.
  std::optional<int> attendreStatut(std::chrono::seconds pDelai = std::chrono::seconds{30});
  // True when the terminal settings after the run equal those before.
  bool sttyRestaure() const;
  // True when the pane shows its main screen with a visible cursor.
  bool ecranPrincipal() const;
  // Waits until the bytes sent to the pane hold pOctets; false after the time-out.
  bool attendreOctets(const std::string& pOctets,
                      std::chrono::seconds pDelai = std::chrono::seconds{20}) const;
  int pidJeu() const;

 private:
  std::string tmux(const std::string& pArguments) const;
  std::filesystem::path dossier_;
  std::string socket_;
};

// Asks pCondition again every few milliseconds until it holds; false after the time-out. The one
// way tests wait for a real program: for what it shows, never for a fixed time.
bool attendreQue(const std::function<bool()>& pCondition,
                 std::chrono::seconds pDelai = std::chrono::seconds{20});

// Ends the tmux server of that socket name and removes the socket file that tmux leaves behind.
void arreterServeurTmux(const std::string& pSocket);

// Shell quoting for one argument.
std::string citer(const std::string& pTexte);
