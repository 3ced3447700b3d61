# lib.sh -- shared helpers for the end-to-end tests of the game binary.
#
# Each scenario script sources this file and calls e2e_init with its own
# arguments:  GAME DATA_DIR SCREENSHOT_DIR
# (all three may also come from the environment as E2E_GAME, E2E_DATA and
# E2E_SHOTS). The game runs in a throw-away working directory whose "data" tree
# is made of per-file symlinks into the build's data tree, so that single files
# can be left out. The X display comes from DISPLAY (xvfb-run sets it).

set -u

E2E_NAME=$(basename "${0%.sh}")
E2E_WORK=""
E2E_PID=""
E2E_WID=""
E2E_OUT=""
E2E_STATUS=""
E2E_SHOT=""
E2E_KEEPER=""

e2e_fail() {
    echo "FAIL [$E2E_NAME]: $*" >&2
    if [ -n "$E2E_OUT" ] && [ -s "$E2E_OUT" ]; then
        echo "--- game stdout ---" >&2
        cat "$E2E_OUT" >&2
    fi
    if [ -n "$E2E_OUT" ] && [ -s "$E2E_OUT.err" ]; then
        echo "--- game stderr ---" >&2
        cat "$E2E_OUT.err" >&2
    fi
    exit 1
}

e2e_log() {
    echo "[$E2E_NAME] $*"
}

# Kills a game still running when the script ends (a failed check, a timeout)
# and removes the working directory.
e2e_cleanup() {
    if [ -n "$E2E_PID" ] && e2e_alive; then
        kill -KILL "$E2E_PID" 2>/dev/null
        wait "$E2E_PID" 2>/dev/null
    fi
    if [ -n "$E2E_KEEPER" ]; then
        kill "$E2E_KEEPER" 2>/dev/null
        wait "$E2E_KEEPER" 2>/dev/null
    fi
    if [ -n "$E2E_WORK" ] && [ -d "$E2E_WORK" ]; then
        rm -rf "$E2E_WORK"
    fi
}

# An X server started without -noreset (xvfb-run's default) resets itself
# whenever its last client disconnects, and refuses connections while it does:
# a game started just after the previous one ended could then fail to open
# its window. An idle client holding a connection for the whole script keeps
# the server from resetting; it retries until its connection has been accepted.
e2e_hold_display() {
    local tries
    for tries in $(seq 50); do
        xdotool sleep 3600 2>/dev/null &
        E2E_KEEPER=$!
        sleep 0.25
        if ps -o stat= -p "$E2E_KEEPER" 2>/dev/null | grep -qv '^Z'; then
            return 0
        fi
        wait "$E2E_KEEPER" 2>/dev/null
        E2E_KEEPER=""
    done
    e2e_fail "cannot connect to the X display $DISPLAY"
}

e2e_init() {
    E2E_GAME=${1:-${E2E_GAME:-}}
    E2E_DATA=${2:-${E2E_DATA:-}}
    E2E_SHOTS=${3:-${E2E_SHOTS:-}}
    [ -n "$E2E_GAME" ] && [ -n "$E2E_DATA" ] && [ -n "$E2E_SHOTS" ] ||
        e2e_fail "usage: $0 GAME DATA_DIR SCREENSHOT_DIR"
    [ -x "$E2E_GAME" ] || e2e_fail "game binary $E2E_GAME is not an executable"
    [ -d "$E2E_DATA" ] || e2e_fail "data directory $E2E_DATA does not exist"
    [ -n "${DISPLAY:-}" ] || e2e_fail "no DISPLAY: run under xvfb-run"
    for tool in xdotool import convert compare; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
    done
    E2E_GAME=$(realpath "$E2E_GAME")
    E2E_DATA=$(realpath "$E2E_DATA")
    mkdir -p "$E2E_SHOTS" || e2e_fail "cannot create $E2E_SHOTS"
    E2E_SHOTS=$(realpath "$E2E_SHOTS")
    trap e2e_cleanup EXIT
    trap 'e2e_fail "interrupted"' INT TERM
    e2e_hold_display
}

