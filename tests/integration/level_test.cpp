// level_test.cpp -- loading a level file into textures, tiles and a shuffled board
#include <filesystem>
#include <fstream>

#include "engine_fixture.h"

#include "common.h"
#include "game/game.h"
#include "game/level.h"
#include "game/level_file.h"

class Level : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        std::filesystem::create_directories("data/level1");
        // A 3 x 3 picture whose nine cells each have their own colour, and a 2 x 1 one.
        ASSERT_TRUE(write_png("data/level1/owl.png", 99, 99, false, [](int x, int y) {
            int c = y / 33 * 3 + x / 33;
            return rgba8{static_cast<std::uint8_t>(40 + 25 * c), static_cast<std::uint8_t>(200 - 20 * c), 90, 255};
        }));
        ASSERT_TRUE(write_png("data/level1/key.png", 66, 33, false, [](int x, int) {
            return x < 33 ? rgba8{220, 180, 60, 255} : rgba8{120, 90, 30, 255};
        }));
        std::filesystem::remove("data/level1/level.dat");  // a link into the built tree: replace it, never write through it
        std::ofstream("data/level1/level.dat") << "name=Test crypt\n"
                                                  "time=90\n"
                                                  "match=1\n"
                                                  "fail=2\n"
                                                  "pic=1,3,3,99,99,owl.png\n"
                                                  "pic=2,2,1,66,33,key.png\n"
                                                  "data=101,102,103,0,0,0,0,0,0,104,105,106,0,0,0,0,0,0,"
                                                  "107,108,109,0,0,0,0,201,202,\n";
        GameLevel = 1;
    }
    // Draws the game background and every cell's tile turned by its code, as the board shows it.
    void draw_board()
    {
        draw([] {
            ot_blit(2, 0, 0, nullptr);
            for (int y = 0; y < BOARD_SIDE; y++)
                for (int x = 0; x < BOARD_SIDE; x++) {
                    const gridtile& g = Grid[static_cast<size_t>(y * BOARD_SIDE + x)];
                    if (g.id)
                        ot_blit_rotate(g.id, BOARD_LEFT + CELL_SIZE * x + 16, BOARD_TOP + CELL_SIZE * y + 16, nullptr,
                                       g.direction * 90.0f, 0);
                }
        });
    }
};

TEST_F(Level, PicturesBecomeTexturesAndCellTiles)
{
    ASSERT_EQ(level_load(), 1);
    EXPECT_STREQ(GameName, "Test crypt");
    EXPECT_GT(GameNameFont.tw, 0);
    EXPECT_EQ(ot_textures[10].width, 128.0f);
    EXPECT_EQ(ot_tiles[10].width, 99.0f) << "the whole picture";
    for (int id : {101, 105, 109}) {
        EXPECT_EQ(ot_tiles[id].tex_id, 10);
        EXPECT_EQ(ot_tiles[id].width, 33.0f);
    }
    EXPECT_EQ(ot_tiles[109].x_offset, 66.0f);
    EXPECT_EQ(ot_tiles[202].tex_id, 11);
    EXPECT_EQ(MatchGrid(0), 0) << "the shuffle leaves no goal whole";
    int tiles = 0;
    for (const gridtile& g : Grid)
        tiles += g.id != 0;
    EXPECT_EQ(tiles, 11);
    draw_board();
    screenshot("level_shuffled");
}

TEST_F(Level, UnshuffledBoardShowsThePicturesWhole)
{
    randomize_board = -1;
    ASSERT_EQ(level_load(), 1);
    draw_board();
    screenshot("level_unshuffled");
    // The middle cell of the 3 x 3 picture lies in board cell (1, 1) in its own colour.
    EXPECT_TRUE(near(pixel(BOARD_LEFT + 33 + 16, BOARD_TOP + 33 + 16), {140, 120, 90, 255}, 6))
        << pixel(BOARD_LEFT + 33 + 16, BOARD_TOP + 33 + 16);
    EXPECT_EQ(MatchGrid(1), 1);
    EXPECT_EQ(MatchedX, BOARD_LEFT + 49);
}

TEST_F(Level, MissingLevelFileLoadsNothing)
{
    GameLevel = 42;  // no such level in the data tree
    EXPECT_EQ(level_load(), 0);
}
