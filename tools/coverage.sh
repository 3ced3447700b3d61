#!/usr/bin/env bash
# coverage.sh -- line and branch coverage of the game's code (src/) by the whole
# test suite: builds with -DCOVERAGE=ON in build-coverage/, runs every ctest test
# there under a virtual X display (the end-to-end and package tests run the real
# game, which writes its counts as it exits) and prints the figures per file and
# in total. A developer's command; CI does not run it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
ensure_packages "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}" gcovr

dir=build-coverage
setup_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DCOVERAGE=ON
# The build runs the game's code too (the level art is drawn from the level
# files with its parser): only what the tests run counts.
find "$dir" -name '*.gcda' -delete
status=0
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  ctest --test-dir "$dir" --no-tests=error >"$dir/coverage-tests.log" 2>&1 || status=$?
tail -n 3 "$dir/coverage-tests.log"
# Branches the compiler adds for exceptions and for code it proves unreachable
# are no choice of the game's; they are left out of the branch figure.
gcovr --root . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches \
  --print-summary --txt "$dir/coverage.txt" | tail -n 3
echo "per file: $dir/coverage.txt"
[ $status = 0 ] || echo "coverage: some tests failed (see $dir/coverage-tests.log); the figures count what ran" >&2
exit $status
