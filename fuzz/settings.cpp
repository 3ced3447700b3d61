// settings.cpp -- fuzz target: any bytes as the settings file; what is read is written and read back alike
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings_file.h"

static settings_values read_text(const char* text, size_t size)
{
    settings_values v;
    if (size == 0)
        return v;
    std::FILE* f = fmemopen(const_cast<char*>(text), size, "r");
    if (!f)
        std::abort();
    v = settings_read(f);
    std::fclose(f);
    return v;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    settings_values v = read_text(text.data(), text.size());

    // Any value read fits the writer's buffer.
    char first[256];
    int len = settings_format(v, first, sizeof first);
    if (len < 0 || static_cast<size_t>(len) >= sizeof first)
        std::abort();

    // Saved text reads back to values that save to the very same text.
    settings_values back = read_text(first, static_cast<size_t>(len));
    char second[256];
    settings_format(back, second, sizeof second);
    if (std::strcmp(first, second) != 0 || back.full_screen != v.full_screen || back.randomize != v.randomize)
        std::abort();

    for (float volume : {v.sfx, v.music}) {
        float c = settings_volume_clamp(volume);
        if (!(c >= 0.0f && c <= 1.0f))
            std::abort();
    }
    return 0;
}
