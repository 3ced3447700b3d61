#!/usr/bin/env bash
# fuzz/run.sh SECONDS [TARGET...] -- builds the libFuzzer targets with clang and
# runs each (by default all) for SECONDS on its seed corpus (committed, or for
# pictures drawn by tools/picture-seeds.sh); finds go
# to a scratch corpus, never into the repository. Prints executions and
# coverage per target, as many at once as there are cores, and fails on any
# crash, leak or undefined behaviour, keeping the input.
#   fuzz/run.sh 60      what CI runs
#   fuzz/run.sh 1800    the long run: half an hour per target
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
ensure_packages clang libclang-rt-14-dev cmake make pkg-config imagemagick webp libtiff-tools libheif-examples libavif-bin "${GAME_PACKAGES[@]}"
seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
targets=("${@:2}")
[ $# -gt 1 ] || targets=(level_parse level_play password_list help_config settings progress picture text catalog)
cmake -S . -B build-fuzz -DFUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

scratch=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-fuzz.XXXXXX")
# Leaks inside the libraries the game cannot free are the tests' own list.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
# The picture target's seeds are images, drawn anew rather than kept in git.
tools/picture-seeds.sh "$scratch/picture-seeds"
# run_one TARGET: the fuzzer for the time given; its exit status goes to a file.
run_one() {
  local t=$1 status=0
  mkdir "$scratch/$t"
  build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$scratch/$t-" \
    "$scratch/$t" $([ "$t" = picture ] && echo "$scratch/picture-seeds" || echo "fuzz/corpus/$t") >"$scratch/$t.log" 2>&1 || status=$?
  echo $status >"$scratch/$t.status"
}
# One target per core at a time: each fuzzer is a single process, so a target
# gets as many runs as it would alone, in a fraction of the wall time.
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  run_one "$t" &
done
wait
failed=0
for t in "${targets[@]}"; do
  log=$scratch/$t.log
  if [ "$(cat "$scratch/$t.status")" = 0 ]; then
    echo "fuzz $t: $seconds s, $(awk '/number_of_executed_units/ { print $2 }' "$log") runs, $(grep -o 'cov: [0-9]*' "$log" | tail -1)"
  else
    tail -40 "$log"
    echo "fuzz $t: FAILED; the crashing input is kept in $scratch" >&2
    failed=1
  fi
done
[ $failed = 0 ] || exit 1
rm -rf "$scratch"
