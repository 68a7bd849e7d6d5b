#include "support/terminalScripte.hpp"

#include "menuPrincipal.hpp"
#include "statuts.hpp"

TerminalScripte::TerminalScripte(std::initializer_list<std::string_view> pMorceaux) {
  for (auto m : pMorceaux) taper(m);
}

void TerminalScripte::taper(std::string_view pMorceau) {
  morceaux_.emplace_back(pMorceau);
}

int TerminalScripte::lireCode(const plateforme::Ecran& pEcran) {
  for (;;) {
    if (auto code = decodeur_.code()) {
      ++codesLus_;
      return *code;
    }
    vues_.push_back(pEcran);
    if (morceaux_.empty() && joueur_) {
      if (auto reponse = joueur_(pEcran)) morceaux_.push_back(std::move(*reponse));
    }
    if (morceaux_.empty()) {
      decodeur_.finEntree();
      if (auto code = decodeur_.code()) {
        ++codesLus_;
        return *code;
      }
      throw plateforme::FinEntree{};
    }
    // A piece that ends inside a sequence is followed by a pause as long as a real one.
    if (decodeur_.sequenceEnCours()) decodeur_.attendre(plateforme::DELAI_ECHAP);
    if (morceaux_.front() == BASCULE) {
      morceaux_.pop_front();
      compacte_ = !compacte_;
      return plateforme::CODE_DISPOSITION;
    }
    decodeur_.alimenter(morceaux_.front());
    morceaux_.pop_front();
  }
}

int executerStatut(TerminalScripte& pTerminal, const std::function<int()>& pCorps) {
  plateforme::SessionConsole session(pTerminal);
  try {
    return pCorps();
  } catch (const plateforme::SortieProgramme& sortie) {
    return sortie.statut;
  } catch (const plateforme::FinEntree&) {
    return STATUT_FIN_ENTREE;
  }
}

int executer(TerminalScripte& pTerminal, const std::function<void()>& pCorps) {
  return executerStatut(pTerminal, [&pCorps] {
    pCorps();
    return 0;
  });
}

std::string texte(const plateforme::Ecran& pEcran, int x, int y, int n) {
  std::string resultat;
  for (int i = 0; i < n && x + i <= plateforme::LARGEUR; ++i) {
    plateforme::ajouterUtf8(resultat, pEcran.cellule(x + i, y).caractere);
  }
  return resultat;
}

std::string ligne(const plateforme::Ecran& pEcran, int y) {
  std::string resultat = pEcran.ligne(y);
  resultat.erase(resultat.find_last_not_of(' ') + 1);
  return resultat;
}

int attribut(const plateforme::Ecran& pEcran, int x, int y) {
  return pEcran.cellule(x, y).attribut;
}

std::string texte(int x, int y, int n) {
  return texte(plateforme::ecranCourant(), x, y, n);
}
std::string ligne(int y) {
  return ligne(plateforme::ecranCourant(), y);
}
int attribut(int x, int y) {
  return attribut(plateforme::ecranCourant(), x, y);
}

int executerProgramme(TerminalScripte& pTerminal, unsigned pGraine, Reglages pReglages) {
  Reglages& reglages = pReglages;
  reglages.graine = pGraine;
  if (reglages.compact) pTerminal.rendreCompacte();
  return executerStatut(pTerminal, [&reglages] { return programmePrincipal(reglages); });
}
