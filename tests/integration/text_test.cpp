// text_test.cpp -- strings rendered into textures: measured, placed and coloured
#include "engine_fixture.h"

#include "common.h"
#include "main.h"

class Text : public EngineTest {
protected:
    void TearDown() override
    {
        font_free(&f);
        EngineTest::TearDown();
    }
    font_s f{};
    // The bounding box of the lit pixels of the last frame, and the brightest red and blue.
    struct lit_box {
        int x0 = 640, y0 = 480, x1 = -1, y1 = -1, max_r = 0, max_b = 0;
    };
    lit_box lit() const
    {
        lit_box b;
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 640; x++) {
                rgba8 c = pixel(x, y);
                if (c.r + c.g + c.b < 60)
                    continue;
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
                b.max_r = std::max<int>(b.max_r, c.r);
                b.max_b = std::max<int>(b.max_b, c.b);
            }
        return b;
    }
};

TEST_F(Text, MeasuredIntoPowerOfTwoTextureAndDrawnAtItsCorner)
{
    font_make(&f, FONT1, "CryptSLIDERS 1:05", SDL_Color{255, 255, 255, 0});
    ASSERT_NE(f.texture, 0);
    EXPECT_GT(f.tw, 100);
    EXPECT_GT(f.th, 10);
    EXPECT_EQ(f.w, next_power_of_two(f.w));
    EXPECT_GE(f.w, f.tw);
    EXPECT_LT(f.w, 2 * f.tw);
    EXPECT_EQ(f.h, next_power_of_two(f.h));
    draw([&] { font_display(&f, 10, 20); });
    lit_box b = lit();
    EXPECT_GE(b.x0, 10);
    EXPECT_GE(b.y0, 20);
    EXPECT_LE(b.x1, 10 + f.tw);
    EXPECT_LE(b.y1, 20 + f.th);
    EXPECT_GT(b.x1 - b.x0, f.tw * 3 / 4) << "the text spans most of its measured width";
}

// Red and blue trade places on the way to the texture: the screens pass
// (0, 255, 255) to get yellow.
TEST_F(Text, RedAndBlueTradePlaces)
{
    font_make(&f, FONT3, "owlet", SDL_Color{0, 255, 255, 0});
    draw([&] { font_display(&f, 100, 100); });
    lit_box b = lit();
    EXPECT_GT(b.max_r, 200);
    EXPECT_LT(b.max_b, 40);
}

TEST_F(Text, EmptyStringKeepsTheRecordAndEmptyRecordsDrawNothing)
{
    font_make(&f, FONT1, "", SDL_Color{255, 255, 255, 0});
    EXPECT_EQ(f.texture, 0);
    EXPECT_EQ(f.w, 0);
    font_make(&f, FONT1, "kept", SDL_Color{255, 255, 255, 0});
    font_s before = f;
    font_make(&f, FONT1, "", SDL_Color{255, 255, 255, 0});
    EXPECT_EQ(f.texture, before.texture);
    EXPECT_EQ(f.tw, before.tw);
    font_free(&f);
    font_free(&f);
    EXPECT_EQ(f.texture, 0);
    EXPECT_EQ(f.tw, 0);
    draw([&] { font_display(&f, 10, 10); });
    EXPECT_EQ(lit().x1, -1);
}

TEST_F(Text, AllThreeSizesOnTheStartScreen)
{
    font_s clock{}, caption{}, password{};
    font_make(&clock, FONT1, "Crypt of Owls   4:07", SDL_Color{255, 255, 255, 0});
    font_make(&caption, FONT2, "Help screen (2/5)", SDL_Color{0, 255, 255, 0});
    font_make(&password, FONT3, "gargoyle", SDL_Color{0, 255, 255, 0});
    engineMode = MODE_START;
    draw([&] {
        main_draw();
        font_display(&clock, 40, 330);
        font_display(&caption, 40, 360);
        font_display(&password, 40, 385);
    });
    screenshot("text_sizes");
    EXPECT_LT(clock.th, caption.th * 2);
    EXPECT_GT(password.th, clock.th * 2);
    font_free(&clock);
    font_free(&caption);
    font_free(&password);
}
