// render_test.cpp -- what reaches the screen: each kind of blit, images loaded
// into textures, rendered text, and images that are missing
#include <GL/gl.h>

#include "engine_fixture.h"

namespace {

const rgba8 RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255}, WHITE{255, 255, 255, 255},
    BLACK{0, 0, 0, 255}, PURPLE{127, 0, 128, 255};
constexpr int QUAD = 36;   // 32 x 32, quadrants red, green / blue, white
constexpr int GLASS = 37;  // 16 x 16 on a 32 x 32 texture: left half blue at half alpha, right half clear
constexpr int FILL = 38;   // 8 x 8 opaque red

struct spot {
    int x, y;
    rgba8 colour;
};

class Render : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        write_png("quad.png", 32, 32, false,
                  [](int x, int y) { return y < 16 ? (x < 16 ? RED : GREEN) : (x < 16 ? BLUE : WHITE); });
        write_png("glass.png", 16, 16, true, [](int x, int) { return x < 8 ? rgba8{0, 0, 255, 128} : rgba8{0, 0, 0, 0}; });
        write_png("fill.png", 8, 8, false, [](int, int) { return RED; });
        for (auto [id, file, side, w] : {std::tuple{QUAD, "quad.png", 32, 32}, {GLASS, "glass.png", 32, 16}, {FILL, "fill.png", 8, 8}}) {
            ASSERT_EQ(sdl_loadimg(id, side, side, "%s", file), 1);
            ot_build_tile(id, id, 0, 0, static_cast<float>(w), static_cast<float>(w));
        }
    }
    void expect(const std::vector<spot>& spots, const std::string& what)
    {
        for (const spot& s : spots)
            EXPECT_TRUE(near(pixel(s.x, s.y), s.colour, 8)) << what << " at " << s.x << "," << s.y << ": " << pixel(s.x, s.y);
    }
};

}  // namespace

TEST_F(Render, EachBlitDrawsItsTileWhereAndAsItShould)
{
    const ot_rgba half{128, 128, 128, 255};
    const struct {
        const char* what;
        std::function<void()> blit;
        std::vector<spot> spots;
    } cases[] = {
        {"plain, top-left at (100, 100)", [] { ot_blit(QUAD, 100, 100, nullptr); },
         {{104, 104, RED}, {127, 104, GREEN}, {104, 127, BLUE}, {131, 131, WHITE}, {132, 131, BLACK}, {100, 99, BLACK}}},
        {"positions cut toward zero", [] { ot_blit(FILL, 10.7f, 20.2f, nullptr), ot_blit(FILL, -0.5f, -0.5f, nullptr); },
         {{10, 20, RED}, {17, 27, RED}, {18, 20, BLACK}, {9, 20, BLACK}, {0, 0, RED}, {8, 8, BLACK}}},
        {"tinted", [&] { ot_blit(QUAD, 0, 0, &half); }, {{4, 4, {128, 0, 0, 255}}, {27, 27, {128, 128, 128, 255}}}},
        {"upright at 90 degrees", [] { ot_blit_rotate(QUAD, 200, 200, nullptr, 90, 0); },
         {{190, 190, RED}, {209, 190, GREEN}, {190, 209, BLUE}, {209, 209, WHITE}, {183, 200, BLACK}, {216, 200, BLACK}}},
        {"a quarter turn left at 0", [] { ot_blit_rotate(QUAD, 200, 200, nullptr, 0, 0); },
         {{190, 190, GREEN}, {209, 190, WHITE}, {190, 209, RED}, {209, 209, BLUE}}},
        {"a quarter turn right at 180", [] { ot_blit_rotate(QUAD, 200, 200, nullptr, 180, 0); },
         {{190, 190, BLUE}, {209, 190, RED}, {190, 209, WHITE}, {209, 209, GREEN}}},
        {"upside down at 270", [] { ot_blit_rotate(QUAD, 200, 200, nullptr, 270, 0); },
         {{190, 190, WHITE}, {209, 190, BLUE}, {190, 209, GREEN}, {209, 209, RED}}},
        {"scaled about the corner and about the centre",
         [] { ot_blit_scale(QUAD, 300, 300, nullptr, 2.0f), ot_blit_rotate_scale(QUAD, 500, 300, nullptr, 90, 0, 2.0f); },
         {{305, 305, RED}, {358, 358, WHITE}, {364, 330, BLACK}, {472, 272, RED}, {527, 327, WHITE}, {466, 300, BLACK}}},
        {"blended: the image's alpha, the texture's clear rest",
         [] {
             ot_blit_scale(FILL, 0, 0, nullptr, 20.0f);
             ot_blit_trans(GLASS, 0, 0, nullptr);
             ot_blit_trans_scale(GLASS, 40, 40, 2.0f);
             ot_blit_rotate(GLASS, 100, 120, nullptr, 90, 0);  // unblended: the clear half black
             ot_blit_rotate(GLASS, 140, 120, nullptr, 90, 1);
         },
         {{4, 4, PURPLE}, {12, 4, RED}, {24, 24, RED}, {50, 70, PURPLE}, {60, 70, RED}, {104, 120, BLACK},
          {144, 120, RED}, {136, 120, PURPLE}}},
    };
    for (const auto& c : cases) {
        draw(c.blit);
        expect(c.spots, c.what);
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << c.what;
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << c.what;
    }
    // Ids outside the tables, and tiles whose texture never got pixels, draw nothing.
    ot_build_tile(5000, QUAD, 0, 0, 8, 8);
    ot_build_tile(1100, 4000, 0, 0, 8, 8);
    draw([] {
        ot_blit(1101, 0, 0, nullptr);
        ot_blit_trans(70000, 0, 0, nullptr);
        ot_blit_rotate(1100, 100, 100, nullptr, 90, 1);
        ot_blit(39, 200, 200, nullptr);
    });
    expect({{2, 2, BLACK}, {100, 100, BLACK}, {204, 204, BLACK}}, "nothing");
}

