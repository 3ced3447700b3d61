// settings_file.h -- the settings file's text: reading and writing its four values; free of SDL
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
// no number gives 0. Values are taken as read (the mixer clamps volumes).
settings_values settings_read(std::FILE* file);

// The file's text: both volumes with two decimals, then the full-screen flag,
// the board setting and the window scale, as far as the last of them that is
// set (a missing line reads as 0). Returns the
// length written (the text is cut to size - 1 characters, like snprintf).
int settings_format(const settings_values& v, char* buf, std::size_t size);

// Replaces the file at path with the values, so that it is never seen half
// written: the text goes to a temporary file beside it, is flushed to the disk,
// then renamed over the old file. A symbolic link is written through to its
// target; a file the player made read-only is left alone (a line on stderr
// says so); temporary files that an earlier write left behind are removed.
// Answers false when any step fails; the old file is then left exactly as it
// was and no temporary file remains.
bool settings_write(const char* path, const settings_values& v);

// A volume as the mixer and the sliders use it: within 0..1, and 0 for a
// value that is not a number.
float settings_volume_clamp(float volume);
