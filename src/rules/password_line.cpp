// password_line.cpp -- the password typed on the start screen: which keys type what, and its limits
#include "rules/password_line.h"

#include <cstdio>
#include <cstring>

char pw_key_char(int sym)
{
    if (sym == ' ' || (sym >= 'a' && sym <= 'z'))
        return static_cast<char>(sym);
    return 0;
}

bool pw_line_add(char (&line)[PW_INPUT_SIZE], char key, pw_measure_fn measure)
{
    if (key == 0)
        return false;
    // The candidate is the line as it would show: the new key, then the cursor.
    char candidate[PW_INPUT_SIZE];
    int len = std::snprintf(candidate, sizeof candidate, "%s%c%s", line, key, PW_CURSOR);
    if (len < 0 || static_cast<std::size_t>(len) >= sizeof candidate)
        return false;
    int width = 0;
    if (!measure(candidate, &width) || width > PW_LINE_WIDTH)
        return false;
    std::size_t n = std::strlen(line);
    line[n] = key;
    line[n + 1] = '\0';
    return true;
}

bool pw_line_turn(char (&line)[PW_INPUT_SIZE], int step, pw_measure_fn measure)
{
    std::size_t n = std::strlen(line);
    if (n == 0 || line[n - 1] < 'a' || line[n - 1] > 'z')
        return false;
    const int was = line[n - 1] - 'a';
    for (int i = 1; i < 26; i++) {
        line[n - 1] = '\0';
        if (pw_line_add(line, static_cast<char>('a' + ((was + step * i) % 26 + 26) % 26), measure))
            return true;
    }
    line[n - 1] = static_cast<char>('a' + was);
    return false;
}

void pw_line_backspace(char (&line)[PW_INPUT_SIZE])
{
    std::size_t n = std::strlen(line);
    if (n > 0)
        line[n - 1] = '\0';
}
