// settings.cpp -- fuzz target: any bytes as the settings file; what is read is written and read back alike
#include <cstring>

#include "fuzz_file.h"
#include "rules/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // Any value read fits the writer's buffer, and the saved text reads back
    // to values that save to the very same text.
    settings_values v, back;
    fuzz_read(data, size, [&](std::FILE* file) { v = settings_read(file); });
    char first[256], second[256];
    const int len = settings_format(v, first, sizeof first);
    check(len >= 0 && static_cast<size_t>(len) < sizeof first);
    fuzz_read(first, static_cast<size_t>(len), [&](std::FILE* file) { back = settings_read(file); });
    settings_format(back, second, sizeof second);
    check(std::strcmp(first, second) == 0 && back.full_screen == v.full_screen && back.randomize == v.randomize &&
          back.language == v.language);
    return 0;
}
