# lib.sh -- helpers for the end-to-end scripts: the real game in a scratch
# working directory on the X display (DISPLAY, set by xvfb-run), driven with
# xdotool and judged by screenshots, exit status and standard output.
# A script sources it and calls e2e_init GAME DATA_DIR SCREENSHOT_DIR.
set -u
E2E_NAME=$(basename "${0%.sh}")
E2E_WORK="" E2E_PID="" E2E_WID="" E2E_KEEPER="" E2E_WM="" E2E_SHOT=""
E2E_ARGS=()  # the game's command line

e2e_log() { echo "[$E2E_NAME] $*"; }
e2e_fail() {
    echo "FAIL [$E2E_NAME]: $*" >&2
    [ -z "$E2E_WORK" ] || cat "$E2E_WORK/stdout.txt" "$E2E_WORK/stderr.txt" >&2 2>/dev/null
    exit 1
}

# alive PID: the process exists and has not exited (a zombie has).
alive() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) && [ "${s:0:1}" != Z ]; }

e2e_cleanup() {
    [ -z "$E2E_PID" ] || kill -KILL "$E2E_PID" 2>/dev/null
    [ -z "$E2E_KEEPER" ] || kill "$E2E_KEEPER" 2>/dev/null
    [ -z "$E2E_WM" ] || kill "$E2E_WM" 2>/dev/null
    wait 2>/dev/null
    [ -z "$E2E_WORK" ] || rm -rf "$E2E_WORK"
}

e2e_init() {
    E2E_GAME=$(realpath "$1") E2E_DATA=$(realpath "$2") E2E_SHOTS=$3
    mkdir -p "$E2E_SHOTS" || e2e_fail "cannot create $E2E_SHOTS"
    trap e2e_cleanup EXIT
    # A server without -noreset resets when its last client leaves and refuses
    # connections meanwhile; an idle client held for the whole script keeps it
    # from resetting between two starts of the game.
    for _ in $(seq 50); do
        xdotool sleep 3600 2>/dev/null &
        E2E_KEEPER=$!
        sleep 0.2
        alive "$E2E_KEEPER" && break
    done
    alive "$E2E_KEEPER" || e2e_fail "cannot connect to the X display $DISPLAY"
    # With E2E_WINDOW_MANAGER (openbox), a window manager runs, as on any
    # desktop: SDL2, under sdl12-compat, leaves full screen to it.
    [ -n "${E2E_WINDOW_MANAGER:-}" ] || return 0
    local ready="$E2E_SHOTS/.wm-ready.$$"
    "$E2E_WINDOW_MANAGER" --startup "touch $ready" >/dev/null 2>&1 &
    E2E_WM=$!
    for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
    rm -f "$ready"
}

# e2e_art FILE: the image of the data tree as the game shows it in English,
# its words (words/en/, where it has some) laid over it; prints its path.
e2e_art() {
    local words="$E2E_DATA/words/en/${1%.*}.webp" out="$E2E_SHOTS/art/${1%.*}.png"
    mkdir -p "$(dirname "$out")"
    if [ -f "$words" ]; then
        convert "$E2E_DATA/$1" "$words" -composite "PNG24:$out" || e2e_fail "cannot lay the words over $1"
    else
        convert "$E2E_DATA/$1" "PNG24:$out" || e2e_fail "cannot read $1"
    fi
    echo "$out"
}

# e2e_workdir [FILE...]: a fresh working directory whose data tree links every
# file of the build's, but the named ones (relative to the data directory).
e2e_workdir() {
    [ -z "$E2E_WORK" ] || rm -rf "$E2E_WORK"
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-e2e.XXXXXX") || e2e_fail "mktemp failed"
    cp -rs "$E2E_DATA" "$E2E_WORK/data" || e2e_fail "cannot link the data tree"
    for f in "$@"; do rm "$E2E_WORK/data/$f" || e2e_fail "cannot leave out $f"; done
}

# e2e_level N NAME SECONDS TOP BOTTOM: the working directory's level N made
# the test's own, without the opening images: a 2 x 2 picture of red, green,
# blue and yellow cells (tiles 101 to 104), its two rows laid on the board's
# first two rows as TOP and BOTTOM say ("102,101," "103,104,": the top
# cells swapped).
e2e_level() {
    local dir="$E2E_WORK/data/level$1"
    rm -rf "$E2E_WORK/data/opening" "$dir"
    mkdir -p "$dir"
    convert -size 33x33 xc:'rgb(220,40,40)' xc:'rgb(40,220,40)' +append \
        \( -size 33x33 xc:'rgb(40,40,220)' xc:'rgb(230,230,40)' +append \) -append "$dir/owl.png"
    printf 'name=%s\nrotate=0\ntime=%s\nmatch=1\npic=1,2,2,66,66,owl.png\ndata=%s%s%s%s\n' "$2" "$3" \
        "$4" "$(printf '0,%.0s' $(seq 7))" "$5" "$(printf '0,%.0s' $(seq 70))" >"$dir/level.dat"
}

