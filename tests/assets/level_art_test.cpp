// level_art_test.cpp -- the level art in the built data tree: pictures as the level files declare them, story images, the prompt band, clues made from the level, determinism
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "clue_words.h"
#include "game/level_file.h"
#include "png_check.h"

namespace fs = std::filesystem;

static const fs::path DATA = fs::path(CRYPT_BUILD_DIR) / "data";

namespace {

constexpr int LEVELS = 20;

std::vector<level_picture> level_pictures(int level)
{
    std::vector<level_picture> pics;
    const fs::path file = DATA / ("level" + std::to_string(level)) / "level.dat";
    std::FILE* f = std::fopen(file.c_str(), "r");
    if (!f)
        return pics;
    level_reset();
    level_parse_file(f, level, pics);
    std::fclose(f);
    return pics;
}

// Mean absolute difference per channel between two 33 x 33 cells, the second
// turned by `turns` quarter turns clockwise.
double cell_difference(const Pixels& px, int c0, int r0, int c1, int r1, int turns)
{
    double sum = 0;
    for (int y = 0; y < 33; y++)
        for (int x = 0; x < 33; x++) {
            int sx = x, sy = y;
            for (int t = 0; t < turns; t++) {  // where pixel (x, y) of the turned cell comes from
                const int nx = sy, ny = 32 - sx;
                sx = nx;
                sy = ny;
            }
            const int ax = c0 * 33 + x, ay = r0 * 33 + y, bx = c1 * 33 + sx, by = r1 * 33 + sy;
            sum += std::abs(int(px.r(ax, ay)) - int(px.r(bx, by))) + std::abs(int(px.g(ax, ay)) - int(px.g(bx, by))) +
                   std::abs(int(px.b(ax, ay)) - int(px.b(bx, by)));
        }
    return sum / (33.0 * 33.0 * 3.0);
}

// The share of each colour inside the frame, the pixels quantised to 8 levels a channel.
std::vector<double> colour_histogram(const Pixels& px)
{
    std::vector<double> h(512, 0.0);
    double n = 0;
    for (int y = 5; y < px.h - 5; y++)
        for (int x = 5; x < px.w - 5; x++) {
            h[std::size_t((px.r(x, y) >> 5) * 64 + (px.g(x, y) >> 5) * 8 + (px.b(x, y) >> 5))] += 1;
            n += 1;
        }
    for (double& v : h)
        v /= n;
    return h;
}

// How much of their colour two pictures share: 0 nothing, 1 the same mix.
double shared_colour(const std::vector<double>& a, const std::vector<double>& b)
{
    double s = 0;
    for (std::size_t i = 0; i < a.size(); i++)
        s += std::min(a[i], b[i]);
    return s;
}

// Every full-screen image the game can show: each level's numbered screen,
// clue and win images, the opening and closing sequences.
std::vector<fs::path> story_images()
{
    std::vector<fs::path> out;
    auto sequence = [&](const fs::path& dir, const std::string& stem) {
        for (int i = 1; fs::exists(dir / (stem + std::to_string(i) + ".png")); i++)
            out.push_back(dir / (stem + std::to_string(i) + ".png"));
    };
    for (int level = 1; level <= LEVELS; level++)
        for (const char* stem : {"screen", "clue", "win"})
            sequence(DATA / ("level" + std::to_string(level)), stem);
    sequence(DATA / "opening", "opnseq");
    sequence(DATA / "closing", "closingsq");
    return out;
}

std::string temp_dir()
{
    char pattern[] = "/tmp/levelart-test-XXXXXX";
    return mkdtemp(pattern) ? pattern : "";
}

// Runs levelart on the levels in `data` (level 1 only), writing below out.
int run_levelart(const fs::path& data, const fs::path& out)
{
    const std::string cmd = std::string("\"") + LEVELART_EXE + "\" --font \"" + GAME_FONT + "\" --art \"" + ASSET_ART_DIR +
                            "\" --levels 1 \"" + data.string() + "\" \"" + out.string() + "\"";
    return std::system(cmd.c_str());
}

}  // namespace

