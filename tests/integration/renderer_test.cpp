// renderer_test.cpp -- each kind of blit draws the right pixels in the right place
#include <GL/gl.h>

#include "engine_fixture.h"

#include "common.h"
#include "main.h"

namespace {
const rgba8 RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255}, WHITE{255, 255, 255, 255},
    BLACK{0, 0, 0, 255};

// Free ids of the tables for test images.
constexpr int QUAD = 36;   // 32 x 32, quadrants red, green / blue, white
constexpr int GLASS = 37;  // 16 x 16 on a 32 x 32 texture: left half blue at half alpha, right half clear
constexpr int FILL = 38;   // 8 x 8 opaque red
}

class Renderer : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_TRUE(write_png("quad.png", 32, 32, false, [](int x, int y) {
            return y < 16 ? (x < 16 ? RED : GREEN) : (x < 16 ? BLUE : WHITE);
        }));
        ASSERT_TRUE(write_png("glass.png", 16, 16, true, [](int x, int) {
            return x < 8 ? rgba8{0, 0, 255, 128} : rgba8{0, 0, 0, 0};
        }));
        ASSERT_TRUE(write_png("fill.png", 8, 8, false, [](int, int) { return RED; }));
        ASSERT_EQ(sdl_loadimg(QUAD, 32, 32, "quad.png"), 1);
        ASSERT_EQ(sdl_loadimg(GLASS, 32, 32, "glass.png"), 1);
        ASSERT_EQ(sdl_loadimg(FILL, 8, 8, "fill.png"), 1);
        ot_build_tile(QUAD, QUAD, 0, 0, 32, 32);
        ot_build_tile(GLASS, GLASS, 0, 0, 16, 16);
        ot_build_tile(FILL, FILL, 0, 0, 8, 8);
    }
    // Expects the four quadrants of QUAD with their centres at the given points.
    void expect_quadrants(int x0, int y0, int x1, int y1, rgba8 tl, rgba8 tr, rgba8 bl, rgba8 br)
    {
        EXPECT_TRUE(near(pixel(x0, y0), tl, 8)) << "top-left " << pixel(x0, y0);
        EXPECT_TRUE(near(pixel(x1, y0), tr, 8)) << "top-right " << pixel(x1, y0);
        EXPECT_TRUE(near(pixel(x0, y1), bl, 8)) << "bottom-left " << pixel(x0, y1);
        EXPECT_TRUE(near(pixel(x1, y1), br, 8)) << "bottom-right " << pixel(x1, y1);
    }
};

TEST_F(Renderer, PlainBlitPutsTheTileAtItsTopLeftCorner)
{
    draw([] { ot_blit(QUAD, 100, 100, nullptr); });
    expect_quadrants(104, 104, 127, 127, RED, GREEN, BLUE, WHITE);
    EXPECT_TRUE(near(pixel(99, 100), BLACK));
    EXPECT_TRUE(near(pixel(100, 99), BLACK));
    EXPECT_TRUE(near(pixel(131, 131), WHITE)) << "last pixel inside";
    EXPECT_TRUE(near(pixel(132, 131), BLACK)) << "first pixel past the right edge";
}

TEST_F(Renderer, PositionsAreCutTowardZero)
{
    draw([] {
        ot_blit(FILL, 10.7f, 20.2f, nullptr);
        ot_blit(FILL, -0.5f, -0.5f, nullptr);
    });
    EXPECT_TRUE(near(pixel(10, 20), RED));
    EXPECT_TRUE(near(pixel(17, 27), RED));
    EXPECT_TRUE(near(pixel(18, 20), BLACK));
    EXPECT_TRUE(near(pixel(9, 20), BLACK));
    EXPECT_TRUE(near(pixel(0, 0), RED)) << "-0.5 is cut to 0";
    EXPECT_TRUE(near(pixel(8, 8), BLACK));
}

TEST_F(Renderer, TintMultipliesTheImage)
{
    const ot_rgba black{0, 0, 0, 255}, half{128, 128, 128, 255}, blue_only{0, 0, 255, 255};
    draw([&] {
        ot_blit(QUAD, 0, 0, &black);
        ot_blit(QUAD, 50, 0, &half);
        ot_blit(QUAD, 100, 0, &blue_only);
    });
    expect_quadrants(4, 4, 27, 27, BLACK, BLACK, BLACK, BLACK);
    expect_quadrants(54, 4, 77, 27, {128, 0, 0, 255}, {0, 128, 0, 255}, {0, 0, 128, 255}, {128, 128, 128, 255});
    expect_quadrants(104, 4, 127, 27, BLACK, BLACK, BLUE, BLUE);
}