# e2e_start [ENV...]: the game in the working directory with the given
# environment and E2E_ARGS, stdout and stderr to files there; waits up to 10 s for its
# window, titled "CryptSLIDERS".
e2e_start() {
    [ -n "$E2E_WORK" ] || e2e_workdir
    # A script's background job starts with SIGINT ignored; the game gets the
    # default handling it has when started from a terminal.
    (cd "$E2E_WORK" && exec env --default-signal=INT "$@" "$E2E_GAME" "${E2E_ARGS[@]}") >"$E2E_WORK/stdout.txt" 2>"$E2E_WORK/stderr.txt" &
    E2E_PID=$!
    local deadline=$((SECONDS + 10))
    while [ $SECONDS -lt $deadline ]; do
        alive "$E2E_PID" || e2e_fail "the game ended before its window appeared"
        E2E_WID=$(xdotool search --onlyvisible --name '^CryptSLIDERS$' 2>/dev/null | head -n 1)
        [ -z "$E2E_WID" ] || return 0
        sleep 0.1
    done
    e2e_fail "no window within 10 s"
}

e2e_sleep() { sleep "$1" && alive "$E2E_PID" || e2e_fail "the game ended unexpectedly"; }

# e2e_shot NAME [screen]: a PNG of the window (or of the whole screen) -> E2E_SHOT
e2e_shot() {
    E2E_SHOT="$E2E_SHOTS/$1.png"
    import -window "$([ "${2:-}" = screen ] && echo root || echo "$E2E_WID")" "$E2E_SHOT" 2>/dev/null ||
        e2e_fail "screenshot $1 failed"
}

