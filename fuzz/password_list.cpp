// password_list.cpp -- fuzz target: any bytes as the password file, then look-ups
#include <cstdint>
#include <cstring>
#include <string>

#include "game/passwords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    pws = password_table{};
    std::string text(reinterpret_cast<const char*>(data), size);
    // Lines as the game reads them: at most 1023 characters at a time.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t len = (end == std::string::npos ? text.size() : end + 1) - start;
        if (len > 1023)
            len = 1023;
        std::string line = text.substr(start, len);
        levels_parse_line(pws, line.c_str());
        start += len;
    }
    for (const auto& entry : pws)
        if (entry[0])
            levels_find(entry.data());
    levels_find(text.c_str());
    return 0;
}
