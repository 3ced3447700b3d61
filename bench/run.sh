#!/usr/bin/env bash
# bench/run.sh [RUNS] -- builds the benchmarks and prints one table: each figure
# the median of RUNS runs (default 5), ratios taken within the same run, under
# Xvfb and Mesa's software renderer with a silent audio driver. Also runs the
# soak test once for its memory growth.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
ensure_packages "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
runs=${1:-5}
setup_build build -DBUILD_TESTING=ON >/dev/null
export SDL_AUDIODRIVER=dummy
out=$(mktemp)
trap 'rm -f "$out"' EXIT

one_run() {
  local s
  cd build
  s=$(date +%s%3N); ./bench/bench_floor | sed "s/^floor_first_frame_epoch \([0-9.]*\).*/floor_startup \$(echo) \1/" | awk -v s="$s" '
    $1 == "floor_startup" { printf "floor_startup %.3f ms\n", $3 - s; next } { print }'
  s=$(date +%s%3N); ./bench/bench_game "${IDLE_SECONDS:-10}" | awk -v s="$s" '
    $1 == "game_first_frame_epoch" { printf "game_startup %.3f ms\n", $2 - s; next } { print }'
  ./bench/bench_pictures
  ./bench/bench_pictures heic
  ./bench/bench_pictures mixed
  ./bench/bench_pictures folder
}
# A window at twice the size, on a desktop that takes it: start-up, level
# loads and a frame, drawn from the 2x art.
scaled_run() {
  local s
  cd build
  s=$(date +%s%3N); ./bench/bench_floor 2 | awk -v s="$s" '
    $1 == "floor_first_frame_epoch" { printf "floor_startup_2x %.3f ms\n", $2 - s; next } { print }'
  s=$(date +%s%3N); ./bench/bench_game scaled | awk -v s="$s" '
    $1 == "game_first_frame_epoch_2x" { printf "game_startup_2x %.3f ms\n", $2 - s; next } { print }'
  ./bench/bench_pictures | sed -n 's/^photos_\(level_on_screen_ms\|peak_rss\) /photos2x_\1 /p'
}
# Full screen on a 3840 x 2160 desktop: the frame at 4.5 times between black
# bars, drawn from the 2x art; the game in a directory of its own whose
# settings ask for full screen.
fourk_run() {
  local s build=$PWD/build work
  work=$(mktemp -d) && ln -s "$build/data" "$work/data" && printf '1.00\n0.75\n1\n' >"$work/CryptSLIDERS.cfg"
  "$build/bench/bench_floor" full 4k | grep -v '^floor_first_frame_epoch'
  s=$(date +%s%3N); (cd "$work" && "$build/bench/bench_game" scaled 4k) | awk -v s="$s" '
    $1 == "game_first_frame_epoch_4k" { printf "game_startup_4k %.3f ms\n", $2 - s; next } { print }'
  rm -rf "$work"
}
for i in $(seq "$runs"); do
  { xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c "$(declare -f one_run); one_run"
    xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash -c "$(declare -f scaled_run); scaled_run"
    xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" bash -c "$(declare -f fourk_run); fourk_run"
  } | awk -v run="$i" '{ print run, $1, $2, $3 }' >>"$out"
done
soak=$(xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/tests/soak_tests 2>/dev/null | grep '^soak:' || true)
cpack --config build/CPackConfig.cmake >/dev/null
package=$(du -b build/package/cryptsliders-data_*_all.deb | awk '{ printf "%.1f MB", $1 / 1e6 }')

