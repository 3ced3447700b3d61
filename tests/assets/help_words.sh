#!/usr/bin/env bash
# help_words.sh DATA_DIR -- the help pages read as a player reads them: each
# page over the help's frame and its English words over both, enlarged and read by OCR, says the words a
# player needs there.
#   help_words.sh build/data
set -euo pipefail
data=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# page | words it must say (OCR reads the game's font reliably at twice its size)
expect=(
  "1|Escape puts back"
  "1|A lifts and drops, B puts back"
  "2|Alt+Return or F11"
  "2|pad Start"
  "4|R (pad X)"
)
status=0
for e in "${expect[@]}"; do
  page=${e%%|*} words=${e#*|}
  convert "$data/help/helpbase.png" "$data/help/help$page.png" -composite "$data/words/en/help/help$page.webp" \
    -composite -resize 200% -colorspace Gray -negate \
    "$scratch/page.png"
  tesseract "$scratch/page.png" "$scratch/page" >/dev/null 2>&1
  if ! tr '\n' ' ' <"$scratch/page.txt" | grep -qF "$words"; then
    echo "help page $page does not say \"$words\"; it reads:"
    cat "$scratch/page.txt"
    status=1
  fi
done
exit $status
