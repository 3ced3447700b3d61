// text.cpp -- fuzz target over text as the game draws it: any bytes as a file's
// name, decoded for the font, cut between characters and shortened to a width,
// measured and drawn in the game's font
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_file.h"
#include "rules/typeface.h"
#include "rules/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::uint16_t> units = utf8_to_ucs2(text);
    // Each unit one character that the font draws as one: no half of a pair, no byte-order mark.
    for (std::uint16_t u : units)
        check((u < 0xD800 || u > 0xDFFF) && u != 0xFEFF && u != 0xFFFE);

    // Cut to a length: the cut's characters start the text's, and the next would not have fitted.
    size_t max = size ? data[0] % size : 0, cut = utf8_fit(text, max), next = 0;
    const std::vector<std::uint16_t> start = utf8_to_ucs2(text.substr(0, cut));
    check(cut <= max && std::equal(start.begin(), start.end(), units.begin()) &&
          (cut == size || (utf8_next(text.substr(cut), &next), cut + next > max)));

    // Drawn in the game's font: coverage of the size measured, within its box.
    static const typeface font = [] {
        typeface t;
        check(typeface_open(&t, GAME_FONT, 18));
        return t;
    }();
    const text_size box = typeface_size(font, text);
    const text_coverage drawn = typeface_draw(font, text);
    check(drawn.w == box.w && (box.w == 0 || drawn.h == box.h) && drawn.alpha.size() == size_t(drawn.w) * drawn.h);

    // Shortened to a width, ten a character: as many of the text's first and
    // last whole characters as fit around the ellipsis, the first half the larger.
    const auto measure = [](const std::string& t) { return 10 * static_cast<int>(utf8_to_ucs2(t).size()); };
    const int width = size ? data[size - 1] * 2 : 0;
    const std::vector<std::uint16_t> shown = utf8_to_ucs2(utf8_shorten(text, "\xE2\x80\xA6", width, measure));
    const int kept = static_cast<int>(shown.size()) - 1, head = (kept + 1) / 2;
    if (measure(text) <= width)
        return check(shown == units), 0;
    check(shown[head] == 0x2026 && 10 * (kept + 1) <= std::max(width, 10) && 10 * (kept + 2) > width);
    check(std::equal(shown.begin(), shown.begin() + head, units.begin()) &&
          std::equal(shown.begin() + head + 1, shown.end(), units.end() - kept / 2));
    return 0;
}
