#!/bin/sh
# Builds the Debian package: the game alone in a Release build (no test tools needed), then
# CPack's DEB generator. Prints the package's path.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$racine/build-paquet
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DKORVANE_TESTS=OFF \
  -DKORVANE_BENCH=OFF >/dev/null
cmake --build "$construction" -j2
rm -f "$construction"/korvane_*.deb
cmake --build "$construction" --target package >/dev/null
ls "$construction"/korvane_*.deb
