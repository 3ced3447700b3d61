#!/usr/bin/env bash
# picture-seeds.sh DIR -- makes the picture fuzz target's seeds in DIR: one
# small picture in every format and variant the intake reads (JPEG plain,
# progressive, CMYK and turned by its EXIF orientation; lossy, lossless and
# animated WebP; PNG with alpha, in grey, 16-bit interlaced and in a palette
# with transparency; GIF, also with a frame larger than its screen; BMP, also
# run-length coded; TIFF plain, with alpha, tiled and turned, JPEG-compressed
# and CMYK), drawn by ImageMagick, img2webp and libtiff's tools; HEIC by
# heif-enc, AVIF by avifenc, one a grid turned and mirrored.
set -euo pipefail
dir=${1:?usage: picture-seeds.sh DIR}
mkdir -p "$dir"
src=(-size 24x16 gradient:'rgb(200,40,40)-rgb(40,40,200)')
convert "${src[@]}" -quality 80 "$dir/small.jpg"
convert "${src[@]}" -interlace Plane -quality 80 "$dir/progressive.jpg"
convert "${src[@]}" -colorspace CMYK -quality 80 "$dir/cmyk.jpg"
# ImageMagick writes no EXIF of its own: the orientation (6, turned a quarter
# clockwise) goes in as an APP1 segment right after the JPEG's start marker.
{ head -c 2 "$dir/small.jpg"
  printf '\xff\xe1\x00\x22Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00\x00\x00\x00\x00'
  tail -c +3 "$dir/small.jpg"; } >"$dir/oriented.jpg"
convert "${src[@]}" -quality 60 "$dir/lossy.webp"
convert "${src[@]}" -define webp:lossless=true "$dir/lossless.webp"
convert "${src[@]}" -flip "$dir/second.png"
img2webp -lossy -q 50 "$dir/lossless.webp" "$dir/second.png" -o "$dir/animated.webp" >/dev/null 2>&1
rm "$dir/second.png"
convert -size 20x10 xc:'rgba(40,200,40,0.5)' "$dir/alpha.png"
convert "${src[@]}" -colorspace Gray "$dir/grey.png"
convert "${src[@]}" -depth 16 -interlace PNG "$dir/deep_interlaced.png"
convert "${src[@]}" -alpha set -region 8x8+0+0 -alpha transparent +region PNG8:"$dir/palette.png"
convert "${src[@]}" "$dir/small.gif"
cp "$dir/small.gif" "$dir/frame_beyond_screen.gif"
printf '\x10\x00\x08\x00' | dd of="$dir/frame_beyond_screen.gif" bs=1 seek=6 conv=notrunc 2>/dev/null
convert "${src[@]}" BMP3:"$dir/small.bmp"
convert "${src[@]}" -type Palette -compress RLE BMP3:"$dir/rle.bmp"
convert "${src[@]}" -depth 8 -compress None "$dir/small.tif"
convert "${src[@]}" -alpha set -channel A -evaluate set 50% +channel -depth 16 -compress lzw "$dir/alpha.tif"
tiffcp -t -w 16 -l 16 -c zip "$dir/small.tif" "$dir/tiled.tif"
tiffset -s 274 6 "$dir/tiled.tif"
tiffcp -c jpeg "$dir/small.tif" "$dir/jpeg.tif"
convert "${src[@]}" -depth 8 -colorspace CMYK "$dir/cmyk.tif"
heif-enc -q 50 "$dir/small.jpg" -o "$dir/small.heic" >/dev/null
heif-enc -q 50 "$dir/alpha.png" -o "$dir/alpha.heic" >/dev/null
avifenc -s 10 "$dir/small.jpg" "$dir/small.avif" >/dev/null
convert -size 128x128 gradient:'rgb(200,40,40)-rgb(40,40,200)' "$dir/grid-source.png"
avifenc -s 10 --grid 2x2 --irot 1 --imir 0 "$dir/grid-source.png" "$dir/turned-grid.avif" >/dev/null
rm "$dir/grid-source.png"
