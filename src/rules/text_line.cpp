// text_line.cpp -- one line of a small text file of the player's, whole however it is damaged
#include "rules/text_line.h"

bool text_line_read(std::FILE* file, char* buf, std::size_t size, bool* whole)
{
    std::size_t n = 0;
    bool any = false;
    *whole = true;
    for (int c; (c = std::getc(file)) != EOF;) {
        any = true;
        if (c == '\n')
            break;
        if (n + 1 < size)
            buf[n++] = static_cast<char>(c);
        else
            *whole = false;
    }
    buf[n] = '\0';
    return any;
}
