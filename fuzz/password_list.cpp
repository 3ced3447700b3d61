// password_list.cpp -- fuzz target: any bytes as the password file, then look-ups
#include <string>

#include "fuzz_file.h"
#include "rules/passwords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    pws = password_table{};
    fuzz_lines(data, size, [](const char* line) { levels_parse_line(pws, line); });
    for (const auto& entry : pws)
        levels_find(entry.data());
    levels_find(std::string(reinterpret_cast<const char*>(data), size).c_str());
    return 0;
}
