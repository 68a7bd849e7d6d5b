#!/bin/sh
# Builds the sanitizer configuration (AddressSanitizer, UndefinedBehaviorSanitizer, leaks are
# failures), runs the whole test suite, then runs each fuzz target briefly on its seed corpus.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
# The checks' own tools beyond the build's (the linters, the package's lint, the catalogues'
# compiler): installed with apt when missing, where this runs as root; otherwise their checks
# are skipped, and say so.
manquants=""
command -v clang-tidy >/dev/null 2>&1 || manquants="$manquants clang-tidy"
command -v lintian >/dev/null 2>&1 || manquants="$manquants lintian"
command -v msgfmt >/dev/null 2>&1 || manquants="$manquants gettext"
if [ -n "$manquants" ] && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "== installing$manquants"
  # shellcheck disable=SC2086 # one word a package
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $manquants ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      --no-install-recommends $manquants; } ||
    echo "could not install$manquants: their checks are skipped" >&2
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cmake -S . -B build-test -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DKORVANE_SANITIZE=ON -DKORVANE_WERROR=ON -DKORVANE_BENCH=OFF
cmake --build build-test -j2
ctest --test-dir build-test --output-on-failure -j2 -LE lent
# The real terminals (tmux, pseudo-terminals), the install, the package and the monkeys, on their
# own: a real terminal under load can miss its time limits, so a failure there is run once more
# and must pass then (a fault that is really there fails both times).
ctest --test-dir build-test --output-on-failure -j2 -L lent --repeat until-pass:2

# The linters of .clang-tidy over the game's sources, when clang-tidy is installed.
if command -v clang-tidy >/dev/null 2>&1; then
  echo "== clang-tidy"
  find src -name '*.cpp' -print0 | xargs -0 -P2 -n8 clang-tidy -p build-test --quiet
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVANE_SANITIZE=ON -DKORVANE_FUZZ=ON -DKORVANE_WERROR=ON -DKORVANE_TESTS=OFF \
  -DKORVANE_BENCH=OFF
cmake --build build-fuzz -j2
for cible in sauv scores clavier saisie; do
  # New inputs go to a scratch copy: the committed corpus stays as it is.
  travail=$(mktemp -d)
  mkdir "$travail/corpus"
  cp fuzz/corpus/$cible/* "$travail/corpus/"
  echo "== fuzz $cible"
  if ! "build-fuzz/${cible}_fuzz" -max_total_time="${KORVANE_FUZZ_SECONDES:-30}" \
    -print_final_stats=1 -artifact_prefix="$travail/" "$travail/corpus" >"$travail/log" 2>&1; then
    tail -n 60 "$travail/log" >&2
    echo "fuzzing $cible found a failing input" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$travail/log"
  rm -rf "$travail"
done
