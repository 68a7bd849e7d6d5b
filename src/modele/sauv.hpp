#pragma once
// The one saved game, "save.dat": its bytes, and the file.

#include <cstdint>
#include <optional>
#include <span>

#include "modele/fichier.hpp"
#include "modele/structures.hpp"

// The bytes of the game; nothing when it is not whole (a player, a stack or ships missing).
std::optional<Octets> encoderPartie(const Tparam& pParam);
// The game these bytes hold, when they hold a whole game that could have been saved: a game in
// progress on the human's turn, every field one the game can produce, and no byte more.
std::optional<Tparam> decoderPartie(std::span<const std::uint8_t> pOctets);

bool sauverPartie(const Tparam& pParam);
// Replaces pParam by the saved game only when the file holds a whole game that could have been
// saved; otherwise pParam is left exactly as it was.
bool restaurerPartie(Tparam& pParam);

// The steps, on the bytes of the file. Each reports success.
// n and both fleets.
bool sauverBateaux(const Tparam& pParam, Octets& pTampon);
// One stack: its length, then its shots from the most recent down.
bool sauverPile(const TPile& pPile, Octets& pTampon);
// Builds both players of pParam from n and both fleets, with their occupied cells.
bool restaurerBateaux(Tparam& pParam, LecteurOctets& pLecteur);
// Both stacks, each shot checked against the fleet it was fired at.
bool restaurerPiles(Tparam& pParam, LecteurOctets& pLecteur);
