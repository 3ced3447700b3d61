// render_test.cpp -- what reaches the screen: each kind of blit, and tiles whose
// image is missing or was never loaded
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
    // A file that cannot be read leaves the texture as it was.
    EXPECT_EQ(sdl_loadimg(QUAD, 64, 64, "data/level%i/screen%i.png", 3, 9), 0);
    draw([] { ot_blit(QUAD, 100, 100, nullptr); });
    expect({{104, 104, RED}, {131, 131, WHITE}}, "the image loaded before");
}

TEST(NextPowerOfTwo, GivesTheSmallestPowerNotBelow)
{
    const int cases[][2] = {{0, 0},     {1, 1},     {3, 4},     {64, 64},     {68, 128},    {217, 256},
                            {384, 512}, {512, 512}, {513, 1024}, {1024, 1024}, {-5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(next_power_of_two(c[0]), c[1]) << c[0];
}
