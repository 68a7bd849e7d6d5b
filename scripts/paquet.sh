#!/bin/sh
# Builds the Debian package: the game alone in a Release build (no test tools needed), then
# CPack's DEB generator. Prints the package's path.
set -eu
# The maintainer, as dch takes it: DEBFULLNAME (or NAME) and DEBEMAIL (or EMAIL, either possibly
# "Name <address>"). Nobody is made up.
adresse=${DEBEMAIL:-${EMAIL:-}}
case $adresse in *'<'*'>') nomDansAdresse=yes ;; *) nomDansAdresse= ;; esac
if [ -z "$adresse" ] || [ -z "${DEBFULLNAME:-${NAME:-$nomDansAdresse}}" ]; then
  echo "paquet.sh: set DEBFULLNAME to your name and DEBEMAIL to your e-mail address: they make" >&2
  echo "the package's maintainer, as for dch (export DEBFULLNAME='Ada Marin' DEBEMAIL=ada@example.org)" >&2
  exit 1
fi
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$racine/build-paquet
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DKORVANE_TESTS=OFF \
  -DKORVANE_BENCH=OFF >/dev/null
cmake --build "$construction" -j2
rm -f "$construction"/korvane_*.deb
cmake --build "$construction" --target package >/dev/null
ls "$construction"/korvane_*.deb
