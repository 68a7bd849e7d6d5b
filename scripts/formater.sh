#!/bin/sh
# Formats C++ sources with the repository's .clang-format: the files given, or every tracked one.
# Only *.cpp and *.hpp ever reach clang-format: it takes any other file for C++ and garbles it
# (a Markdown file, a script).
set -eu
cd "$(dirname "$0")/.."
if [ "$#" -eq 0 ]; then
  git ls-files -z -- '*.cpp' '*.hpp' | xargs -0 -r clang-format -i
  exit 0
fi
for fichier in "$@"; do
  case $fichier in
    *.cpp | *.hpp) clang-format -i "$fichier" ;;
    *) echo "formater.sh: $fichier is not C++: left as it is" >&2 ;;
  esac
done
