// text.cpp -- fuzz target over text as the game draws it: any bytes as a file's
// name, decoded for SDL_ttf, cut to a buffer and shortened to a width
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_file.h"
#include "rules/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::uint16_t> units = utf8_to_ucs2(text);
    // Each unit one character SDL_ttf draws as such: no half of a pair, no byte-order mark.
    check(units.size() <= size);
    for (std::uint16_t u : units)
        check((u < 0xD800 || u > 0xDFFF) && u != 0xFEFF && u != 0xFFFE);

    // Cut to a buffer, between characters: the cut's characters start the text's.
    char buffer[24];
    utf8_copy(buffer, 1 + (size ? data[0] % sizeof buffer : 0), text);
    const std::vector<std::uint16_t> cut = utf8_to_ucs2(buffer);
    check(text.compare(0, std::strlen(buffer), buffer) == 0);
    check(cut.size() <= units.size() && std::equal(cut.begin(), cut.end(), units.begin()));

    // Shortened to a width, ten a character: within it, and the text's first
    // and last whole characters, the first half the larger, around the ellipsis.
    const auto measure = [](const std::string& t) { return 10 * static_cast<int>(utf8_to_ucs2(t).size()); };
    const int width = size ? data[size - 1] * 2 : 0;
    const std::vector<std::uint16_t> shown = utf8_to_ucs2(utf8_shorten(text, "\xE2\x80\xA6", width, measure));
    if (measure(text) <= width) {
        check(shown == units);
        return 0;
    }
    const size_t kept = shown.size() - 1, head = (kept + 1) / 2, tail = kept / 2;
    check(10 * static_cast<int>(shown.size()) <= std::max(width, 10) && shown[head] == 0x2026);
    check(std::equal(shown.begin(), shown.begin() + static_cast<long>(head), units.begin()));
    check(std::equal(shown.end() - static_cast<long>(tail), shown.end(), units.end() - static_cast<long>(tail)));
    return 0;
}
