#!/usr/bin/env bash
# mutants.sh -- the mutation sample: each one-line fault of tests/mutants/mutants.txt
# applied in turn to a scratch copy of the source tree, the suite run against it,
# caught or not.
#   tools/mutants.sh                        every mutant, after a run of the suite without one
#   tools/mutants.sh [--no-baseline] NAME...  only these mutants
# The copy and its build live in build-mutants/ (built once, with the data tree;
# each mutant then rebuilds the game's code and relinks what runs it). The real
# tree is never written. The suite is every ctest test that runs the game's code:
# all but the generated-asset checks and the metadata validators, which run
# none of it. It stops at the first failure; a test that hangs meets a timeout.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true  # a replacement's '&' stays a '&'
root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/tests/mutants/mutants.txt
work=$root/build-mutants
tree=$work/tree
build=$work/build
# What links the game's code and is run by a test. The level art stays as drawn
# by the unmutated levelart: relinking it would redraw the whole data tree.
# The game's code: its rooms' libraries, each rebuilt from what changed in it.
LIBS=(cryptsliders_rules cryptsliders_engine cryptsliders_screens cryptsliders_game cryptsliders_core)
RELINK=(cryptsliders unit_tests integration_tests save_crash_tests soak_tests checkdata leveldump level_art_tests)
NOT_THE_SUITE='^(Asset.*|package_metadata)$'

baseline=1
[ "${1:-}" = --no-baseline ] && { baseline=0; shift; }
wanted=("$@")

# The mutants as name, file, original, replacement, description; the chosen ones only.
sep=$'\x1f'
names=() files=() froms=() tos=() whys=()
while IFS= read -r line; do
  [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
  IFS=$'\x1f' read -r name file from to why <<<"${line// @@ /$sep}"
  [ -n "$why" ] || { echo "mutants.txt: want 5 fields separated by ' @@ ': $line" >&2; exit 2; }
  if [ ${#wanted[@]} -gt 0 ] && [[ " ${wanted[*]} " != *" $name "* ]]; then continue; fi
  names+=("$name") files+=("$file") froms+=("$from") tos+=("$to") whys+=("$why")
done <"$list"
for w in "${wanted[@]}"; do
  [[ " ${names[*]} " == *" $w "* ]] || { echo "no mutant named $w in $list" >&2; exit 2; }
done

# The copy follows the working tree's tracked files by content, so an unchanged
# file keeps its time stamp (no rebuild) and one left mutated by an interrupted
# run is written anew (rebuilt).
mkdir -p "$tree" "$work/logs"
(cd "$root" && git ls-files) >"$work/files"
while IFS= read -r f; do
  [ -f "$root/$f" ] || continue
  cmp -s "$root/$f" "$tree/$f" || { mkdir -p "$(dirname "$tree/$f")"; cp "$root/$f" "$tree/$f"; }
done <"$work/files"
(cd "$tree" && find . -type f -printf '%P\n') | { grep -vxF -f "$work/files" || true; } | (cd "$tree" && xargs -r -d '\n' rm -f)

occurrences() {  # occurrences FILE TEXT
  local content rest
  content=$(cat "$1"; printf x)  # the marker keeps the final newlines
  content=${content%x}
  rest=${content//"$2"/}
  echo $(( (${#content} - ${#rest}) / ${#2} ))
}
for i in "${!names[@]}"; do
  n=$(occurrences "$tree/${files[i]}" "${froms[i]}")
  [ "$n" = 1 ] || { echo "mutant ${names[i]}: its original text occurs $n times in ${files[i]}, want once" >&2; exit 2; }
done

source "$tree/tools/setup.sh"
ensure_packages "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
# cpack installs from this build; it must not rebuild the data tree from a mutant.
cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >"$work/logs/build.log" 2>&1 || { tail -30 "$work/logs/build.log"; exit 1; }

# run_suite LOG: 0 when every test passes.
run_suite() {
  SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
    ctest --test-dir "$build" --stop-on-failure --timeout 120 -E "$NOT_THE_SUITE" --output-on-failure >"$1" 2>&1
}
if [ $baseline = 1 ]; then
  run_suite "$work/logs/baseline.log" || {
    grep -E '\*\*\*|Failed|Timeout' "$work/logs/baseline.log" | head; echo "the suite fails without a mutant" >&2; exit 1; }
fi

# The file being mutated is put back on any exit, interrupted or not.
current=""
restore() { [ -z "$current" ] || cp "$work/original" "$tree/$current"; current=""; }
trap restore EXIT
trap 'exit 130' INT TERM

caught=0 total=0 report=()
for i in "${!names[@]}"; do
  name=${names[i]} file=${files[i]}
  start=$SECONDS
  cp "$tree/$file" "$work/original"
  current=$file
  content=$(cat "$tree/$file"; printf x)
  content=${content%x}
  printf '%s' "${content/"${froms[i]}"/"${tos[i]}"}" >"$tree/$file"
  log=$work/logs/$name.log
  if ! { make -C "$build" "${LIBS[@]/%//fast}" && make -C "$build" -j"$(nproc)" "${RELINK[@]/%//fast}"; } >"$log" 2>&1; then
    result="NOT BUILT"
  elif run_suite "$log"; then
    result="survived"; total=$((total + 1))
  else
    by=$(grep -m1 -E 'Test +#[0-9]+: .*\*\*\*' "$log" | sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/')
    result="caught by ${by:-?}"; caught=$((caught + 1)); total=$((total + 1))
  fi
  restore
  line=$(printf '%-34s %-40s %4d s  %s' "$name" "$result" $((SECONDS - start)) "${whys[i]}")
  echo "$line"
  report+=("$line")
done
# Back to the unmutated build, levelart included, whose art was drawn by this
# very code: the stamps say so, and the next run need not draw it again.
restore
if make -C "$build" "${LIBS[@]/%//fast}" >/dev/null && make -C "$build" -j"$(nproc)" "${RELINK[@]/%//fast}" levelart/fast >/dev/null; then
  touch "$build"/levelart*.stamp
fi
echo
printf '%s\n' "${report[@]}"
echo "caught $caught of $total"
