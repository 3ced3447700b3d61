#!/usr/bin/env bash
# rooms.sh -- checks the code's rooms: each includes only from its own room and
# those below it (rules, engine, screens, game, then the shell in src/ itself),
# the screens and the game reach the engine through engine/engine.h, and no two
# modules include each other, however far round. Prints each fault.
set -euo pipefail
cd "$(dirname "$0")/../src"

rank() {
  case $1 in
    rules/*) echo 1 ;;
    engine/*) echo 2 ;;
    screens/*) echo 3 ;;
    game/*) echo 4 ;;
    *) echo 5 ;;
  esac
}

faults=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
  from=${file%.*}
  while IFS= read -r inc; do
    to=${inc%.*}
    [ "$to" = "$from" ] && continue
    echo "$from $to" >>"$edges"
    if (($(rank "$inc") > $(rank "$file"))); then
      echo "rooms: $file includes $inc, from a room above its own"
      faults=1
    fi
    # The screens and the game see the engine through its one header.
    if [[ $file == screens/* || $file == game/* ]] && [[ $inc == engine/* && $inc != engine/engine.h ]]; then
      echo "rooms: $file includes $inc; the screens and the game include engine/engine.h"
      faults=1
    fi
  done < <(sed -n 's/^#include "\(.*\)"$/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

# tsort names the modules of any circle of includes on stderr.
if ! tsort "$edges" >/dev/null 2>"$edges.loop" || [ -s "$edges.loop" ]; then
  sed 's/^tsort: .*: input contains a loop:/rooms: a circle of includes:/; s/^tsort: /rooms:   /' "$edges.loop"
  faults=1
fi
rm -f "$edges.loop"
exit $faults
