// progress.cpp -- fuzz target: any bytes as the progress file; what is read is written and read back alike
#include <cstring>

#include "fuzz_file.h"
#include "rules/progress_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    progress_values v, back;
    fuzz_read(data, size, [&](std::FILE* file) { v = progress_read(file); });
    check(v.reached >= 0 && v.reached <= PROGRESS_LEVELS);
    static char first[PROGRESS_TEXT_SIZE], second[PROGRESS_TEXT_SIZE];
    const int len = progress_format(v, first, sizeof first);
    check(len >= 0 && static_cast<size_t>(len) < sizeof first);
    fuzz_read(first, static_cast<size_t>(len), [&](std::FILE* file) { back = progress_read(file); });
    progress_format(back, second, sizeof second);
    check(std::strcmp(first, second) == 0);
    return 0;
}