TEST(LevelArt, EveryPictureHasItsDeclaredSizeOpaqueWithoutPureBlack)
{
    int pictures = 0;
    for (int level = 1; level <= LEVELS; level++) {
        for (const level_picture& p : level_pictures(level)) {
            const fs::path file = DATA / ("level" + std::to_string(level)) / p.filename;
            SCOPED_TRACE(file.string());
            const PngInfo info = png_info(file);
            EXPECT_EQ(int(info.w), p.tw);
            EXPECT_EQ(int(info.h), p.th);
            EXPECT_EQ(info.colour_type, 2) << "RGB without alpha: the loader keys out pure black instead";
            const Pixels px = load(file);
            long black = 0;
            for (int y = 0; y < px.h; y++)
                for (int x = 0; x < px.w; x++)
                    black += px.r(x, y) == 0 && px.g(x, y) == 0 && px.b(x, y) == 0;
            EXPECT_EQ(black, 0) << "pure black would show as holes";
            pictures++;
        }
    }
    EXPECT_GT(pictures, 60);
}

// A player places cells one by one and must tell a turned cell from an
// upright one: no cell may look like itself turned, nor like its neighbours.
TEST(LevelArt, EveryCellDiffersFromItsTurnsAndItsNeighbours)
{
    for (int level = 1; level <= LEVELS; level++)
        for (const level_picture& p : level_pictures(level)) {
            const Pixels px = load(DATA / ("level" + std::to_string(level)) / p.filename);
            ASSERT_EQ(px.w, p.tw);
            for (int r = 0; r < p.h; r++)
                for (int c = 0; c < p.w; c++) {
                    SCOPED_TRACE("level " + std::to_string(level) + " " + p.filename + " cell " + std::to_string(c) + "," +
                                 std::to_string(r));
                    for (int turns = 1; turns < 4; turns++)
                        EXPECT_GT(cell_difference(px, c, r, c, r, turns), 6.0) << turns << " quarter turns";
                    if (c + 1 < p.w) {
                        EXPECT_GT(cell_difference(px, c, r, c + 1, r, 0), 6.0) << "like its right neighbour";
                    }
                    if (r + 1 < p.h) {
                        EXPECT_GT(cell_difference(px, c, r, c, r + 1, 0), 6.0) << "like the cell below";
                    }
                }
        }
}

TEST(LevelArt, PicturesOfOneLevelDifferInTone)
{
    for (int level = 1; level <= LEVELS; level++) {
        std::vector<std::pair<std::string, std::vector<double>>> tones;
        for (const level_picture& p : level_pictures(level))
            tones.push_back({p.filename, colour_histogram(load(DATA / ("level" + std::to_string(level)) / p.filename))});
        for (std::size_t i = 0; i < tones.size(); i++)
            for (std::size_t j = i + 1; j < tones.size(); j++) {
                const double shared = shared_colour(tones[i].second, tones[j].second);
                if (tones[i].first != tones[j].first) {
                    EXPECT_LT(shared, 0.45) << "level " << level << ": " << tones[i].first << " and " << tones[j].first;
                }
            }
    }
}

TEST(LevelArt, StoryImagesAreFullScreenAndOpaque)
{
    const std::vector<fs::path> images = story_images();
    EXPECT_GE(images.size(), std::size_t(LEVELS * 3 + 3 + 2));
    for (int level = 1; level <= LEVELS; level++)
        for (const char* first : {"screen1.png", "clue1.png", "win1.png"})
            EXPECT_TRUE(fs::exists(DATA / ("level" + std::to_string(level)) / first)) << level << " " << first;
    for (const fs::path& file : images) {
        SCOPED_TRACE(file.string());
        const PngInfo info = png_info(file);
        EXPECT_EQ(info.w, 640u);
        EXPECT_EQ(info.h, 480u);
        EXPECT_EQ(info.colour_type, 2);
        EXPECT_EQ(std::count(info.chunks.begin(), info.chunks.end(), "tIME"), 0) << "no time stamp in the file";
    }
}

