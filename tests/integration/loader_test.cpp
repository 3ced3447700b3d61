// loader_test.cpp -- the image loader: padding, transparency, cutting and file names
#include <filesystem>

#include "engine_fixture.h"

#include "common.h"
#include "main.h"

namespace {
const rgba8 RED{255, 0, 0, 255}, BLACK{0, 0, 0, 255};
constexpr int SPARE = 38;  // a free texture and tile id
}

class Loader : public EngineTest {
protected:
    // Paints the whole screen red, then the texture of tile id blended over it at a scale.
    void draw_over_red(int id, float scale)
    {
        draw([&] {
            ot_blit_scale(SPARE + 1, 0, 0, nullptr, 80.0f);
            ot_blit_trans_scale(static_cast<Uint32>(id), 0, 0, scale);
        });
    }
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_TRUE(write_png("red.png", 8, 8, false, [](int, int) { return RED; }));
        ASSERT_EQ(sdl_loadimg(SPARE + 1, 8, 8, "red.png"), 1);
        ot_build_tile(SPARE + 1, SPARE + 1, 0, 0, 8, 8);
    }
};

TEST_F(Loader, OpaqueImageBlackAndPaddingBecomeTransparent)
{
    const rgba8 sand{200, 100, 50, 255};
    ASSERT_TRUE(write_png("opaque.png", 640, 480, false, [&](int x, int y) {
        return x >= 100 && x < 140 && y >= 100 && y < 140 ? rgba8{0, 0, 0, 255} : sand;
    }));
    ASSERT_EQ(sdl_loadimg(1, 1024, 512, "%s", "opaque.png"), 1);
    EXPECT_EQ(ot_textures[1].width, 1024.0f);
    ot_build_tile(1, 1, 0, 0, 640, 480);
    draw_over_red(1, 0.5f);  // the texture drawn at 512 x 256, the image at 320 x 240
    screenshot("loader_padding");
    EXPECT_TRUE(near(pixel(20, 20), sand, 4)) << pixel(20, 20);
    EXPECT_TRUE(near(pixel(60, 60), RED, 4)) << "pure black is transparent: " << pixel(60, 60);
    EXPECT_TRUE(near(pixel(400, 100), RED, 4)) << "right strip of the texture";
    EXPECT_TRUE(near(pixel(100, 250), RED, 4)) << "bottom strip of the texture";
}

// Images with their own alpha keep it: the asset pipeline relies on it for
// blended images, and opaque black in them stays black.
TEST_F(Loader, ImageWithAlphaKeepsItAndItsBlack)
{
    ASSERT_TRUE(write_png("alpha.png", 64, 64, true, [](int x, int) {
        return x < 32 ? rgba8{0, 0, 255, 128} : rgba8{0, 0, 0, 255};
    }));
    ASSERT_EQ(sdl_loadimg(SPARE, 64, 64, "alpha.png"), 1);
    ot_build_tile(SPARE, SPARE, 0, 0, 64, 64);
    draw_over_red(SPARE, 1.0f);
    EXPECT_TRUE(near(pixel(10, 10), {127, 0, 128, 255}, 4)) << pixel(10, 10);
    EXPECT_TRUE(near(pixel(50, 10), BLACK, 4)) << pixel(50, 10);
}

TEST_F(Loader, LargerImageIsCutAtTheTextureEdges)
{
    const rgba8 green{0, 200, 0, 255}, blue{0, 0, 200, 255};
    ASSERT_TRUE(write_png("big.png", 100, 100, false, [&](int x, int y) { return x < 64 && y < 64 ? green : blue; }));
    ASSERT_EQ(sdl_loadimg(SPARE, 64, 64, "big.png"), 1);
    ot_build_tile(SPARE, SPARE, 0, 0, 64, 64);
    draw_over_red(SPARE, 1.0f);
    EXPECT_TRUE(near(pixel(32, 32), green, 4));
    EXPECT_TRUE(near(pixel(70, 32), RED, 4)) << "nothing beyond the texture: " << pixel(70, 32);
    EXPECT_TRUE(near(pixel(32, 70), RED, 4));
}

TEST_F(Loader, PathIsFormattedAndAMissingFileChangesNothing)
{
    std::filesystem::create_directories("data/level3");
    ASSERT_TRUE(write_png("data/level3/screen2.png", 16, 16, false, [](int, int) { return RED; }));
    EXPECT_EQ(sdl_loadimg(SPARE, 16, 16, "data/level%i/screen%i.png", 3, 2), 1);
    EXPECT_EQ(ot_textures[SPARE].width, 16.0f);
    EXPECT_EQ(sdl_loadimg(SPARE, 64, 64, "data/level%i/screen%i.png", 3, 9), 0);
    EXPECT_EQ(ot_textures[SPARE].width, 16.0f) << "the texture is left as it was";
}

TEST_F(Loader, LongPathIsCutTo127Characters)
{
    std::string dir(100, 'd');
    std::string path = dir + "/" + std::string(127 - dir.size() - 1 - 4, 'f') + ".png";
    ASSERT_EQ(path.size(), 127u);
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(write_png(path, 16, 16, false, [](int, int) { return RED; }));
    EXPECT_EQ(sdl_loadimg(SPARE, 16, 16, "%s%s", path.c_str(), "-and-more.png"), 1);
}

TEST_F(Loader, LoadingAgainReplacesPixelsAndRecordedSize)
{
    ASSERT_TRUE(write_png("a.png", 64, 64, false, [](int, int) { return RED; }));
    ASSERT_TRUE(write_png("b.png", 32, 32, false, [](int, int) { return rgba8{0, 0, 255, 255}; }));
    ASSERT_EQ(sdl_loadimg(SPARE, 64, 64, "a.png"), 1);
    ASSERT_EQ(sdl_loadimg(SPARE, 32, 32, "b.png"), 1);
    EXPECT_EQ(ot_textures[SPARE].width, 32.0f);
    ot_build_tile(SPARE, SPARE, 0, 0, 32, 32);
    draw([] { ot_blit(SPARE, 0, 0, nullptr); });
    EXPECT_TRUE(near(pixel(16, 16), {0, 0, 255, 255}, 4));
}