// Direction d is drawn at 90 x d degrees: the image stands upright at 90.
TEST_F(Renderer, TurnedBlitTurnsAboutTheCentre)
{
    const struct {
        float degrees;
        rgba8 tl, tr, bl, br;
    } cases[] = {
        {90, RED, GREEN, BLUE, WHITE},   // upright
        {0, GREEN, WHITE, RED, BLUE},    // a quarter turn anticlockwise: top-left at the bottom-left
        {180, BLUE, RED, WHITE, GREEN},  // a quarter turn clockwise
        {270, WHITE, BLUE, GREEN, RED},  // upside down
    };
    for (const auto& c : cases) {
        draw([&] { ot_blit_rotate(QUAD, 200, 200, nullptr, c.degrees, 0); });
        SCOPED_TRACE(c.degrees);
        expect_quadrants(190, 190, 209, 209, c.tl, c.tr, c.bl, c.br);
        EXPECT_TRUE(near(pixel(183, 200), BLACK)) << "a 32-pixel tile spans 184 to 215";
        EXPECT_TRUE(near(pixel(216, 200), BLACK));
    }
}

TEST_F(Renderer, ScaledBlitsGrowFromTheirAnchor)
{
    draw([] {
        ot_blit_scale(QUAD, 300, 300, nullptr, 2.0f);            // top-left anchored, 64 x 64
        ot_blit_rotate_scale(QUAD, 500, 300, nullptr, 90, 0, 2.0f);  // centre anchored, 64 x 64
    });
    expect_quadrants(305, 305, 358, 358, RED, GREEN, BLUE, WHITE);
    EXPECT_TRUE(near(pixel(364, 330), BLACK));
    expect_quadrants(472, 272, 527, 327, RED, GREEN, BLUE, WHITE);
    EXPECT_TRUE(near(pixel(466, 300), BLACK));
    EXPECT_TRUE(near(pixel(533, 300), BLACK));
}

// The blended blits draw the whole texture: the image's own alpha blends, and the
// transparent remainder of the texture leaves what lies below untouched.
TEST_F(Renderer, BlendedBlitsDrawTheWholeTextureOverWhatIsBelow)
{
    draw([] {
        ot_blit_scale(FILL, 0, 0, nullptr, 20.0f);  // red 160 x 160
        ot_blit_trans(GLASS, 0, 0, nullptr);        // 32 x 32 texture
        ot_blit_trans_scale(GLASS, 40, 40, 2.0f);   // 64 x 64
    });
    EXPECT_TRUE(near(pixel(4, 4), {127, 0, 128, 255}, 4)) << pixel(4, 4);
    EXPECT_TRUE(near(pixel(12, 4), RED)) << "clear half of the image";
    EXPECT_TRUE(near(pixel(24, 24), RED)) << "remainder of the texture";
    EXPECT_TRUE(near(pixel(50, 70), {127, 0, 128, 255}, 4)) << "scaled: blue half spans 40 to 56";
    EXPECT_TRUE(near(pixel(60, 70), RED));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(Renderer, TurnedBlitBlendsOnlyWhenAsked)
{
    draw([] {
        ot_blit_scale(FILL, 0, 0, nullptr, 20.0f);
        ot_blit_rotate(GLASS, 40, 40, nullptr, 90, 0);  // opaque: the clear half shows black
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        ot_blit_rotate(GLASS, 100, 40, nullptr, 90, 1);
    });
    EXPECT_TRUE(near(pixel(44, 40), BLACK)) << pixel(44, 40);
    EXPECT_TRUE(near(pixel(104, 40), RED)) << pixel(104, 40);
    EXPECT_TRUE(near(pixel(96, 40), {127, 0, 128, 255}, 4)) << pixel(96, 40);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(Renderer, IdsOutsideTheTablesAreIgnored)
{
    ot_build_texture(40, 8, 8, nullptr);
    ot_build_tile(5000, QUAD, 0, 0, 8, 8);
    ot_build_tile(1100, 4000, 0, 0, 8, 8);  // last tile, texture beyond the table
    EXPECT_EQ(ot_tiles[1100].width, 0.0f);
    draw([] {
        ot_blit(1101, 0, 0, nullptr);
        ot_blit(0xFFFFFFFF, 0, 0, nullptr);
        ot_blit_trans(70000, 0, 0, nullptr);
        ot_blit_rotate(1100, 100, 100, nullptr, 90, 1);
        ot_blit_trans_scale(99999, 0, 0, 2.0f);
    });
    EXPECT_TRUE(near(pixel(2, 2), BLACK));
    EXPECT_TRUE(near(pixel(100, 100), BLACK));
}

TEST_F(Renderer, RendererReleaseIsSafeTwice)
{
    ot_deinit();
    ot_deinit();
    EXPECT_EQ(ot_tiles, nullptr);
    draw([] { ot_blit(QUAD, 0, 0, nullptr); });  // no tables: nothing drawn, no crash
    EXPECT_TRUE(near(pixel(4, 4), BLACK));
}