# e2e_workdir [RELATIVE_PATH...]
# Makes the working directory with a data tree mirroring the build's, leaving
# out the named files (paths relative to the data directory, e.g.
# base/LithosPro-Regular.otf).
e2e_workdir() {
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-e2e.XXXXXX") || e2e_fail "mktemp failed"
    E2E_OUT="$E2E_WORK/stdout.txt"
    local omit rel found
    for omit in "$@"; do
        [ -e "$E2E_DATA/$omit" ] || e2e_fail "cannot leave out $omit: not in $E2E_DATA"
    done
    (cd "$E2E_DATA" && find . -type d) | while read -r rel; do
        mkdir -p "$E2E_WORK/data/$rel"
    done
    while read -r rel; do
        rel=${rel#./}
        found=0
        for omit in "$@"; do
            [ "$rel" = "$omit" ] && found=1
        done
        [ $found = 1 ] && continue
        ln -s "$E2E_DATA/$rel" "$E2E_WORK/data/$rel" || e2e_fail "cannot link $rel"
    done < <(cd "$E2E_DATA" && find . \( -type f -o -type l \))
    for omit in "$@"; do
        [ ! -e "$E2E_WORK/data/$omit" ] || e2e_fail "$omit was not left out"
    done
}

# e2e_start [NAME=VALUE...]
# Starts the game in the working directory, with the given extra environment,
# stdout to $E2E_OUT and stderr to $E2E_OUT.err.
e2e_start() {
    [ -n "$E2E_WORK" ] || e2e_workdir
    # A background job of a script starts with SIGINT ignored; the game gets
    # the default handling it would have when started from a terminal.
    (cd "$E2E_WORK" && exec env --default-signal=INT "$@" "$E2E_GAME") >"$E2E_OUT" 2>"$E2E_OUT.err" &
    E2E_PID=$!
    e2e_log "started game, pid $E2E_PID"
}

# True while the game process exists and has not yet exited (a zombie waiting
# to be reaped counts as exited).
e2e_alive() {
    local state
    state=$(ps -o stat= -p "$E2E_PID" 2>/dev/null) || return 1
    case "$state" in
    Z*) return 1 ;;
    *) return 0 ;;
    esac
}

# e2e_wait_window [TIMEOUT_SECONDS]  -> E2E_WID
# Waits for the game's top-level window, titled exactly "CryptSLIDERS".
e2e_wait_window() {
    local timeout=${1:-10} deadline ids
    deadline=$((SECONDS + timeout))
    while [ $SECONDS -lt $deadline ]; do
        if ! e2e_alive; then
            wait "$E2E_PID"
            E2E_STATUS=$?
            E2E_PID=""
            e2e_fail "the game exited with status $E2E_STATUS before its window appeared"
        fi
        ids=$(xdotool search --onlyvisible --name '^CryptSLIDERS$' 2>/dev/null)
        if [ -n "$ids" ]; then
            E2E_WID=$(echo "$ids" | head -n 1)
            e2e_log "window $E2E_WID"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "no window titled CryptSLIDERS within ${timeout}s"
}

# Sleeps, failing at once if the game ended meanwhile.
e2e_sleep_alive() {
    sleep "$1"
    e2e_alive || e2e_fail "the game exited unexpectedly"
}

# e2e_shot NAME  -> E2E_SHOT, the path of the PNG taken of the game's window
e2e_shot() {
    local file="$E2E_SHOTS/$1.png"
    import -window "$E2E_WID" "$file" 2>"$E2E_WORK/import.err" ||
        import -window root -crop 640x480+0+0 +repage "$file" 2>>"$E2E_WORK/import.err" ||
        e2e_fail "screenshot $1 failed: $(cat "$E2E_WORK/import.err")"
    E2E_SHOT=$file
}