// The game draws "Press any key to continue ..." in yellow centred on (320, 430).
TEST(LevelArt, PromptBandStaysDarkForTheYellowPrompt)
{
    for (const fs::path& file : story_images()) {
        SCOPED_TRACE(file.string());
        const Pixels px = load(file);
        ASSERT_EQ(px.w, 640);
        double brightest = 0, sum = 0;
        int n = 0;
        for (int y = 412; y <= 448; y++)
            for (int x = 120; x < 520; x++) {
                brightest = std::max(brightest, px.luma(x, y));
                sum += px.luma(x, y);
                n++;
            }
        EXPECT_LT(brightest, 70) << "a light spot under the prompt";
        EXPECT_LT(sum / n, 30) << "too light on average";
    }
}

// The clue image is drawn from the level file: change the rules and it
// changes, while the pictures stay; the same file gives the same bytes as the
// full build, twice over.
TEST(LevelArt, CluesFollowTheLevelFileAndRunsRepeatThemselves)
{
    const fs::path root = temp_dir();
    ASSERT_FALSE(root.empty());
    const fs::path same = root / "same", changed = root / "changed";
    fs::create_directories(same / "level1");
    fs::create_directories(changed / "level1");
    fs::copy_file(DATA / "level1/level.dat", same / "level1/level.dat");
    std::ifstream in(DATA / "level1/level.dat");
    std::ofstream out(changed / "level1/level.dat");
    for (std::string line; std::getline(in, line);)
        out << (line.rfind("time=", 0) == 0 ? "time=95" : line) << "\n";
    out << "mtype=2\nmcounter=1\n";
    out.close();

    ASSERT_EQ(run_levelart(same, root / "a"), 0);
    ASSERT_EQ(run_levelart(same, root / "b"), 0);
    ASSERT_EQ(run_levelart(changed, root / "c"), 0);
    for (const char* name : {"level1/owl.png", "level1/screen1.png", "level1/clue1.png", "level1/win1.png",
                             "opening/opnseq1.png", "closing/closingsq2.png"}) {
        SCOPED_TRACE(name);
        const std::vector<unsigned char> a = bytes(root / "a" / name);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(a == bytes(root / "b" / name)) << "two runs differ";
        EXPECT_TRUE(a == bytes(DATA / name)) << "a run of one level differs from the full build";
    }
    EXPECT_TRUE(bytes(root / "a/level1/owl.png") == bytes(root / "c/level1/owl.png"));
    EXPECT_FALSE(bytes(root / "a/level1/clue1.png") == bytes(root / "c/level1/clue1.png"))
        << "the clue image ignores the level's rules and time";
    fs::remove_all(root);
}

// The words on every shipped level's clue image name each of its goals once.
TEST(LevelArt, ShippedLevelsHaveAWordForEveryGoal)
{
    for (int level = 1; level <= LEVELS; level++) {
        SCOPED_TRACE(level);
        level_pictures(level);  // reads the level into the parser's globals
        const ClueWords w = clue_words();
        EXPECT_EQ(int(w.match_notes.size()), int(GameMatchsCount));
        EXPECT_EQ(int(w.fail_notes.size()), int(GameFailsCount));
        EXPECT_EQ(w.fail_rule.empty(), GameFailsCount == 0);
        EXPECT_FALSE(w.match_rule.empty());
    }
}

// A picture no subject is drawn for still gets its file at its size; a file
// name that would leave the level's folder gets none.
TEST(LevelArt, UnknownSubjectsAreDrawnAndNamesOutsideTheFolderRefused)
{
    const fs::path root = temp_dir();
    ASSERT_FALSE(root.empty());
    fs::create_directories(root / "in/level1");
    std::ofstream(root / "in/level1/level.dat") << "name=Strange\nrotate=0\ntime=60\nmatch=1\nmatch=2\n"
                                                << "pic=1,3,2,99,66,gargoyle.png\npic=2,2,2,66,66,../escape.png\n";
    ASSERT_EQ(run_levelart(root / "in", root / "out"), 0);
    const PngInfo info = png_info(root / "out/level1/gargoyle.png");
    EXPECT_EQ(info.w, 99u);
    EXPECT_EQ(info.h, 66u);
    EXPECT_FALSE(fs::exists(root / "out/escape.png"));
    EXPECT_TRUE(fs::exists(root / "out/level1/clue1.png"));
    fs::remove_all(root);
}
