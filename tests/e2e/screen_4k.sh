#!/usr/bin/env bash
# A player on a 3840 x 2160 desktop, full screen: the frame fills the screen's
# height, 2880 x 2160 (4.5 times), centred between black bars, and is drawn
# smoothly from the art made at twice the size: the start screen's middle,
# its buttons and words, is its 2x image enlarged bilinearly, neither that
# image enlarged in blocks nor the 1x image enlarged.
#   screen_4k.sh GAME DATA_DIR SCREENSHOT_DIR
# It runs on an X screen of its own of that size.
[ -n "${E2E_4K_SCREEN:-}" ] ||
    exec env E2E_4K_SCREEN=1 xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
printf '1.00\n0.75\n1\n' >"$E2E_WORK/CryptSLIDERS.cfg"
e2e_start
e2e_key a  # skips the logo
# What lies under the frame's middle, 960 x 720 at 960,720 (logical 213,160),
# in each image, enlarged to the frame's scale: cut with a margin, so that the
# filter sees past the middle's edges as it does on the whole image.
base=$E2E_DATA/base
convert "$base/StartScreen@2x.png" -crop 480x360+400+300 +repage -filter triangle -resize '1080x810!' \
    -crop 960x720+60+45 +repage "$E2E_WORK/smooth.miff"
convert "$base/StartScreen@2x.png" -crop 480x360+400+300 +repage -filter point -resize '1080x810!' \
    -crop 960x720+60+45 +repage "$E2E_WORK/blocks.miff"
convert "$base/StartScreen.png" -crop 240x180+200+150 +repage -filter triangle -resize '1080x810!' \
    -crop 960x720+60+45 +repage "$E2E_WORK/small.miff"
# share REFERENCE: the share of the middle's pixels that differ from it by
# more than 3 % of the colour range
share() {
    compare -metric AE -fuzz 3% "$E2E_WORK/middle.miff" "$E2E_WORK/$1.miff" null: 2>&1 | awk '{ printf "%.4f", $1 / (960 * 720) }'
}
e2e_sleep 1.5  # the logo's fade
for _ in $(seq 20); do
    import -window root "$E2E_WORK/screen.miff" || e2e_fail "no screenshot"
    convert "$E2E_WORK/screen.miff" -crop 960x720+1440+720 +repage "$E2E_WORK/middle.miff"
    awk -v s="$(share smooth)" 'BEGIN { exit !(s < 0.01) }' && break
    e2e_sleep 0.3
done
convert "$E2E_WORK/middle.miff" "$E2E_SHOTS/e2e_4k_start_middle.png"
# The screen trimmed of its black: the frame alone.
frame=$(convert "$E2E_WORK/screen.miff" -format '%[fx:p{0,0}.r + p{3839,2159}.r] %@' info:)
[ "$frame" = "0 2880x2160+480+0" ] || e2e_fail "full screen at 4K: corners and frame $frame, want 0 2880x2160+480+0"
smooth=$(share smooth) blocks=$(share blocks) small=$(share small)
e2e_log "of the middle differ from the 2x image enlarged smoothly $smooth, in blocks $blocks, from the 1x image enlarged $small"
awk -v a="$smooth" -v b="$blocks" -v c="$small" 'BEGIN { exit !(a < 0.01 && b > 0.03 && c > 0.03) }' ||
    e2e_fail "the start screen at 4K is not the 2x art drawn smoothly: $E2E_SHOTS/e2e_4k_start_middle.png"
kill -TERM "$E2E_PID"
e2e_wait_exit 0
