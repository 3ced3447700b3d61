// startup_test.cpp -- start-up: tables, the fixed images and their tiles, the engine state
#include "engine_fixture.h"

#include "common.h"
#include "game/game.h"
#include "help.h"

using Startup = EngineTest;

TEST_F(Startup, ReservesTablesForEveryPictureCell)
{
    EXPECT_EQ(engineDone, 0);
    EXPECT_EQ(engineMode, MODE_LOGO);
    EXPECT_EQ(ot_tile_count, 1101u) << "picture 10's cells reach tile 1081";
    EXPECT_EQ(ot_texture_count, 40);
    EXPECT_EQ(mode1_time, 1000000u) << "taken from the wall clock before the loop";
}

TEST_F(Startup, FixedImagesGetTheirTextureAndTileSizes)
{
    const struct {
        int id;
        float tex_w, tex_h, w, h;
    } expected[] = {
        {1, 1024, 512, 640, 480}, {2, 1024, 512, 640, 480}, {3, 1024, 512, 640, 480}, {4, 512, 512, 512, 384},
        {5, 512, 512, 512, 384},  {6, 512, 512, 512, 384},  {7, 512, 512, 512, 384},  {8, 64, 64, 19, 38},
        {9, 1024, 512, 640, 480}, {30, 512, 512, 314, 342}, {31, 512, 512, 326, 340}, {32, 512, 128, 348, 75},
        {33, 256, 128, 217, 68},  {34, 512, 512, 512, 384}, {35, 512, 128, 416, 68},
        {20, 512, 512, 512, 384}, {25, 512, 512, 512, 384},
    };
    for (const auto& e : expected) {
        const ot_tile& t = ot_tiles[e.id];
        EXPECT_EQ(t.tex_id, e.id);
        EXPECT_EQ(ot_textures[e.id].width, e.tex_w) << "texture " << e.id;
        EXPECT_EQ(ot_textures[e.id].height, e.tex_h) << "texture " << e.id;
        EXPECT_EQ(t.width, e.w) << "tile " << e.id;
        EXPECT_EQ(t.height, e.h) << "tile " << e.id;
        EXPECT_FLOAT_EQ(t.tex_width_off, e.w / e.tex_w) << "tile " << e.id;
    }
}

TEST_F(Startup, PasswordsAndHelpAreLoaded)
{
    EXPECT_GE(levels_find(pws[0].data()), 0);
    EXPECT_NE(pws[0][0], 0);
    EXPECT_GT(HELP[0].screens, 0);
    EXPECT_EQ(HELP[0].display, 1);
}

class StartupWithoutImage : public EngineTest {
protected:
    std::vector<std::string> left_out() const override { return {"base/GameBoard.png", "base/CryptSLIDERS.png"}; }
};

// A missing fixed image is not an error, and its tile draws nothing at all
// (not a white rectangle), however it is blitted.
TEST_F(StartupWithoutImage, MissingImageDrawsNothing)
{
    EXPECT_EQ(engineDone, 0);
    EXPECT_EQ(ot_textures[2].width, 0.0f);
    draw([] {
        ot_blit(2, 0, 0, nullptr);
        ot_blit_trans(2, 0, 0, nullptr);
        ot_blit_rotate(2, 320, 240, nullptr, 90, 1);
        ot_blit_trans_scale(2, 0, 0, 2.0f);
    });
    EXPECT_TRUE(near(pixel(320, 240), {0, 0, 0, 255}));
    EXPECT_TRUE(near(pixel(10, 10), {0, 0, 0, 255}));
}
