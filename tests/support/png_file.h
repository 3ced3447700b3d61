// png_file.h -- small PNG files for tests: written from a pixel function, and frames saved
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An 8-bit colour with alpha, as the tests compare pixels.
struct rgba8 {
    std::uint8_t r, g, b, a;
};

// Writes a w x h PNG whose pixel (x, y) is pixel(x, y). With alpha the file
// has an alpha channel (straight, not premultiplied); without, it has none.
// Files written in a scratch tree replace what is there: a symlink into the
// built data tree is removed first, so the build's own file is never written.
void unlink_first(const std::string& path);
bool write_text(const std::string& path, const std::string& text);

bool write_png(const std::string& path, int w, int h, bool alpha, const std::function<rgba8(int, int)>& pixel);

// Saves RGBA rows (top row first) as a PNG.
bool save_rgba_png(const std::string& path, int w, int h, const std::vector<rgba8>& pixels);
// Reads a PNG's pixels, rows top first, straight alpha; empty when it cannot.
std::vector<rgba8> read_png(const std::string& path, int* w, int* h);
