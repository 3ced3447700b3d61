// password_list.cpp -- fuzz target: any bytes as the password file, then look-ups
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_lines.h"
#include "game/passwords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    pws = password_table{};
    for_each_line(data, size, [&](const char* line) { levels_parse_line(pws, line); });
    for (const auto& entry : pws)
        if (entry[0])
            levels_find(entry.data());
    levels_find(std::string(reinterpret_cast<const char*>(data), size).c_str());
    return 0;
}
