#!/bin/sh
# Builds the game (only the game: the test tools are not needed to play), installs it inside its
# build folder and runs the installed `korvane` command, which prepares the player's data folder
# and plays there: the same preparation as an installed game, so saves and scores outlive rebuilds.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$racine/build-jeu
echo "Compilation de KORVANE..."
cmake -S "$racine" -B "$construction" -DKORVANE_TESTS=OFF -DKORVANE_BENCH=OFF >/dev/null
cmake --build "$construction" -j2
cmake --install "$construction" --prefix "$construction/installe" >/dev/null
exec "$construction/installe/bin/korvane" "$@"