# e2e_rms A B: the normalised RMS difference of two images of one size, 0 .. 1
e2e_rms() {
    compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# e2e_expect A B '<'|'>' LIMIT WHAT: the images' RMS difference is below or above LIMIT.
e2e_expect() {
    local d
    d=$(e2e_rms "$1" "$2")
    e2e_log "$5: RMS difference $d"
    [ -n "$d" ] && awk -v d="$d" -v l="$4" -v op="$3" 'BEGIN { exit !(op == "<" ? d < l : d > l) }' ||
        e2e_fail "$5: RMS difference ${d:-?}, want $3 $4: $1 $2"
}

# e2e_wait_shows REFERENCE NAME SECONDS [screen]: screenshots until one shows
# the reference image (the game draws its full-screen images 1:1); with
# "screen", of the whole screen trimmed of its black border.
e2e_wait_shows() { wait_matching e2e_rms "$@"; }
# e2e_wait_fading REFERENCE NAME SECONDS [screen]: the same for an image that
# fades in and out, as the logo does: a frame of either fade counts, brought to
# the reference's brightness. On a busy machine the fade-in can take most of
# the logo's few seconds and leave its full-brightness hold too short to catch.
e2e_wait_fading() { wait_matching faded_rms "$@"; }

# faded_rms SHOT REFERENCE: the RMS difference once SHOT is scaled to the
# reference's mean (a fade multiplies every pixel alike); 1 for a black frame.
faded_rms() {
    local k
    k=$(convert "$1" "$2" -format '%[fx:mean]\n' info: | awk 'NR == 1 { a = $1 } NR == 2 { b = $1 }
        END { if (a < 0.02) print 0; else print b / a }')
    [ "$k" != 0 ] || { echo 1; return; }
    convert "$1" -evaluate multiply "$k" "$E2E_WORK/faded.png" && e2e_rms "$E2E_WORK/faded.png" "$2"
}

wait_matching() {  # wait_matching MEASURE REFERENCE NAME SECONDS [screen]
    local measure=$1 end d
    shift
    end=$(awk -v s="$3" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f", n + s }')
    while alive "$E2E_PID"; do
        e2e_shot "$2" "${4:-}"
        [ "${4:-}" != screen ] || convert "$E2E_SHOT" -trim +repage "$E2E_SHOT" 2>/dev/null
        d=$("$measure" "$E2E_SHOT" "$1")
        [ -n "$d" ] && awk -v d="$d" 'BEGIN { exit !(d < 0.03) }' && return 0
        awk -v e="$end" -v n="$(date +%s.%N)" 'BEGIN { exit !(n < e) }' ||
            e2e_fail "$(basename "$1") not shown within $3 s (RMS difference ${d:-?}): $E2E_SHOT"
        sleep 0.2
    done
    e2e_fail "the game ended while waiting for $(basename "$1")"
}

e2e_key() {
    timeout 3 xdotool windowfocus --sync "$E2E_WID" 2>/dev/null
    xdotool key --clearmodifiers "$1" || e2e_fail "xdotool could not send $1"
}
pointer_to() { timeout 3 xdotool mousemove --window "$E2E_WID" --sync "$1" "$2" 2>/dev/null; }
click_at() {
    pointer_to "$1" "$2"
    xdotool click 1 || e2e_fail "xdotool could not click at $1,$2"
}

# e2e_drag X0 Y0 X1 Y1 [XR YR]: a left-button drag in steps, as a hand makes
# it, let go at XR,YR (by default the end).
e2e_drag() {
    pointer_to "$1" "$2"
    xdotool mousedown 1
    for i in 1 2 3 4; do
        pointer_to $(($1 + ($3 - $1) * i / 4)) $(($2 + ($4 - $2) * i / 4))
        sleep 0.05
    done
    pointer_to "${5:-$3}" "${6:-$4}"
    xdotool mouseup 1
}

# e2e_wait_exit [WANT_STATUS]: waits up to 10 s for the game to end, and for
# its window to go, so that the next start is not taken for this one.
e2e_wait_exit() {
    local deadline=$((SECONDS + 10)) status
    while alive "$E2E_PID"; do
        [ $SECONDS -lt $deadline ] || e2e_fail "the game did not end within 10 s"
        sleep 0.05
    done
    wait "$E2E_PID"
    status=$? E2E_PID=""
    while [ -n "$(xdotool search --name '^CryptSLIDERS$' 2>/dev/null)" ] && [ $SECONDS -lt $((deadline + 3)) ]; do
        sleep 0.05
    done
    [ -z "${1:-}" ] || [ "$status" = "$1" ] || e2e_fail "exit status $status, want $1"
}

# e2e_expect_line PREFIX...: stdout has a line starting with one of the prefixes.
e2e_expect_line() {
    for p in "$@"; do
        awk -v p="$p" 'index($0, p) == 1 { f = 1 } END { exit !f }' "$E2E_WORK/stdout.txt" && return 0
    done
    e2e_fail "stdout has no line starting with: $*"
}

# e2e_board_shows PICTURE:COLSxROWS...: every cell of each picture, as ImageMagick
# reads it scaled to its size in cells, is shown by some cell of the board in
# E2E_SHOT (upright tiles), each compared as 3 x 3 samples.
e2e_board_shows() {
    local pic ref cells cols rows tiles=0
    picture_samples() { convert "$1" -resize "$2!" -scale "$3!" -depth 8 txt:- | sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4 \5/p'; }
    for pic in "$@"; do cells=${pic##*:} && tiles=$((tiles + ${cells%x*} * ${cells#*x})); done
    {
        for pic in "$@"; do
            ref=${pic%:*} cells=${pic##*:} cols=${cells%x*} rows=${cells#*x}
            picture_samples "$ref" $((33 * cols))x$((33 * rows)) $((3 * cols))x$((3 * rows)) | sed "s|^|P $(basename "$ref") |"
        done
        convert "$E2E_SHOT" -crop 297x297+63+88 -scale 27x27! -depth 8 txt:- |
            sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/B \1 \2 \3 \4 \5/p'
    } | awk -v want="$tiles" '
        $1 == "P" { t = $2 "," int($3 / 3) "," int($4 / 3); tiles[t] = 1; k = ($3 % 3) * 3 + $4 % 3; pic[t, k] = $5 " " $6 " " $7 }
        $1 == "B" { c = int($2 / 3) "," int($3 / 3); cells[c] = 1; k = ($2 % 3) * 3 + $3 % 3; board[c, k] = $4 " " $5 " " $6 }
        END {
            for (t in tiles) {
                found = 0
                for (c in cells) {
                    d = 0
                    for (k = 0; k < 9; k++) {
                        split(pic[t, k], a, " "); split(board[c, k], b, " ")
                        for (i = 1; i <= 3; i++) d += (a[i] > b[i] ? a[i] - b[i] : b[i] - a[i])
                    }
                    if (d / 27 < 14) { found = 1; break }
                }
                n++; if (!found) { missing++; print "no board cell shows tile " t }
            }
            printf "%d tiles of the pictures, %d not on the board\n", n, missing
            exit !(n == want && missing == 0)
        }' || e2e_fail "the board does not show the pictures' tiles: $E2E_SHOT"
}
