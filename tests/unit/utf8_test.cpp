// utf8_test.cpp -- names as the game draws them: bytes decoded to UCS-2 as the
// Unicode standard advises, one U+FFFD for each longest start of a well-formed
// sequence (the cut between characters is checked by the golden level file's
// title, the shortening by the text fuzz target)
#include <gtest/gtest.h>

#include <vector>

#include "rules/utf8.h"

// The standard's own example of maximal subparts, each well-formed length at
// its edges, every kind of ill-formed sequence, and what UCS-2 cannot hold or a
// renderer would take as a byte-order mark.
TEST(Utf8, DecodesAsTheStandardAdvises)
{
    constexpr std::uint16_t R = UCS2_REPLACEMENT, BOX = UCS2_BOX;
    const struct { const char* bytes; std::vector<std::uint16_t> units; } cases[] = {
        {"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64", {'a', R, R, R, 'b', R, 'c', R, R, 'd'}},
        {"B\xC3\xBC" "cher \xD0\x96\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD", {'B', 0xFC, 'c', 'h', 'e', 'r', ' ', 0x416, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFD}},
        {"\xC0\xAF\xE0\x80\xAF|\xF0\x8F\xBF\xBF", {R, R, R, R, R, '|', R, R, R, R}},   // overlong forms
        // a surrogate and the last before them, past U+10FFFF, bytes never used, a sequence cut short
        {"\xED\xA0\x80\xED\x9F\xBF\xF4\x90\x80\x80\xF5\x80\xFF\xFE\xE2\x82", {R, R, R, 0xD7FF, R, R, R, R, R, R, R, R, R}},
        {"\xF0\x9F\x98\x80!\xF4\x8F\xBF\xBF", {BOX, '!', BOX}},                        // beyond UCS-2: an emoji, U+10FFFF
        {"\xEF\xBB\xBF" "a\xEF\xBF\xBE" "b\xEF\xBF\xBF", {BOX, 'a', BOX, 'b', 0xFFFF}}, // byte-order marks
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8_to_ucs2(c.bytes), c.units) << c.bytes;
}
