// typeface_test.cpp -- the game's font measured and drawn as its layouts were made:
// the sizes and pixels SDL_ttf 2.0 gave for the same texts in the same font
#include <gtest/gtest.h>

#include "rules/typeface.h"

// Each text's box and a hash of its coverage as SDL_ttf drew them: the longest
// level title, a password with the line's cursor, the help caption with a sign
// reaching below the line (which makes the box taller), a file name
// with a byte that is no UTF-8 and a character beyond U+FFFF (U+FFFD and the
// missing glyph's box), and a clock at twice its size opening with a letter
// that reaches left of its pen. A file that is no font
// opens as nothing and measures 0.
TEST(Typeface, TextsMeasureAndDrawAsTheLayoutsWereMade)
{
    struct sample {
        int size;
        const char* text;
        int w, h;
        std::uint32_t hash;
    };
    const sample samples[] = {
        {18, "The Heart of the Crypt", 189, 22, 0xc73dcbe0},
        {48, "reliquary_", 226, 55, 0x743a8fca},
        {14, "Help screen (3/3) \xC2\xB6", 120, 18, 0xbd8f8810},
        {18, "Passed over: \xD0\x96\xD1\x91\xD0\xBB\xD1\x82\xD1\x8B\xD0\xB5 B\xC3\xBC" "cher\xFF\xF0\x9F\x98\x80.jpg", 300, 22, 0xb17a6d9f},
        {36, "j3:59 AVATAR \xE2\x80\xA6 ,", 290, 42, 0x0f635220},
    };
    for (const sample& s : samples) {
        typeface t;
        ASSERT_TRUE(typeface_open(&t, GAME_FONT, s.size));
        text_size size = typeface_size(t, s.text);
        text_coverage drawn = typeface_draw(t, s.text);
        std::uint32_t hash = 2166136261u;
        for (std::uint8_t a : drawn.alpha)
            hash = (hash ^ a) * 16777619u;
        EXPECT_EQ(size.w, s.w) << s.text;
        EXPECT_EQ(size.h, s.h) << s.text;
        EXPECT_TRUE(drawn.w == s.w && drawn.h == s.h) << s.text;
        EXPECT_EQ(hash, s.hash) << s.text;
        typeface_close(&t);
    }
    typeface none;
    EXPECT_FALSE(typeface_open(&none, __FILE__, 18));
    EXPECT_EQ(typeface_width(none, "owlet"), 0);
}
