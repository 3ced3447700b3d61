// rules_test.cpp -- the board's rules: whole pictures in every orientation and
// as they look, the goal scan, the shuffle, repeated pictures and the goal
// rules (the player's moves are tested through the game's handlers, by mouse
// and by keys)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "rules/board.h"
#include "rules/goals.h"
#include "rules/level_file.h"
#include "rules/picture_level.h"
#include "rules/random.h"
#include "rules/solver.h"
#include "rules/tile_looks.h"

namespace {

class Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        level_reset();
        Grid = {};
        Pictures = {};
        Match = {};
        Fail = {};
        GameRotate = 0;
        ShowingMatch = 0;
        randomize_board = 0;
    }

    // Reads level-file lines, blank-separated ("match=1 fail=2,3 mtype=2").
    static void level(const std::string& lines)
    {
        std::vector<level_picture> pics;
        std::istringstream in(lines);
        for (std::string l; in >> l;)
            level_parse_line(l.c_str(), 1, pics);
    }

    // Lays picture n (w x h) turned to d with the top-left of the area it covers
    // at (x, y). The turned picture is made by turning the upright one a quarter
    // at a time, independently of the game's own geometry.
    static void lay(int n, int w, int h, int d, int x, int y)
    {
        Pictures[static_cast<size_t>(n - 1)].w = static_cast<std::uint8_t>(w);
        Pictures[static_cast<size_t>(n - 1)].h = static_cast<std::uint8_t>(h);
        std::vector<std::vector<int>> g(static_cast<size_t>(h), std::vector<int>(static_cast<size_t>(w)));
        for (int r = 0; r < h; r++)
            for (int c = 0; c < w; c++)
                g[static_cast<size_t>(r)][static_cast<size_t>(c)] = picture_tile_id(n, w, c, r);
        for (int t = 0; t < (d + 3) % 4; t++) {  // code 1 is upright, each code a quarter turn clockwise
            std::vector<std::vector<int>> next(g[0].size(), std::vector<int>(g.size()));
            for (size_t r = 0; r < g.size(); r++)
                for (size_t c = 0; c < g[0].size(); c++)
                    next[c][g.size() - 1 - r] = g[r][c];
            g = next;
        }
        for (size_t r = 0; r < g.size(); r++)
            for (size_t c = 0; c < g[r].size(); c++)
                cell(x + static_cast<int>(c), y + static_cast<int>(r)) =
                    gridtile{static_cast<std::uint16_t>(g[r][c]), static_cast<std::uint8_t>(d), 0};
    }

    static gridtile& cell(int x, int y) { return Grid[static_cast<size_t>(y * BOARD_SIDE + x)]; }

    static int locked_count()
    {
        return static_cast<int>(std::count_if(Grid.begin(), Grid.end(), [](const gridtile& c) { return c.locked; }));
    }

    // The multiset of (id, direction) on the board.
    static std::vector<std::pair<int, int>> tiles()
    {
        std::vector<std::pair<int, int>> t;
        for (const gridtile& c : Grid)
            t.emplace_back(c.id, c.direction);
        std::sort(t.begin(), t.end());
        return t;
    }
};

// Pictures that are not square, in every orientation, at the board's corners:
// found where they lie as the player sees them, locked, the zoom centred on them.
TEST_F(Rules, TurnedPicturesAreFoundAsTheyLookOnTheBoard)
{
    for (auto [w, h] : {std::pair{2, 3}, std::pair{3, 2}, std::pair{3, 3}})
        for (int d = 0; d < 4; d++) {
            int cols = d % 2 == 0 ? h : w, rows = d % 2 == 0 ? w : h;
            for (auto [x, y] : {std::pair{0, 0}, std::pair{9 - cols, 9 - rows}, std::pair{9 - cols, 0}}) {
                SCOPED_TRACE(testing::Message() << w << "x" << h << " code " << d << " at " << x << "," << y);
                SetUp();
                lay(4, w, h, d, x, y);
                EXPECT_EQ(valid_picture(3, 0, static_cast<std::uint8_t>((d + 1) % 4)), 0) << "other orientation";
                ASSERT_EQ(valid_picture(3, 1, static_cast<std::uint8_t>(d)), 1);
                EXPECT_EQ(locked_count(), w * h);
                EXPECT_EQ(MatchedX, BOARD_LEFT + CELL_SIZE * x + CELL_SIZE * cols / 2);
                EXPECT_EQ(MatchedY, BOARD_TOP + CELL_SIZE * y + CELL_SIZE * rows / 2);
                EXPECT_EQ(MatchedDirection, d);
                EXPECT_EQ(valid_picture(3, 0, static_cast<std::uint8_t>(d)), 0) << "found again once locked";
            }
        }
}