# The medians, then the table.
awk -v soak="$soak" -v package="$package" '
  { v[$2] = v[$2] " " $3; unit[$2] = $4 }
  function median(s,   a, n, i, j, t) {
    n = split(s, a, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
    return a[int((n + 1) / 2)]
  }
  END {
    for (k in v) m[k] = median(v[k])
    printf "| figure | value | against | goal |\n|---|---|---|---|\n"
    printf "| game-screen frame, full board (CPU) | %.2f ms | floor %.2f ms: %.2fx | at most 1.25x |\n", m["game_frame_cpu"], m["floor_frame_cpu"], m["game_frame_cpu"] / m["floor_frame_cpu"]
    printf "| game-screen frame at 2 x, 1280 x 960 (CPU) | %.2f ms | floor at 2 x %.2f ms: %.2fx | |\n", m["game_frame_cpu_2x"], m["floor_frame_cpu_2x"], m["game_frame_cpu_2x"] / m["floor_frame_cpu_2x"]
    printf "| game-screen frame full screen at 4K, 2880 x 2160 on 3840 x 2160 (CPU) | %.2f ms | floor at 4K %.2f ms: %.2fx | |\n", m["game_frame_cpu_4k"], m["floor_frame_cpu_4k"], m["game_frame_cpu_4k"] / m["floor_frame_cpu_4k"]
    printf "| help overlay frame (CPU) | %.2f ms | floor: %.2fx | |\n", m["help_frame_cpu"], m["help_frame_cpu"] / m["floor_frame_cpu"]
    printf "| options overlay frame (CPU) | %.2f ms | floor: %.2fx | |\n", m["options_frame_cpu"], m["options_frame_cpu"] / m["floor_frame_cpu"]
    printf "| zoom frame (CPU) | %.2f ms | floor: %.2fx | |\n", m["zoom_frame_cpu"], m["zoom_frame_cpu"] / m["floor_frame_cpu"]
    printf "| start-up to first logo frame | %.0f ms | floor %.0f ms + data %.0f ms: %.2fx | at most 1.5x the floor, data apart |\n", m["game_startup"], m["floor_startup"], m["other_data_ms"], (m["game_startup"] - m["other_data_ms"]) / m["floor_startup"]
    printf "| start-up to first logo frame at 2 x, 2x art | %.0f ms | at 1 x: %.2fx; floor at 2 x %.0f ms | at most 1.5x the start-up at 1 x |\n", m["game_startup_2x"], m["game_startup_2x"] / m["game_startup"], m["floor_startup_2x"]
    printf "| start-up to first logo frame, full screen at 4K, 2x art | %.0f ms | at 1 x: %.2fx | |\n", m["game_startup_4k"], m["game_startup_4k"] / m["game_startup"]
    printf "| data read at start-up: help, sounds, fonts, passwords (the images as each is first drawn) | %.0f ms | at 2 x: %.0f ms | counted apart |\n", m["other_data_ms"], m["other_data_ms_2x"]
    printf "| every fixed image read, as each is first drawn | %.0f ms | at 2 x: %.0f ms | counted apart |\n", m["catalogue_decode_ms"], m["catalogue_decode_ms_2x"]
    printf "| level load, slowest shipped level | %.2f ms | at 2 x: %.2f ms, %.2fx | under 20 ms; at 2 x at most 1.5x |\n", m["level_load_max"], m["level_load_max_2x"], m["level_load_max_2x"] / m["level_load_max"]
    printf "| level 20 pictures read, at the first frame of its board | %.2f ms | at 2 x: %.2f ms | |\n", m["level_pictures_read"], m["level_pictures_read_2x"]
    for (i = 1; i <= 20; i++) line = line sprintf("%s%d: %.1f", i > 1 ? ", " : "", i, m["level_load_" i])
    printf "| level load per level (ms) | %s | | |\n", line
    line = ""
    for (i = 1; i <= 20; i++) line = line sprintf("%s%d: %.1f", i > 1 ? ", " : "", i, m["level_load_" i "_2x"])
    printf "| level load per level at 2 x (ms) | %s | | |\n", line
    printf "| idle CPU, logo (fading and holding) | %.1f%% | | reported |\n", 100 * m["idle_logo"]
    printf "| idle CPU, play with the clock running | %.1f%% | | at most 5%% |\n", 100 * m["idle_play"]
    split("start password menu help options win lose", s, " ")
    split("start screen menu,password panel,game menu (a paused game),help page,options panel,win screen,lose screen", t, ",")
    for (i = 1; i <= 7; i++) printf "| idle CPU, %s | %.1f%% | | at most 3%% |\n", t[i], 100 * m["idle_" s[i]]
    printf "| key to its presented frame | median %.1f ms, worst %.1f ms | a frame every turn: %.1f ms a turn | within one such turn |\n", m["input_latency_median"], m["input_latency_worst"], m["drawing_turn_ms"]
    printf "| peak RSS, all levels loaded | %.1f MB | | |\n", m["peak_rss"] / 1024
    printf "| level of ten 24-megapixel JPEG photos, start to the clue image on screen | %.0f ms | at 2 x, read at twice the size: %.0f ms | within 2000 ms |\n", m["photos_level_on_screen_ms"], m["photos2x_level_on_screen_ms"]
    printf "| one such photo (%.1f MB): decode at 1/8 size, then reduction | %.0f ms, %.1f ms | | apart |\n", m["photo_file_mb"], m["photo_decode_ms"], m["photo_reduce_ms"]
    printf "| the ten photos judged by the scan from their headers (in the page cache) | %.1f ms | %.0f kB read of each | |\n", m["photos_scan_ms"], m["photos_scan_kb_per_file"]
    printf "| peak RSS, the ten-photo level loaded | %.1f MB | at 2 x: %.1f MB | under 300 MB |\n", m["photos_peak_rss"] / 1024, m["photos2x_peak_rss"] / 1024
    printf "| level of ten 12-megapixel HEIC photos, start to the clue image on screen | %.0f ms | CPU time of all threads %.0f ms; peak RSS %.1f MB | within 4000 ms |\n", m["heic_level_on_screen_ms"], m["heic_level_cpu_ms"], m["heic_peak_rss"] / 1024
    printf "| peak RSS, a level of ten pictures of up to 60 megapixels in every format, HEIC and AVIF among them | %.1f MB | to its clue image: %.0f ms; refused as too large: %d | under 300 MB |\n", m["mixed_peak_rss"] / 1024, m["mixed_level_on_screen_ms"], m["mixed_refused"]
    printf "| folder of 5,000 photos (small JPEGs, in the disk cache): click to the panel on screen, to its whole count | %.0f ms, %.0f ms | the loop'"'"'s longest turn meanwhile: %.0f ms | within 1 s, within 10 s |\n", m["folder_panel_ms"], m["folder_count_ms"], m["folder_longest_turn_ms"]
    printf "| soak, 10,000 frames | %s | | heap growth at most 1 MB |\n", soak == "" ? "not run" : substr(soak, 7)
    printf "| data package (cryptsliders-data), both art sets | %s | | at most 50 MB |\n", package
  }' "$out"