// An opaque image keeps every row and keys out pure black only; an image with
// its own alpha keeps it, opaque black included; a small image leaves the rest
// of its texture clear; a larger one is cut at the texture's edge; a missing
// file leaves the texture as it was.
TEST_F(Render, ImagesLoadIntoTheirTextures)
{
    const rgba8 sand{200, 100, 50, 255}, blue_on_sand{100, 50, 152, 255};
    write_png("opaque.png", 640, 480, false, [&](int x, int y) {
        return y == 479 ? GREEN : x >= 100 && x < 140 && y >= 100 && y < 140 ? BLACK : sand;
    });
    write_png("alpha.png", 64, 64, true, [](int x, int) { return x < 32 ? rgba8{0, 0, 255, 128} : BLACK; });
    write_png("big.png", 100, 100, false, [&](int x, int y) { return x < 64 && y < 64 ? GREEN : BLUE; });
    ASSERT_EQ(sdl_loadimg(1, 1024, 512, "%s", "opaque.png"), 1);
    ASSERT_EQ(sdl_loadimg(QUAD, 64, 64, "alpha%s", ".png"), 1);
    ASSERT_EQ(sdl_loadimg(GLASS, 64, 64, "big.png"), 1);
    ASSERT_EQ(sdl_loadimg(39, 64, 64, "fill.png"), 1);
    for (int id : {QUAD, GLASS, 39})
        ot_build_tile(id, id, 0, 0, 64, 64);
    draw([] {
        ot_blit_scale(FILL, 0, 0, nullptr, 80.0f);
        ot_blit_trans(1, 0, 0, nullptr);
        ot_blit_trans(QUAD, 200, 300, nullptr);
        ot_blit_trans(GLASS, 400, 300, nullptr);
        ot_blit_trans(39, 500, 300, nullptr);
    });
    screenshot("render_images");
    expect({{20, 20, sand}, {120, 120, RED}, {320, 479, GREEN}, {210, 310, blue_on_sand}, {250, 310, BLACK},
            {432, 332, GREEN}, {470, 332, sand}, {503, 303, RED}, {520, 320, sand}},
           "loaded images");
    EXPECT_EQ(sdl_loadimg(39, 16, 16, "data/level%i/screen%i.png", 3, 9), 0);
    EXPECT_EQ(ot_textures[39].width, 64.0f) << "a missing file changes nothing";
}

// Red and blue trade places on the way to the texture, so the screens pass
// (0, 255, 255) for yellow (where a text stands, as measured, the pictures
// panel's lines show against the typeface's own drawing); an empty one leaves the
// record as it was and draws nothing.
TEST_F(Render, TextIsColouredAndAnEmptyOneDrawsNothing)
{
    font_s f{};
    font_make(&f, FONT3, "owlet 1:05", SDL_Color{0, 255, 255, 0});
    ASSERT_NE(f.texture, 0);
    EXPECT_EQ(f.w, next_power_of_two(f.tw));
    draw([&] { font_display(&f, 10, 200); });
    auto red = box([this](int x, int y) { return pixel(x, y).r > 200; });
    auto blue = box([this](int x, int y) { return pixel(x, y).b > 40; });
    EXPECT_TRUE(red[2] >= 0 && blue[2] < 0) << "yellow";
    font_s kept = f;
    font_make(&f, FONT1, "", SDL_Color{255, 255, 255, 0});
    EXPECT_EQ(f.texture, kept.texture);
    font_free(&f);
    font_free(&f);
    draw([&] { font_display(&f, 10, 10); });
    expect({{20, 20, BLACK}}, "an empty text");
}

class RenderWithoutImages : public EngineTest {
protected:
    std::vector<std::string> left_out() const override { return {"base/GameBoard.png", "base/CryptSLIDERS.png"}; }
};

// A missing image (and the window icon) is not an error; its tile draws nothing at all.
TEST_F(RenderWithoutImages, MissingImageDrawsNothing)
{
    draw([] {
        ot_blit(2, 0, 0, nullptr);
        ot_blit_trans(2, 0, 0, nullptr);
        ot_blit_rotate(2, 320, 240, nullptr, 90, 1);
        ot_blit_trans_scale(2, 0, 0, 2.0f);
    });
    EXPECT_TRUE(near(pixel(320, 240), {0, 0, 0, 255}));
    EXPECT_TRUE(near(pixel(10, 10), {0, 0, 0, 255}));
}

TEST(NextPowerOfTwo, GivesTheSmallestPowerNotBelow)
{
    const int cases[][2] = {{0, 0},     {1, 1},     {3, 4},     {64, 64},     {68, 128},    {217, 256},
                            {384, 512}, {512, 512}, {513, 1024}, {1024, 1024}, {-5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(next_power_of_two(c[0]), c[1]) << c[0];
}