// Match[0], Fail[0], Match[1], ...: one find at a time, each locked once; a
// scan without locking changes nothing; matched and empty entries are skipped.
TEST_F(Rules, GoalScanAlternatesTheListsAndFindsOneAtATime)
{
    lay(1, 2, 2, DIR_UPRIGHT, 0, 0);
    lay(2, 1, 2, DIR_UPSIDE, 5, 5);
    lay(3, 1, 1, DIR_UPRIGHT, 8, 0);
    Match[0] = {3, 0, DIR_UPRIGHT};
    Fail[0] = {2, 0, DIR_UPSIDE};
    Match[1] = {1, 1, DIR_UPRIGHT};  // matched already: the owl standing whole is not found again
    auto before = tiles();
    EXPECT_EQ(MatchGrid(0), 1);
    EXPECT_EQ(locked_count(), 0);
    ASSERT_EQ(MatchGrid(1), 1);
    EXPECT_EQ(ShowingID, 2) << "Match[0] comes before Fail[0]";
    EXPECT_EQ(ShowingMatch, 1);
    EXPECT_EQ(locked_count(), 1);
    ASSERT_EQ(MatchGrid(1), 1);
    EXPECT_EQ(ShowingID, 1);
    EXPECT_EQ(locked_count(), 3);
    EXPECT_EQ(MatchGrid(1), 0);
    EXPECT_EQ(tiles(), before);
}

TEST_F(Rules, ShuffleMovesTilesNeverTurnsThemAndLeavesNoGoalWhole)
{
    lay(1, 2, 2, DIR_RIGHT, 0, 0);
    lay(2, 3, 1, DIR_UPRIGHT, 4, 4);
    cell(8, 8).locked = 1;
    Match[0] = {1, 0, DIR_RIGHT};
    Fail[0] = {2, 0, DIR_UPRIGHT};
    auto before = tiles();
    random_seed(7);
    BuildRandomBoard();
    EXPECT_EQ(tiles(), before);
    EXPECT_EQ(locked_count(), 0);
    EXPECT_EQ(MatchGrid(0), 0);

    // Switched off, the level's layout stays.
    SetUp();
    lay(1, 2, 2, DIR_UPRIGHT, 0, 0);
    Match[0] = {1, 0, DIR_UPRIGHT};
    randomize_board = -1;
    BuildRandomBoard();
    EXPECT_EQ(MatchGrid(0), 1);

    // A one-cell goal stands whole anywhere: the shuffle gives up rather than run for ever.
    SetUp();
    lay(1, 1, 1, DIR_UPRIGHT, 0, 0);
    Match[0] = {1, 0, DIR_UPRIGHT};
    BuildRandomBoard();
    EXPECT_EQ(MatchGrid(0), 1);
}

// Two pictures of 2 x 2 pixel cells, each pixel a grey: picture 1 (3 x 2) is
// flat, flat, A / A turned a half, B, flat; picture 2 (2 x 1) flat, C.
look_table alike_looks()
{
    const std::vector<int> grey[2] = {{9, 9, 9, 9, 1, 2, 9, 9, 9, 9, 3, 4, 4, 3, 5, 6, 9, 9, 2, 1, 7, 8, 9, 9},
                                      {9, 9, 11, 12, 9, 9, 13, 14}};
    std::vector<std::uint8_t> rgba[2];
    for (int p = 0; p < 2; p++)
        for (int v : grey[p])
            rgba[p].insert(rgba[p].end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v), 0, 255});
    return tile_looks_build({{101, 3, 2, 2, rgba[0].data()}, {201, 2, 1, 2, rgba[1].data()}}, true);
}

