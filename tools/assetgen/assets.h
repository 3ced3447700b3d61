// assets.h -- the asset generator's list of images and sounds, and where its sources lie
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "paint.h"

// Directory of the authored SVG drawings (tools/assetgen/art).
extern std::filesystem::path art_dir;

using ImagePtr = std::unique_ptr<paint::Image>;

// One generated image: its path below the data tree and how to draw it.
struct ImageJob {
    std::string name;
    ImagePtr (*make)();
};

std::vector<ImageJob> screen_jobs();  // screens.cpp: base/ images
std::vector<ImageJob> help_jobs();    // help_pages.cpp: help/ images

// The desktop icons, drawn from the same SVG as the window icon: a PNG for each
// of the hicolor theme's sizes, dir/NxN/apps/name.png, and the SVG itself as
// dir/scalable/apps/name.svg.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
void write_icons(const std::filesystem::path& dir, const std::string& name);

// Helpers shared by the screens and the help pages.
void panel_base(paint::Image& img, std::uint32_t seed, double frame = 10);
// A small square picture of the crypt's motifs (0 sun, 1 moon, 2 key, 3 candle,
// 4 owl eye), used in the help diagrams.
void motif(cairo_t* cr, int kind, double x, double y, double size);

// Sounds: sounds.cpp writes every effect and piece of music named in `names`
// (all when empty) into out/sounds.
std::vector<std::string> sound_names();
void make_sounds(const std::filesystem::path& out, const std::filesystem::path& soundfont,
                 const std::vector<std::string>& names);

// Contact sheet and debug variants (sheet.cpp).
void write_debug(const std::vector<ImagePtr>& images, const std::filesystem::path& dir);
void write_sheet(const std::vector<ImagePtr>& images, const std::filesystem::path& file);
