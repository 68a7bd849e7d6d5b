#pragma once
// Every position the screens use, in one value: where the boards lie and how large a cell is, the
// players' panels, the messages and questions of a game, the placement screen, the menus and the
// best-scores table. The views draw at these positions and the mouse's hit-testing reads the same
// value, so a click lands where the drawing is. Columns and rows count from 1.

#include "modele/coniocouleur.hpp"
#include "modele/reglages.hpp"

struct Point {
  int x;
  int y;
};

// A 10 x 10 board: the top-left corner of its frame and the size of one cell with its bar and
// rule. Cell (r, c) is drawn from column x + largeurCase (c - 1) + 1 on row y + hauteurCase (r - 1)
// + 1: with 4 by 2, from column x + 4c - 3 on row y + 2r - 1. A cell one row high has no rule
// under it: the rows of cells follow each other, and the frame closes below the tenth.
struct Grille {
  int x;
  int y;
  int largeurCase;
  int hauteurCase;
};

// Lines under a rule of dashes: the rule on the row above premiereRangee, what it heads (a
// question, a hint) on the row above the rule.
struct Choix {
  int x;
  int premiereRangee;
  int largeurRegle;
};

struct Disposition {
  // A game: the human's own board (ships, the computer's shots) and the target board.
  Grille grilleJoueur;
  Grille grilleCible;
  // Each player's name, then a frame holding the score, the shots and the hits on its three rows.
  struct Panneaux {
    int xJoueur;  // the frame's left column; the texts start decalageTexte further
    int xOrdinateur;
    int decalageTexte;
    int rangeeNom;
    int rangeeCadre;
    int largeurCadre;
    int hauteurCadre;
  } panneaux;
  Point touches;            // the key line
  Point messageSauvegarde;  // written over the row of the quit question
  Point question;           // the quit question; "Oui" and "Non" on the two rows below it
  Point finDevoilee;        // the line under the revealed fleet at the end

  // Placing the fleet: the question's answers, the board and the panel at its right.
  Choix choixPlacement;
  Grille grillePlacement;
  struct InfoPlacement {
    int x;
    int rangeeCompte;
    int rangeeBateau;   // the name follows the label on this row
    int rangeeTouches;  // then one row a key
  } infoPlacement;

  // The menus: a rule, the hint, a rule, then the entries.
  Choix menu;
  // The rule drawn when a saved game cannot be loaded, the message on the row below.
  Choix echecChargement;

  // The best-scores table: the heading, a rule, one row a record from the third, a closing rule,
  // and the right edge on column x + largeur - 1.
  struct TableScores {
    int x;
    int y;
    int largeur;
    int colonneNom;
    int colonneScore;
    int colonneTirs;
    int colonneTouches;
  } scores;
};

// The screens of the described game, on a 110 x 45 terminal.
inline constexpr Disposition DISPOSITION_DECRITE{
    .grilleJoueur = {10, 5, 4, 2},
    .grilleCible = {60, 5, 4, 2},
    .panneaux = {.xJoueur = 10,
                 .xOrdinateur = 60,
                 .decalageTexte = 15,
                 .rangeeNom = 26,
                 .rangeeCadre = 27,
                 .largeurCadre = 40,
                 .hauteurCadre = 4},
    .touches = {35, 35},
    .messageSauvegarde = {25, 32},
    .question = {1, 32},
    .finDevoilee = {1, 33},
    .choixPlacement = {1, 3, 30},
    .grillePlacement = {5, 3, 4, 2},
    .infoPlacement = {.x = 52, .rangeeCompte = 5, .rangeeBateau = 6, .rangeeTouches = 10},
    .menu = {1, 4, 33},
    .echecChargement = {1, 10, 25},
    .scores = {.x = 1,
               .y = 1,
               .largeur = 70,
               .colonneNom = 15,
               .colonneScore = 33,
               .colonneTirs = 45,
               .colonneTouches = 60},
};

// The same screens in an 80 x 24 window: boards of cells three columns wide (a bar and two
// characters) and one row high, side by side, the panels under them, the questions at the bottom.
inline constexpr Disposition DISPOSITION_COMPACTE{
    .grilleJoueur = {4, 2, 3, 1},
    .grilleCible = {44, 2, 3, 1},
    .panneaux = {.xJoueur = 4,
                 .xOrdinateur = 44,
                 .decalageTexte = 5,
                 .rangeeNom = 14,
                 .rangeeCadre = 15,
                 .largeurCadre = 30,
                 .hauteurCadre = 4},
    .touches = {14, 20},
    .messageSauvegarde = {7, 21},
    .question = {1, 21},
    .finDevoilee = {1, 22},
    .choixPlacement = {1, 3, 30},
    .grillePlacement = {4, 3, 3, 1},
    .infoPlacement = {.x = 40, .rangeeCompte = 4, .rangeeBateau = 5, .rangeeTouches = 8},
    .menu = {1, 4, 33},
    .echecChargement = {1, 10, 25},
    .scores = DISPOSITION_DECRITE.scores,
};

// The layout of the screens as they are drawn now: the one place where it is chosen. It follows
// the window, so a screen that draws again after a key asks for it again.
inline const Disposition& disposition(const Reglages& pReglages) {
  return pReglages.compact || consoleCompacte() ? DISPOSITION_COMPACTE : DISPOSITION_DECRITE;
}

// The left column of a player's panel: 2 is the computer; any other id counts as the human.
inline int xPanneau(const Disposition& pDisposition, int pIdJoueur) {
  return pIdJoueur == 2 ? pDisposition.panneaux.xOrdinateur : pDisposition.panneaux.xJoueur;
}