# e2e_shot_screen NAME  -> E2E_SHOT, the path of the PNG taken of the whole screen
e2e_shot_screen() {
    local file="$E2E_SHOTS/$1.png"
    import -window root "$file" 2>"$E2E_WORK/import.err" ||
        e2e_fail "screenshot $1 failed: $(cat "$E2E_WORK/import.err")"
    E2E_SHOT=$file
}

# e2e_trim_black IN OUT  -- OUT is IN without its pure black borders
e2e_trim_black() {
    convert "$1" -bordercolor black -border 1 -trim +repage "$2" ||
        e2e_fail "cannot trim $1"
}

# e2e_size FILE  -> WIDTHxHEIGHT
e2e_size() {
    identify -format '%wx%h' "$1"
}

# e2e_brightness FILE  -> mean grey level, 0 (black) .. 1 (white)
e2e_brightness() {
    convert "$1" -colorspace gray -format '%[fx:mean]' info:
}

# e2e_expect_not_black FILE [WHAT]
e2e_expect_not_black() {
    local mean
    mean=$(e2e_brightness "$1") || e2e_fail "cannot measure $1"
    e2e_log "${2:-$1}: mean brightness $mean"
    awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' ||
        e2e_fail "${2:-$1} is black (mean brightness $mean, want > 0.05): $1"
}

