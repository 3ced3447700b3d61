#!/usr/bin/env bash
# test.sh -- builds CryptSLIDERS with its tests (installing what is missing) and runs them all
# under a virtual X display with a silent audio driver.
#   ./test.sh              the plain build in build/, and the browser version in build-web/
#   ./test.sh --sanitize   the unit and integration tests built with ASan and UBSan, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
ensure_packages "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
# The languages' tests run the game in each locale, as a player's system has it.
ensure_locales de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8

dir=build
labels=()
what="every test (about 4 minutes on two cores)"
opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  opts+=(-DSANITIZE=ON)
  labels=(-L "unit|integration")
  what="the unit and integration tests under the sanitizers"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
setup_build "$dir" "${opts[@]}"
export SDL_AUDIODRIVER=dummy
# The tests expect the game in English, whatever this machine's language;
# those of other languages ask for theirs.
export LANGUAGE=en
echo "Running $what under a virtual display"
# -noreset: without it the server resets whenever its last client leaves and
# refuses the next game that connects during the reset.
if [ ${#labels[@]} -eq 0 ]; then
  # The browser version (built the first time with its libraries, some
  # minutes) is tested beside the rest, on the machine's spare time.
  echo "Testing the browser version beside them (its log: $dir/web-test.log)"
  nice tests/web/run.sh "$dir" >"$dir/web-test.log" 2>&1 &
  web=$!
  labels=(-LE web)
fi
status=0
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest --test-dir "$dir" --output-on-failure --no-tests=error "${labels[@]}" ||
  status=$?
if [ -n "${web:-}" ]; then
  if wait "$web"; then
    echo "The browser version's tests passed"
  else
    tail -n 40 "$dir/web-test.log"
    echo "The browser version's tests FAILED (all of it in $dir/web-test.log)"
    status=1
  fi
fi
exit $status
