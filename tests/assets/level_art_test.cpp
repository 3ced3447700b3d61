// level_art_test.cpp -- the level art in the built data tree: pictures as the level files declare them, with cells
// a player tells from their turns and neighbours; story images dark under the prompt; clues that follow the file
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "rules/level_file.h"
#include "png_check.h"

namespace fs = std::filesystem;

static const fs::path DATA = fs::path(CRYPT_BUILD_DIR) / "data";

// Mean absolute difference per channel between two 33 x 33 cells, the second
// turned by `turns` quarter turns clockwise.
static double cell_difference(const Png& png, int c0, int r0, int c1, int r1, int turns)
{
    double sum = 0;
    for (int y = 0; y < 33; y++)
        for (int x = 0; x < 33; x++) {
            int sx = x, sy = y;  // where pixel (x, y) of the turned cell comes from
            for (int t = 0; t < turns; t++)
                std::tie(sx, sy) = std::pair{sy, 32 - sx};
            const std::uint32_t a = png.at(c0 * 33 + x, r0 * 33 + y), b = png.at(c1 * 33 + sx, r1 * 33 + sy);
            for (int shift : {0, 8, 16})
                sum += std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff));
        }
    return sum / (33.0 * 33.0 * 3.0);
}

// Every picture of every level as the game's parser reads the level file: of
// the size the file declares, opaque, each cell unlike itself turned and unlike
// the cells right of it and below it.
TEST(LevelArt, PicturesAsDeclaredWithCellsAPlayerTellsApart)
{
    int pictures = 0;
    for (int level = 1; level <= 20; level++) {
        const fs::path dir = DATA / ("level" + std::to_string(level));
        std::vector<level_picture> pics;
        std::FILE* f = std::fopen((dir / "level.dat").c_str(), "r");
        ASSERT_NE(f, nullptr) << dir;
        level_reset();
        level_parse_file(f, level, pics);
        std::fclose(f);
        for (const level_picture& p : pics) {
            const Png png = expect_image(dir / p.filename, p.tw, p.th, false);
            for (int r = 0; png.w == p.tw && r < p.h; r++)
                for (int c = 0; c < p.w; c++)
                    for (const auto& [dc, dr, turns] : {std::tuple{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {1, 0, 0}, {0, 1, 0}})
                        EXPECT_GT(c + dc < p.w && r + dr < p.h ? cell_difference(png, c, r, c + dc, r + dr, turns) : 99, 6.0)
                            << p.filename << " cell " << c << "," << r << " against " << dc << "," << dr << " turned " << turns;
            pictures++;
        }
    }
    EXPECT_GT(pictures, 60);
}

// Every full-screen image, each level's screen, clue and win sequences and the
// opening and closing ones, is opaque and dark where the game writes "Press
// a key or button to continue ..." in yellow, centred on (320, 430). (The data checker
// sees to their sizes.)
TEST(LevelArt, StoryImagesLeaveThePromptDark)
{
    const std::regex story("(screen|clue|win|opnseq|closingsq)[0-9]+\\.png");
    int images = 0;
    for (const auto& entry : fs::recursive_directory_iterator(DATA))
        if (std::regex_match(entry.path().filename().string(), story)) {
            const Png png = expect_image(entry.path(), 640, 480, false);
            EXPECT_LT(most(png, 0, 0, {120, 519, 412, 448}, [&](int x, int y) { return luma(png.at(x, y)); }), 70)
                << entry.path();
            images++;
        }
    EXPECT_GT(images, 65);
}

// levelart draws from the level file and from nothing that changes between
// runs: level 1 alone, with its rules and time changed, gives the build's
// bytes for all but the words of its clue image, which state the changed rules.
TEST(LevelArt, CluesFollowTheLevelFileAndARunRepeatsTheBuild)
{
    char root[] = "/tmp/levelart-test-XXXXXX";
    ASSERT_NE(mkdtemp(root), nullptr);
    const fs::path dir = root;
    fs::create_directories(dir / "in/level1");
    fs::copy_file(DATA / "level1/level.dat", dir / "in/level1/level.dat");
    std::ofstream(dir / "in/level1/level.dat", std::ios::app) << "time=95\nmtype=2\nmcounter=1\n";
    const std::string cmd = std::string("\"") + LEVELART_EXE + "\" --font \"" + GAME_FONT + "\" --art \"" +
                            ASSET_ART_DIR + "\" --levels 1 " + (dir / "in").string() + " " + (dir / "out").string();
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    for (const char* name : {"level1/owl.png", "level1/screen1.png", "level1/win1.png", "opening/opnseq1.png",
                             "closing/closingsq2.png", "words/en/level1/screen1.webp", "words/en/opening/opnseq1.webp"})
        EXPECT_TRUE(bytes(dir / "out" / name) == bytes(DATA / name) && fs::file_size(DATA / name) > 0) << name;
    EXPECT_FALSE(bytes(dir / "out/words/en/level1/clue1.webp") == bytes(DATA / "words/en/level1/clue1.webp"))
        << "the clue ignores the file";
    fs::remove_all(dir);
}
