#!/bin/sh
# Builds the game if needed and plays it in the player's data folder, where the rules, the start
# screen, the saved game and the best scores live across rebuilds.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$racine" -B "$racine/build" >/dev/null
cmake --build "$racine/build" --target korvane -j2 >/dev/null
dossier="${XDG_DATA_HOME:-$HOME/.local/share}/korvane"
mkdir -p "$dossier"
cp "$racine/data/regles.txt" "$racine/data/startScreen.txt" "$dossier/"
# The game records wins only into an existing table: start with an empty one.
[ -e "$dossier/meilleurs.dat" ] || : >"$dossier/meilleurs.dat"
cd "$dossier"
exec "$racine/build/korvane"
