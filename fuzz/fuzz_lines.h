// fuzz_lines.h -- fuzz input split into lines as the game reads its text files
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Calls take(line) for each line of the input, as fgets into a 1024-byte
// buffer gives them: up to and including a newline, at most 1023 characters
// at a time (a longer line comes in pieces).
template <class Take>
void for_each_line(const std::uint8_t* data, std::size_t size, Take take)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t len = (end == std::string::npos ? text.size() : end + 1) - start;
        if (len > 1023)
            len = 1023;
        take(text.substr(start, len).c_str());
        start += len;
    }
}
