// settings_file.h -- the settings file's text: reading and writing its five values
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// The values the settings file holds, with their defaults.
struct settings_values {
    float sfx = 1.0f;
    float music = 0.75f;
    std::uint8_t full_screen = 0;
    std::int8_t randomize = 0;
    std::uint8_t window_scale = 0;  // the window's whole scale; 0 chooses by the desktop
};

// Reads up to five lines; a missing line leaves its default, a line that holds
// no number gives 0, and a damaged one (too long, a NUL byte) is read from its
// start and costs no other line. Values are taken as read (the mixer clamps volumes).
settings_values settings_read(std::FILE* file);

// The file's text: both volumes with two decimals, then the full-screen flag,
// the board setting and the window scale, as far as the last of them that is
// set (a missing line reads as 0). Returns the
// length written (the text is cut to size - 1 characters, like snprintf).
int settings_format(const settings_values& v, char* buf, std::size_t size);

// Replaces the settings file whole through file_replace (see there); false
// when it could not be written, the old file then being left as it was.
bool settings_write(const char* path, const settings_values& v);

// A volume as the mixer and the sliders use it: within 0..1, and 0 for a
// value that is not a number.
float settings_volume_clamp(float volume);
