#!/usr/bin/env bash
# Pictures as cameras, scanners and image editors write them, made here by those
# tools: a phone's JPEG with 300 kB of XMP before its frame header, lying on its
# side; TIFFs with their directory at the end (with transparency, tiled and turned
# by their tag, JPEG-compressed, CMYK); a 16-bit interlaced PNG, a palette PNG with
# a transparent corner, an animated WebP, a GIF whose frame is larger than its
# screen, a run-length BMP, a phone's HEIC, an AVIF stored lying with its turn
# in its own box. Those the game cannot read are each named on stderr
# with the true reason, as is a picture named twice, and nothing else is; the others are played, ten to a
# level, and the board shows every cell of every one of them, upright.
#   real_pictures.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_workdir

# The corpus: pictures/NAME, each the file a tool wrote from original/NAME.png,
# which is how it should look (a plasma of its own colours, a white bar at its
# top left so that a turn shows, on the board's colour where it is transparent);
# and refused/NAME, each with the reason it must be passed over.
c=$E2E_WORK/corpus
mkdir -p "$c/pictures" "$c/original" "$c/refused" "$c/work"
original() { convert -seed "$1" -size 198x198 plasma:"$2" -fill white -draw 'rectangle 12,12 90,40' "${@:4}" "$c/original/$3.png"; }
as_read() { convert "$c/pictures/$1" +repage -background 'rgb(34,30,26)' -flatten "$c/original/${1%.*}.png"; }
refuse() { echo "cryptsliders: $c/refused/$1: $2" >>"$c/refused.txt"; }
w=$c/work

original 1 red-yellow 01_phone
convert "$c/original/01_phone.png" -rotate -90 -quality 92 "$w/side.jpg"
head -c 225000 /dev/urandom | base64 -w0 >"$w/xmp.txt"
exiftool -q -o "$c/pictures/01_phone.jpg" "-XMP-dc:Description<=$w/xmp.txt" -Orientation#=6 "$w/side.jpg"

original 2 green-blue 02_editor
convert "$c/original/02_editor.png" -alpha set -region 66x198+0+0 -channel A -evaluate set 50% +channel +region \
    -depth 16 -compress lzw "$c/pictures/02_editor.tif"
as_read 02_editor.tif

original 3 purple-white 03_tiled
convert "$c/original/03_tiled.png" -rotate 90 -depth 8 "$w/turned.tif"
tiffcp -t -w 64 -l 64 -c zip "$w/turned.tif" "$c/pictures/03_tiled.tif"
tiffset -s 274 8 "$c/pictures/03_tiled.tif"  # to be turned a quarter anticlockwise

original 4 orange-navy 04_scanner
convert "$c/original/04_scanner.png" -alpha off -depth 8 "$w/plain.tif"
tiffcp -c jpeg:90 "$w/plain.tif" "$c/pictures/04_scanner.tif"

original 5 cyan-magenta 05_cmyk
convert "$c/original/05_cmyk.png" -depth 8 -colorspace CMYK "$c/pictures/05_cmyk.tif"

original 6 yellow-brown 06_deep
convert "$c/original/06_deep.png" -depth 16 -interlace PNG "$c/pictures/06_deep.png"

original 7 pink-teal 07_palette
convert "$c/original/07_palette.png" +dither -posterize 5 -alpha set -region 68x68+130+130 -alpha transparent \
    +region PNG8:"$c/pictures/07_palette.png"
as_read 07_palette.png

original 8 gold-violet 08_animated
convert -seed 18 -size 198x198 plasma:black-white "$w/second.png"
img2webp -loop 0 -lossless -d 500 "$c/original/08_animated.png" "$w/second.png" -o "$c/pictures/08_animated.webp" >/dev/null 2>&1

original 9 lime-maroon 09_frame +dither -posterize 6
convert "$c/original/09_frame.png" "$c/pictures/09_frame.gif"
printf '\x64\x00\x50\x00' | dd of="$c/pictures/09_frame.gif" bs=1 seek=6 conv=notrunc 2>/dev/null  # a 100 x 80 screen

original 10 white-darkgreen 10_rle +dither -posterize 6
convert "$c/original/10_rle.png" -type Palette -compress RLE BMP3:"$c/pictures/10_rle.bmp"

original 11 teal-gold 11_phone
heif-enc -q 80 "$c/original/11_phone.png" -o "$c/pictures/11_phone.heic" >/dev/null

original 12 navy-pink 12_lying
convert "$c/original/12_lying.png" -rotate 90 "$w/lying.png"
avifenc -s 10 --irot 1 "$w/lying.png" "$c/pictures/12_lying.avif" >/dev/null  # to be turned a quarter anticlockwise

head -c 150000 "$c/pictures/01_phone.jpg" >"$c/refused/cut_in_metadata.jpg"
refuse cut_in_metadata.jpg "cut short"
head -c 200000 "$c/pictures/02_editor.tif" >"$c/refused/cut_before_directory.tif"
refuse cut_before_directory.tif "cut short"
convert "$c/original/05_cmyk.png" -depth 16 -colorspace CMYK "$c/refused/deep_cmyk.tif"
refuse deep_cmyk.tif "a CMYK TIFF of more than 8 bits a sample, which this game does not read"
# A BMP's header, 20,000 pixels wide, by hand: ImageMagick caps widths.
printf 'BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4e\0\0\x10\0\0\0\1\0\x18\0\0\0\0\0' >"$c/refused/too_wide.bmp"
refuse too_wide.bmp "too wide for a GIF or BMP: more than 16,383 pixels across"
echo "cryptsliders: $c/pictures/01_phone.jpg: named twice" >>"$c/refused.txt"

# Ten pictures to a level, so that each takes 2 x 2 cells; the last level is
# filled up with plain plasmas, each its own original.
files=("$c"/pictures/*)
while (( ${#files[@]} % 10 )); do
    original ${#files[@]} red-blue filler${#files[@]} && files+=("$c/original/filler${#files[@]}.png")
done
for ((level = 0; level < ${#files[@]}; level += 10)); do
    E2E_ARGS=("${files[@]:level:10}")
    # The first level also names the refused files, and its first picture again.
    ((level > 0)) || E2E_ARGS+=("$c"/refused/* "${files[0]}")
    e2e_start HOME="$E2E_WORK"
    e2e_sleep 3
    e2e_shot real_pictures_clue$level
    ((level > 0)) || diff <(sort "$c/refused.txt") <(sort "$E2E_WORK/stderr.txt") >&2 ||
        e2e_fail "stderr names other files, or other reasons, than the refused ones"
    e2e_key space
    e2e_sleep 1
    e2e_shot real_pictures_board$level
    e2e_board_shows $(for f in "${E2E_ARGS[@]:0:10}"; do echo "$c/original/$(basename "${f%.*}").png:2x2"; done)
    kill "$E2E_PID"
    e2e_wait_exit 0
done
