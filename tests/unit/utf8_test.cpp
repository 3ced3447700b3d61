// utf8_test.cpp -- names as the game draws them: bytes decoded as the Unicode
// standard advises, texts cut only between characters, shortened in the middle
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/utf8.h"

namespace {

constexpr std::uint16_t R = UCS2_REPLACEMENT, BOX = UCS2_BOX;

struct decode_case {
    const char* bytes;
    std::vector<std::uint16_t> units;
};

// The standard's own example of maximal subparts, each well-formed length at
// its edges, and every kind of ill-formed sequence.
const decode_case DECODES[] = {
    {"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64", {'a', R, R, R, 'b', R, 'c', R, R, 'd'}},
    {"B\xC3\xBC" "cher \xD0\x96 \xE2\x82\xAC", {'B', 0xFC, 'c', 'h', 'e', 'r', ' ', 0x416, ' ', 0x20AC}},
    {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD", {0x7F, 0x80, 0x7FF, 0x800, 0xFFFD}},
    {"\xC0\xAF\xC1\xBF", {R, R, R, R}},                    // overlong two-byte forms
    {"\xE0\x80\xAF|\xF0\x8F\xBF\xBF", {R, R, R, '|', R, R, R, R}},  // overlong three- and four-byte forms
    {"\xED\xA0\x80\xED\xBF\xBF\xED\x9F\xBF", {R, R, R, R, R, R, 0xD7FF}},  // surrogates, and the last before them
    {"\xF4\x90\x80\x80\xF5\x80\xFF\xFE", {R, R, R, R, R, R, R, R}},  // past U+10FFFF, and bytes never used
    {"\xE2\x82", {R}},                                      // cut short at the end
    {"\xF0\x9F\x98\x80!\xF4\x8F\xBF\xBF", {BOX, '!', BOX}}, // beyond UCS-2: an emoji, U+10FFFF
    {"\xEF\xBB\xBF" "a\xEF\xBF\xBE" "b\xEF\xBF\xBF", {BOX, 'a', BOX, 'b', 0xFFFF}},  // byte-order marks
};

}  // namespace

// Each text decoded, and cut at every length: the cut never splits a
// character (its characters start those of the whole) and leaves out no
// character that would have fitted.
TEST(Utf8, DecodesAsTheStandardAdvisesAndCutsOnlyBetweenCharacters)
{
    for (const decode_case& c : DECODES) {
        const std::string text = c.bytes;
        EXPECT_EQ(utf8_to_ucs2(text), c.units) << text;
        for (std::size_t max = 0; max <= text.size() + 1; max++) {
            std::size_t n = utf8_fit(text, max), next = 0;
            std::vector<std::uint16_t> cut = utf8_to_ucs2(text.substr(0, n));
            ASSERT_LE(n, max) << text;
            ASSERT_TRUE(std::equal(cut.begin(), cut.end(), c.units.begin())) << text << " cut to " << max;
            if (n < text.size()) {
                utf8_next(text.substr(n), &next);
                ASSERT_GT(n + next, max) << text << " cut to " << max;
            }
            char out[8];
            utf8_copy(out, std::min<std::size_t>(max + 1, sizeof out), text);
            EXPECT_EQ(out, text.substr(0, utf8_fit(text, std::min<std::size_t>(max, sizeof out - 1)))) << text;
        }
    }
}

// Shortened to a width measured as ten pixels a character: as many characters
// as fit around the ellipsis, the first half the larger, none split.
TEST(Utf8, ShortensInTheMiddleByWholeCharacters)
{
    const auto measure = [](const std::string& t) { return 10 * static_cast<int>(utf8_to_ucs2(t).size()); };
    const struct {
        const char* text;
        int width;
        const char* shortened;
    } cases[] = {
        {"holiday.jpg", 110, "holiday.jpg"},
        {"holiday.jpg", 100, "holid~.jpg"},
        {"holiday.jpg", 80, "holi~jpg"},
        {"\xD0\x96\xD1\x91\xD0\xBB\xD1\x82\xD1\x8B\xD0\xB9.png", 70, "\xD0\x96\xD1\x91\xD0\xBB~png"},
        {"a\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xE2\x82z", 40, "a\xF0\x9F\x98\x80~z"},
        {"holiday.jpg", 5, "~"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8_shorten(c.text, "~", c.width, measure), c.shortened) << c.text << " in " << c.width;
}
