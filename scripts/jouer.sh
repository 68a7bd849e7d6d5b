#!/bin/sh
# Builds the game (only the game: the test tools are not needed to play), installs it inside its
# build folder and runs the installed `korvane` command, which prepares the player's data folder
# and plays there: the same preparation as an installed game, so saves and scores outlive rebuilds.
# When nothing needs building the game starts at once, silently; a build says
# "Compilation de KORVANE..." and shows its output only when it fails or takes long.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$racine/build-jeu
mkdir -p "$construction"
journal=$construction/compilation.log

(
  set -e
  # Configured once; the build itself configures again when the CMake files change.
  [ -f "$construction/CMakeCache.txt" ] ||
    cmake -S "$racine" -B "$construction" -DKORVANE_TESTS=OFF -DKORVANE_BENCH=OFF
  cmake --build "$construction" -j2
  cmake --install "$construction" --prefix "$construction/installe"
) >"$journal" 2>&1 &
compilation=$!
# Ctrl-C or a kill while it builds stops the build too: a build left running would race the next.
trap 'kill "$compilation" 2>/dev/null' INT TERM

# A build that compiles, links or configures anything is announced; after LONGTEMPS tenths of a
# second its output so far is shown, then the rest as it comes.
LONGTEMPS=600
annonce=
dixiemes=0
montrees=0
montrer() {
  lignes=$(wc -l <"$journal")
  [ "$lignes" -le "$montrees" ] || sed -n "$((montrees + 1)),${lignes}p" "$journal"
  montrees=$lignes
}
annoncer() {
  [ -n "$annonce" ] || echo "Compilation de KORVANE..."
  annonce=oui
}
while kill -0 "$compilation" 2>/dev/null; do
  if grep -q -e 'Building' -e 'Linking' -e '^-- Configuring' "$journal"; then annoncer; fi
  if [ "$dixiemes" -ge "$LONGTEMPS" ]; then montrer; fi
  sleep 0.1
  dixiemes=$((dixiemes + 1))
done
if ! wait "$compilation"; then
  annoncer
  montrer >&2
  echo "jouer.sh: the build failed; its whole output is in $journal" >&2
  exit 1
fi
[ "$dixiemes" -lt "$LONGTEMPS" ] || montrer
exec "$construction/installe/bin/korvane" "$@"
