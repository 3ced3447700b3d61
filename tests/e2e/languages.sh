#!/usr/bin/env bash
# German, French and Spanish players, each with their locale and LANGUAGE as
# their desktop sets them: the start screen, the password panel, the help
# that opens on the first level and the win screen, in a window at twice the
# size, read back by OCR in that language, say that language's words (as the
# system's own gettext translates them from the installed catalog) and none
# of the English words they replace.
#   languages.sh GAME DATA_DIR SCREENSHOT_DIR
# It runs on an X screen of its own, large enough for the window.
[ -n "${E2E_LANGUAGES_SCREEN:-}" ] ||
    exec env E2E_LANGUAGES_SCREEN=1 xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
locales=$(realpath "$E2E_DATA/../locale")

# Each screen: the places of its words in the 640 x 480 frame (x,y,w,h; a
# line of words each, read alone), then the English it shows.
start_places=(40,176,560,28 258,229,160,26 258,269,160,26 258,309,160,26 258,349,160,26)
start_words=("a picture puzzle in stone and brass" "Play" "Your pictures" "Options" "Quit")
panel_places=(200,101,234,30 100,212,440,32 296,397,50,16)
panel_words=("New game" "Enter a password" "Back")
help_places=(0,0,640,480)
help_words=("Swapping tiles" "drag and drop" "a whole picture" "Close"
    "Keys: arrows move a cursor, Space lifts and drops, Escape puts back.")
won_places=(140,76,360,52 150,152,340,30 100,226,440,32 290,396,70,18)
won_words=("Level won" "Every picture stands whole." "Password for the next level" "Next")

# words TEXT...: the words of four letters or more, lower case, one a line.
words() { printf '%s\n' "$@" | LC_ALL=C.UTF-8 sed 's/.*/\L&/' | LC_ALL=C.UTF-8 grep -oE '[[:alpha:]]{4,}' | LC_ALL=C.UTF-8 sort -u; }

# ocr PLACE: the words at a place of E2E_SHOT (a 2x frame), read as they
# are, inverted, and cut at half brightness either way (embossed words'
# shadows run their letters together for OCR; the cut parts them).
ocr() {
    local x y w h psm=7 look
    IFS=, read -r x y w h <<<"$1"
    [ "$w" -lt 600 ] || psm=3
    convert "$E2E_SHOT" -crop "$((w * 2))x$((h * 2))+$((x * 2))+$((y * 2))" +repage -colorspace Gray "$E2E_WORK/place.png"
    for look in "" "-negate" "-threshold 55% -negate" "-threshold 45%"; do
        # shellcheck disable=SC2086
        convert "$E2E_WORK/place.png" $look "$E2E_WORK/look.png"
        tesseract "$E2E_WORK/look.png" - -l "$ocr" --psm $psm 2>/dev/null || e2e_fail "tesseract failed"
    done
}

# read_screen SCREEN: its English must be gone from E2E_SHOT, and most of the
# words of its translation there; a fault is noted in faults.
faults=""
read_screen() {
    local screen=$1 places_var="${1}_places[@]" words_var="${1}_words[@]" english=() translated=() read
    for msgid in "${!words_var}"; do
        english+=("$msgid")
        translated+=("$(LANGUAGE=$lang LANG=$locale TEXTDOMAINDIR=$locales gettext -d cryptsliders "$msgid")")
    done
    read=$(for place in "${!places_var}"; do ocr "$place"; done)
    read=$(words "$read")
    local missing stray want have
    missing=$(LC_ALL=C.UTF-8 comm -23 <(words "${translated[@]}") <(echo "$read"))
    stray=$(LC_ALL=C.UTF-8 comm -12 <(LC_ALL=C.UTF-8 comm -23 <(words "${english[@]}") <(words "${translated[@]}")) <(echo "$read"))
    want=$(words "${translated[@]}" | wc -l) have=$((want - $(echo "$missing" | grep -c .)))
    e2e_log "$lang $screen: $have of $want words of the translation read${missing:+ (not: $(echo $missing))}"
    # OCR misreads a word now and then; a screen still in English reads none.
    [ -z "$stray" ] || faults+="$lang $screen shows English words: $(echo $stray) ($E2E_SHOT)"$'\n'
    [ $((have * 4)) -ge $((want * 3)) ] || faults+="$lang $screen: too few words of the translation read ($E2E_SHOT)"$'\n'
}

for player in de:de_DE.UTF-8:deu fr:fr_FR.UTF-8:fra es:es_ES.UTF-8:spa; do
    IFS=: read -r lang locale ocr <<<"$player"
    [ "$(LANGUAGE=$lang LANG=$locale TEXTDOMAINDIR=$locales gettext -d cryptsliders Play)" != Play ] ||
        e2e_fail "no $lang catalog in $locales, or the locale $locale is not generated"
    e2e_workdir
    e2e_level 1 "The Sealed Door" 600 102,101, 103,104,  # its title as the first level's, translated
    printf '1.00\n0.00\n0\n-1\n2\n' >"$E2E_WORK/CryptSLIDERS.cfg"  # as laid, the window at twice the size
    e2e_start LANGUAGE=$lang LANG=$locale CRYPTSLIDERS_LOCALEDIR="$locales"
    e2e_key a
    e2e_sleep 2.5
    e2e_shot "e2e_${lang}_start" && read_screen start
    click_at 660 500  # Play
    e2e_sleep 0.5
    e2e_shot "e2e_${lang}_password" && read_screen panel
    click_at 640 236  # New game: the help opens by itself on level 1
    e2e_sleep 1.5
    e2e_shot "e2e_${lang}_help" && read_screen help
    click_at 650 810  # Close
    e2e_sleep 0.5
    e2e_drag 158 208 224 208
    e2e_sleep 5  # the zoom, the banner, then the panel
    e2e_shot "e2e_${lang}_won" && read_screen won
    kill "$E2E_PID"
    wait "$E2E_PID" 2>/dev/null
    E2E_PID=""
done
[ -z "$faults" ] || e2e_fail "$faults"
