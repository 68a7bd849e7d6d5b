#include "modele/util.hpp"

#include "plateforme/console.hpp"

void initConsoleJeu() {
  plateforme::peripheriqueCourant().preparerConsole();
}