# e2e_difference A B  -> normalised RMS difference of two same-sized images, 0 .. 1
e2e_difference() {
    compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# e2e_expect_different A B WHAT
e2e_expect_different() {
    local diff
    diff=$(e2e_difference "$1" "$2")
    [ -n "$diff" ] || e2e_fail "cannot compare $1 and $2"
    e2e_log "$3: RMS difference $diff"
    awk -v d="$diff" 'BEGIN { exit !(d > 0.05) }' ||
        e2e_fail "$3: the images are (nearly) the same (RMS difference $diff): $1 $2"
}

# e2e_expect_shows SHOT REFERENCE WHAT
# The screenshot shows the reference picture (both the window's size): the
# game draws its full-screen images 1:1, so they match nearly exactly.
e2e_expect_shows() {
    local diff
    [ "$(e2e_size "$1")" = "$(e2e_size "$2")" ] ||
        e2e_fail "$3: screenshot $1 is $(e2e_size "$1"), want $(e2e_size "$2")"
    diff=$(e2e_difference "$1" "$2")
    [ -n "$diff" ] || e2e_fail "cannot compare $1 and $2"
    e2e_log "$3: RMS difference from $(basename "$2") $diff"
    awk -v d="$diff" 'BEGIN { exit !(d < 0.03) }' ||
        e2e_fail "$3: the screen does not show $(basename "$2") (RMS difference $diff, want < 0.03): $1"
}

# e2e_wait_shows REFERENCE NAME TIMEOUT_SECONDS [screen]  -> E2E_SHOT
# Takes screenshots of the window until one shows the reference picture. With
# "screen", the shots are of the whole screen with its black borders trimmed
# (a full-screen game on a larger display).
e2e_wait_shows() {
    local deadline diff
    deadline=$(awk -v n="$(date +%s.%N)" -v t="$3" 'BEGIN { printf "%.3f", n + t }')
    while :; do
        e2e_alive || e2e_fail "the game exited while waiting for $(basename "$1")"
        if [ "${4:-}" = screen ]; then
            e2e_shot_screen "$2"
            e2e_trim_black "$E2E_SHOT" "$E2E_SHOT"
        else
            e2e_shot "$2"
        fi
        diff=$(e2e_difference "$E2E_SHOT" "$1")
        if [ -n "$diff" ] && awk -v d="$diff" 'BEGIN { exit !(d < 0.03) }'; then
            return 0
        fi
        awk -v n="$(date +%s.%N)" -v d="$deadline" 'BEGIN { exit !(n < d) }' ||
            e2e_fail "the screen did not show $(basename "$1") within $3 s (last RMS difference $diff): $E2E_SHOT"
        sleep 0.2
    done
}

# e2e_now  -> seconds since the epoch, with fractions
e2e_now() {
    date +%s.%N
}

# e2e_elapsed SINCE  -> seconds since SINCE (an e2e_now value), 2 decimals
e2e_elapsed() {
    awk -v n="$(date +%s.%N)" -v s="$1" 'BEGIN { printf "%.2f", n - s }'
}

# e2e_key KEY  -- a key press and release into the game's window
e2e_key() {
    e2e_alive || e2e_fail "cannot send $1: the game is not running"
    timeout 3 xdotool windowfocus --sync "$E2E_WID" 2>/dev/null || xdotool windowfocus "$E2E_WID" 2>/dev/null
    xdotool key --clearmodifiers "$1" || e2e_fail "xdotool could not send $1"
    e2e_log "sent $1"
}

# e2e_wait_exit [TIMEOUT_SECONDS]  -> E2E_STATUS
# Waits for the game to end; kills it and fails after the timeout.
e2e_wait_exit() {
    local timeout=${1:-20} deadline
    deadline=$((SECONDS + timeout))
    while e2e_alive; do
        if [ $SECONDS -ge $deadline ]; then
            kill -KILL "$E2E_PID" 2>/dev/null
            wait "$E2E_PID" 2>/dev/null
            E2E_PID=""
            e2e_fail "the game did not end within ${timeout}s"
        fi
        sleep 0.05
    done
    wait "$E2E_PID"
    E2E_STATUS=$?
    E2E_PID=""
    e2e_log "game ended with status $E2E_STATUS"
    # The X server drops a departed client's windows a moment later; a game
    # started next must not be mistaken for this one by its window.
    while [ -n "$E2E_WID" ] && [ $SECONDS -lt $((deadline + 3)) ] &&
        [ -n "$(xdotool search --name '^CryptSLIDERS$' 2>/dev/null)" ]; do
        sleep 0.05
    done
    E2E_WID=""
}

# e2e_expect_status WANT
e2e_expect_status() {
    [ "$E2E_STATUS" = "$1" ] || e2e_fail "exit status $E2E_STATUS, want $1"
}

# e2e_expect_line PREFIX...  -- stdout has a line starting with one of the prefixes
e2e_expect_line() {
    local p
    for p in "$@"; do
        awk -v p="$p" 'index($0, p) == 1 { found = 1 } END { exit !found }' "$E2E_OUT" && return 0
    done
    e2e_fail "stdout has no line starting with: $*"
}

# e2e_expect_no_output  -- nothing on stdout
e2e_expect_no_output() {
    [ ! -s "$E2E_OUT" ] || e2e_fail "stdout is not empty"
}

# Pointer actions at window coordinates.
pointer_to() {
    xdotool mousemove --window "$E2E_WID" --sync "$1" "$2" 2>/dev/null || xdotool mousemove --window "$E2E_WID" "$1" "$2"
}
click_at() {
    pointer_to "$1" "$2"
    xdotool click 1 || e2e_fail "xdotool could not click at $1,$2"
    e2e_log "clicked $1,$2"
}

# e2e_drag X0 Y0 X1 Y1 -- a left-button drag in small steps, as a hand makes it.
e2e_drag() {
    local i
    pointer_to "$1" "$2"
    xdotool mousedown 1 || e2e_fail "xdotool could not press at $1,$2"
    for i in 1 2 3 4; do
        pointer_to $(($1 + ($3 - $1) * i / 4)) $(($2 + ($4 - $2) * i / 4))
        sleep 0.05
    done
    xdotool mouseup 1 || e2e_fail "xdotool could not release at $3,$4"
    e2e_log "dragged $1,$2 to $3,$4"
}

# e2e_pixel SHOT X Y  -> "R G B" of one pixel
e2e_pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# e2e_count_yellow SHOT X Y W H  -> number of bright yellow pixels in the box
e2e_count_yellow() {
    convert "$1" -crop "$4x$5+$2+$3" +repage txt:- |
        awk -F'[(),]' 'NR > 1 && $3 > 200 && $4 > 200 && $5 < 90 { n++ } END { print n + 0 }'
}
