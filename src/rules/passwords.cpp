// passwords.cpp -- the level password list: parsing and look-up
#include "rules/passwords.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

password_table pws{};

void levels_parse_line(password_table& table, const char* line)
{
    static const char KEY[] = "level=";
    if (strncasecmp(line, KEY, sizeof KEY - 1) != 0)
        return;
    int level = 0;
    char word[1024];  // as long as a whole line, so a long password is seen, not cut
    if (std::sscanf(line + sizeof KEY - 1, "%i,%1023s", &level, word) != 2)
        return;
    size_t len = std::strlen(word);
    if (level < 1 || level > LEVEL_COUNT_MAX || len >= PASSWORD_SIZE)
        return;
    auto& entry = table[static_cast<size_t>(level - 1)];
    entry.fill('\0');
    std::memcpy(entry.data(), word, len);
}

std::uint8_t levels_load()
{
    for (auto& entry : pws)
        entry.fill('\0');
    std::FILE* file = std::fopen(PASSWORD_FILE, "r");
    if (!file)
        return 0;
    // A line longer than the buffer is read in pieces, each taken as a line.
    char line[1024];
    while (std::fgets(line, sizeof line, file))
        levels_parse_line(pws, line);
    std::fclose(file);
    return 1;
}

std::int8_t levels_find(const char* buf)
{
    if (!buf || !buf[0])
        return -1;
    size_t len = std::strlen(buf);
    for (int i = 0; i < LEVEL_COUNT_MAX; i++) {
        const char* entry = pws[static_cast<size_t>(i)].data();
        if (entry[0] && std::strlen(entry) == len && strcasecmp(entry, buf) == 0)
            return static_cast<std::int8_t>(i);
    }
    return -1;
}
