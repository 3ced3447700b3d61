// utf8.cpp -- text as the game draws it: UTF-8 decoded to the UCS-2 the text
// renderer takes, cut only between characters, shortened in the middle
#include "rules/utf8.h"

#include <algorithm>
#include <cstring>

std::uint32_t utf8_next(std::string_view text, std::size_t* used)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    *used = 1;
    if (lead < 0x80)
        return lead;
    // The sequence's length and the range of its second byte, which rules out
    // overlongs (E0, F0), surrogates (ED) and code points past U+10FFFF (F4).
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return UCS2_REPLACEMENT;  // a continuation byte, C0, C1 or F5 to FF
    }
    for (std::size_t i = 1; i < length; i++) {
        if (i >= text.size() || byte(i) < low || byte(i) > high) {
            *used = i;
            return UCS2_REPLACEMENT;
        }
        code = code << 6 | (byte(i) & 0x3Fu);
        low = 0x80, high = 0xBF;
    }
    *used = length;
    return code;
}

std::vector<std::uint16_t> utf8_to_ucs2(std::string_view text)
{
    std::vector<std::uint16_t> units;
    units.reserve(text.size());
    for (std::size_t at = 0, used = 0; at < text.size(); at += used) {
        std::uint32_t c = utf8_next(text.substr(at), &used);
        units.push_back(c > 0xFFFF || c == 0xFEFF || c == 0xFFFE ? UCS2_BOX : static_cast<std::uint16_t>(c));
    }
    return units;
}

std::size_t utf8_fit(std::string_view text, std::size_t max_bytes)
{
    std::size_t at = 0;
    for (std::size_t used = 0; at < text.size(); at += used) {
        utf8_next(text.substr(at), &used);
        if (at + used > max_bytes)
            break;
    }
    return std::min(at, text.size());
}

void utf8_copy(char* out, std::size_t size, std::string_view text)
{
    if (size == 0)
        return;
    std::size_t n = utf8_fit(text, size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

std::string utf8_shorten(std::string_view text, std::string_view ellipsis, int width, const utf8_measure_fn& measure)
{
    std::string whole(text);
    if (measure(whole) <= width)
        return whole;
    // Where each character starts, and the text's end.
    std::vector<std::size_t> starts;
    for (std::size_t at = 0, used = 0; at < text.size(); at += used) {
        starts.push_back(at);
        utf8_next(text.substr(at), &used);
    }
    const std::size_t count = starts.size();
    starts.push_back(text.size());
    auto keeping = [&](std::size_t kept) {
        std::size_t head = (kept + 1) / 2, tail = kept / 2;
        return std::string(text.substr(0, starts[head])) + std::string(ellipsis) +
               std::string(text.substr(starts[count - tail]));
    };
    // The most characters kept that fit: a text grows as a character is kept.
    std::size_t fits = 0, too_many = count;
    while (too_many - fits > 1) {
        std::size_t mid = (fits + too_many) / 2;
        (measure(keeping(mid)) <= width ? fits : too_many) = mid;
    }
    return keeping(fits);
}
