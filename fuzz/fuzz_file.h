// fuzz_file.h -- fuzz input read as a file, with the calls the game makes on its files
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Aborts, so that the fuzzer keeps the input, when what the game relies on fails.
inline void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Calls read(file) with the bytes as a read-only file; not for empty input,
// which fmemopen refuses and the game takes as a file of no lines.
template <class Read>
void fuzz_read(const void* data, size_t size, Read read)
{
    std::FILE* file = size ? fmemopen(const_cast<void*>(data), size, "r") : nullptr;
    if (!file)
        return;
    read(file);
    std::fclose(file);
}

// Calls take(line) for each line as the game reads its text files: fgets into
// 1024 bytes, so that a longer line comes in pieces.
template <class Take>
void fuzz_lines(const std::uint8_t* data, size_t size, Take take)
{
    fuzz_read(data, size, [&](std::FILE* file) {
        char line[1024];
        while (std::fgets(line, sizeof line, file))
            take(line);
    });
}
