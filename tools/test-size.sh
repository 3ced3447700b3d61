#!/usr/bin/env bash
# test-size.sh -- the size of the tests against the code: non-blank, non-comment
# lines of tracked C, C++, shell, JavaScript and Python files (the browser tests
# are in the last two). Fails when the tests pass 35 % of the code.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  git ls-files -- "$@" | grep -E '\.(c|cc|cpp|h|hpp|sh|js|py)$' | xargs -r cat | grep -c -v -E '^\s*(//.*|#.*)?$' || true
}

tests=$(count tests fuzz)
code=$(count src tools bench)
percent=$(( code > 0 ? (tests * 1000 / code + 5) / 10 : 0 ))
echo "tests (tests/, fuzz/): $tests lines; code (src/, tools/, bench/): $code lines; tests are ${percent} % of the code"
if (( tests * 100 > code * 35 )); then
  echo "test-size: the tests are more than 35 % of the code" >&2
  exit 1
fi