// A picture stands whole where each of its cells shows what it should: its
// own tile or one of identical pixels in the orientation shown, unlocked.
TEST_F(Rules, WhatLooksWholeIsWhole)
{
    const struct {
        const char* what;
        void (*change)();
        int whole1, whole2;
    } cases[] = {
        {"two flat cells exchanged", [] { std::swap(cell(0, 0), cell(1, 0)); }, 1, 1},
        {"flat cells of two pictures exchanged", [] { std::swap(cell(1, 0), cell(0, 4)); }, 1, 1},
        {"a flat cell turned", [] { cell(2, 1).direction = DIR_LEFT; }, 1, 1},
        {"A and its half turn exchanged, turned a half",
         [] { std::swap(cell(2, 0), cell(0, 1)), cell(2, 0).direction = cell(0, 1).direction = DIR_UPSIDE; }, 1, 1},
        {"A and its half turn exchanged", [] { std::swap(cell(2, 0), cell(0, 1)); }, 0, 1},
        {"B turned", [] { cell(1, 1).direction = DIR_RIGHT; }, 0, 1},
        {"a flat cell where B goes", [] { std::swap(cell(0, 0), cell(1, 1)); }, 0, 1},
        {"a flat cell locked", [] { cell(2, 1).locked = 1; }, 0, 1},
        {"no size", [] { Pictures[0].w = 0; }, 0, 1},
        {"running off the right edge", [] { Grid = {}, cell(8, 8) = {201, DIR_UPRIGHT, 0}, cell(0, 0) = {202, DIR_UPRIGHT, 0}; }, 0, 0},
        {"a level file's tiles, all their own", [] { level_reset(), std::swap(cell(0, 0), cell(1, 0)); }, 0, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        TileLooks = alike_looks();
        lay(1, 3, 2, DIR_UPRIGHT, 0, 0);
        lay(2, 2, 1, DIR_UPRIGHT, 0, 4);
        c.change();
        EXPECT_EQ(valid_picture(0, 0, DIR_UPRIGHT), c.whole1) << c.what;
        EXPECT_EQ(valid_picture(1, 0, DIR_UPRIGHT), c.whole2) << c.what;
    }
    EXPECT_EQ(valid_picture(1, 0, 4), 0) << "no orientation 4";
    lay(10, 2, 2, DIR_UPSIDE, 7, 7);
    EXPECT_EQ(cell(8, 8).id, 1001) << "picture 10's tiles from 1001";
    EXPECT_EQ(valid_picture(9, 0, DIR_UPSIDE), 1);

    // A flat tile lies turned in another's place, a third off the picture: the
    // solver leaves the first be and brings the third into the gap, one move
    // where each tile its own would take three.
    SetUp();
    level("rotate=1 match=1");
    TileLooks = alike_looks();
    lay(1, 3, 2, DIR_UPRIGHT, 0, 0);
    std::swap(cell(0, 0), cell(2, 1));
    cell(0, 0).direction = DIR_LEFT;
    std::swap(cell(2, 1), cell(8, 8));
    solver_result r = solve_board();
    EXPECT_TRUE(r.won) << r.problem;
    EXPECT_EQ(r.moves.size(), 1u);
}

// A picture repeats an earlier one of the same size and the very same pixels;
// one that could not be read (no pixels) repeats nothing.
TEST(PictureRepeats, SameSizeAndPixelsOnly)
{
    auto image = [](int w, int v) { return intake_image{w, 6 / w, std::vector<std::uint8_t>(24, static_cast<std::uint8_t>(v))}; };
    EXPECT_EQ(picture_repeats({image(2, 7), image(2, 8), image(2, 7), image(3, 7), {}, {}, image(2, 8)}),
              (std::vector<int>{-1, -1, 0, -1, -1, -1, 1}));
}

TEST(BoardCellAt, SharedEdgesGoToTheUpperRowAndLeftColumn)
{
    const struct {
        int x, y, cell;
    } cases[] = {{63, 88, 0},   {96, 121, 0},  {97, 122, 10},   {97, 121, 1},   {360, 385, 80}, {327, 352, 70},
                 {328, 353, 80}, {62, 200, -1}, {361, 200, -1}, {200, 87, -1}, {200, 386, -1}, {-1, 100, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(board_cell_at(c.x, c.y), c.cell) << c.x << "," << c.y;
}

// Each case: the level's goal lines, the pictures completed in turn ("n" or
// "n,direction"), and after each what the goal step says: . nothing, W won,
// L lost, B both (the loss, reported after the win, decides).
TEST_F(Rules, GoalRulesWinAndLoseAsTheLevelSays)
{
    const struct {
        const char *lines, *completed, *outcomes;
    } cases[] = {
        {"match=1 match=2 fail=3", "1 2", ".W"},
        {"match=1 match=2 fail=3", "3", "L"},
        {"match=1", "1,3 1", ".W"},                // the wrong orientation marks nothing
        {"match=1 match=1", "1 1", ".W"},          // listed twice: one entry a completion
        {"fail=4", "4", "B"},                      // no match list: won at once, the fail rule after
        {"match=2 fail=2", "2", "B"},              // in both lists: marked in both
        {"match=1 match=2 match=3 mtype=2 mcounter=0", "2", "W"},  // a counter of 0 counts as 1
        {"match=1 match=2 match=3 mtype=2 mcounter=2", "3 1", ".W"},
        {"match=1 match=2 match=3 mtype=3", "1 2 3", "..W"},
        {"match=1 match=2 match=3 mtype=3", "2", "L"},  // not the first entry first
        {"match=1 match=2 match=3 mtype=3", "1 3", ".L"},  // a gap in the run
        {"match=9 fail=1 fail=2 fail=3 fail=4 ftype=2 fcounter=3", "1 2 4", "..L"},
        {"match=9 fail=1 fail=2 ftype=3", "1 2", ".L"},
        {"match=9 match=8 ftype=3", "9", "."},      // an empty fail list never loses
        {"match=1 fail=2 mtype=0 ftype=7", "1 2", ".."},  // unknown rules never decide
    };
    for (const auto& c : cases) {
        SetUp();
        level(c.lines);
        std::istringstream in(c.completed);
        std::string said;
        for (std::string step; in >> step;) {
            int n = 0, d = DIR_UPRIGHT;
            std::sscanf(step.c_str(), "%d,%d", &n, &d);
            goal_outcome o = goal_rules(n, static_cast<std::uint8_t>(d));
            said += o.won && o.lost ? 'B' : o.won ? 'W' : o.lost ? 'L' : '.';
        }
        EXPECT_EQ(said, c.outcomes) << c.lines << " completing " << c.completed;
    }
}

}  // namespace
