// board_test.cpp -- recognising whole pictures, locking them, the goal scan and the shuffle
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "game/board.h"

namespace {

class Board : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid = {};
        Pictures = {};
        Match = {};
        Fail = {};
        MatchedX = MatchedY = 0;
        MatchedDirection = DIR_UPRIGHT;
        ShowingMatch = 0;
        randomize_board = 0;
    }

    void declare(int n, int w, int h)
    {
        Pictures[static_cast<size_t>(n - 1)].w = static_cast<std::uint8_t>(w);
        Pictures[static_cast<size_t>(n - 1)].h = static_cast<std::uint8_t>(h);
    }

    // The picture as the player sees it turned: a grid of tile ids, rows of
    // columns, made by turning the upright picture step by step.
    static std::vector<std::vector<int>> turned(int n, int w, int h, int d)
    {
        std::vector<std::vector<int>> g(static_cast<size_t>(h), std::vector<int>(static_cast<size_t>(w)));
        for (int r = 0; r < h; r++)
            for (int c = 0; c < w; c++)
                g[static_cast<size_t>(r)][static_cast<size_t>(c)] = picture_tile_id(n, w, c, r);
        int quarter_turns = (d + 3) % 4;  // code 1 is upright, each code a quarter turn clockwise
        for (int t = 0; t < quarter_turns; t++) {
            size_t rows = g.size(), cols = g[0].size();
            std::vector<std::vector<int>> next(cols, std::vector<int>(rows));
            for (size_t r = 0; r < rows; r++)
                for (size_t c = 0; c < cols; c++)
                    next[c][rows - 1 - r] = g[r][c];
            g = next;
        }
        return g;
    }

    // Lays picture n turned to d with the top-left of the area it covers at (x, y).
    void lay(int n, int w, int h, int d, int x, int y)
    {
        auto g = turned(n, w, h, d);
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
};

// Every orientation of pictures that are not square, at each corner of the board:
// the picture is found where it lies as the player sees it, and the zoom centres on it.
TEST_F(Board, TurnedPicturesAreFoundAsTheyLookOnTheBoard)
{
    for (auto [w, h] : {std::pair{2, 3}, std::pair{3, 2}, std::pair{3, 3}}) {
        for (int d = 0; d < 4; d++) {
            bool quarter = d == DIR_LEFT || d == DIR_RIGHT;
            int cols = quarter ? h : w, rows = quarter ? w : h;
            for (auto [x, y] : {std::pair{0, 0}, std::pair{9 - cols, 9 - rows}, std::pair{9 - cols, 0}}) {
                SCOPED_TRACE(testing::Message() << w << "x" << h << " code " << d << " at " << x << "," << y);
                SetUp();
                declare(4, w, h);
                lay(4, w, h, d, x, y);
                EXPECT_EQ(valid_picture(3, 0, static_cast<std::uint8_t>(d)), 1);
                EXPECT_EQ(valid_picture(3, 0, static_cast<std::uint8_t>((d + 1) % 4)), 0) << "other orientation";
                ASSERT_EQ(valid_picture(3, 1, static_cast<std::uint8_t>(d)), 1);
                EXPECT_EQ(locked_count(), w * h);
                EXPECT_EQ(MatchedX, BOARD_LEFT + CELL_SIZE * x + CELL_SIZE * cols / 2);
                EXPECT_EQ(MatchedY, BOARD_TOP + CELL_SIZE * y + CELL_SIZE * rows / 2);
                EXPECT_EQ(MatchedDirection, d);
            }
        }
    }
}

TEST_F(Board, SquarePictureCentres)
{
    declare(1, 3, 3);
    lay(1, 3, 3, DIR_UPRIGHT, 2, 2);
    ASSERT_EQ(valid_picture(0, 1, DIR_UPRIGHT), 1);
    EXPECT_EQ(MatchedX, 178);
    EXPECT_EQ(MatchedY, 203);
    SetUp();
    declare(1, 3, 3);
    lay(1, 3, 3, DIR_LEFT, 2, 2);
    EXPECT_EQ(cell(2, 4).id, 101) << "first tile at the bottom-left";
    ASSERT_EQ(valid_picture(0, 1, DIR_LEFT), 1);
    EXPECT_EQ(MatchedX, 178);
    EXPECT_EQ(MatchedY, 203);
}

TEST_F(Board, PictureTenUsesTileIdsFrom1001)
{
    declare(10, 2, 2);
    lay(10, 2, 2, DIR_UPSIDE, 7, 7);
    EXPECT_EQ(cell(8, 8).id, 1001);
    EXPECT_EQ(valid_picture(9, 1, DIR_UPSIDE), 1);
}

TEST_F(Board, OneWrongTileOrLockOrSizeBreaksThePicture)
{
    declare(2, 2, 2);
    lay(2, 2, 2, DIR_UPRIGHT, 4, 4);
    cell(5, 5).direction = DIR_RIGHT;
    EXPECT_EQ(valid_picture(1, 0, DIR_UPRIGHT), 0) << "one tile turned differently";
    cell(5, 5).direction = DIR_UPRIGHT;
    cell(5, 4).locked = 1;
    EXPECT_EQ(valid_picture(1, 0, DIR_UPRIGHT), 0) << "a locked tile";
    cell(5, 4).locked = 0;
    std::swap(cell(4, 5), cell(5, 5));
    EXPECT_EQ(valid_picture(1, 0, DIR_UPRIGHT), 0) << "two tiles exchanged";
    std::swap(cell(4, 5), cell(5, 5));
    EXPECT_EQ(valid_picture(1, 0, 4), 0) << "no orientation 4";
    EXPECT_EQ(valid_picture(1, 0, DIR_UPRIGHT), 1);
    Pictures[1].w = 0;
    EXPECT_EQ(valid_picture(1, 0, DIR_UPRIGHT), 0) << "a picture without size";
}

TEST_F(Board, PictureRunningOffTheBoardIsNotWhole)
{
    declare(1, 2, 2);
    cell(8, 8) = {101, DIR_UPRIGHT, 0};  // the rest would lie past the edge
    cell(0, 0) = {102, DIR_UPRIGHT, 0};
    EXPECT_EQ(valid_picture(0, 0, DIR_UPRIGHT), 0);
    cell(0, 8) = {101, DIR_UPSIDE, 0};  // half turn: the rest would lie left and above
    EXPECT_EQ(valid_picture(0, 0, DIR_UPSIDE), 0);
}

TEST_F(Board, TestingWithoutLockChangesNothing)
{
    declare(1, 2, 2);
    lay(1, 2, 2, DIR_UPRIGHT, 0, 0);
    Match[0] = {1, 0, DIR_UPRIGHT};
    auto before = Grid;
    EXPECT_EQ(MatchGrid(0), 1);
    EXPECT_EQ(ShowingMatch, 0);
    EXPECT_EQ(MatchedX, 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), Grid.begin(), [](const gridtile& a, const gridtile& b) {
        return a.id == b.id && a.direction == b.direction && a.locked == b.locked;
    }));
}

TEST_F(Board, GoalScanAlternatesMatchAndFailAndFindsOneAtATime)
{
    declare(1, 2, 2);
    declare(2, 1, 2);
    lay(1, 2, 2, DIR_UPRIGHT, 0, 0);
    lay(2, 1, 2, DIR_UPSIDE, 5, 5);
    Match[1] = {1, 0, DIR_UPRIGHT};
    Fail[0] = {2, 0, DIR_UPSIDE};
    ASSERT_EQ(MatchGrid(1), 1);
    EXPECT_EQ(ShowingID, 1) << "Fail[0] comes before Match[1]";
    EXPECT_EQ(ShowingMatch, 1);
    EXPECT_EQ(locked_count(), 2);
    ASSERT_EQ(MatchGrid(1), 1);
    EXPECT_EQ(ShowingID, 0);
    EXPECT_EQ(locked_count(), 6);
    EXPECT_EQ(MatchGrid(1), 0) << "locked pictures are not found again";
}

TEST_F(Board, MatchedEntriesAndEmptyEntriesAreSkipped)
{
    declare(1, 1, 1);
    lay(1, 1, 1, DIR_UPRIGHT, 3, 3);
    Match[0] = {1, 1, DIR_UPRIGHT};
    EXPECT_EQ(MatchGrid(0), 0);
    Match[0] = {0, 0, DIR_UPRIGHT};
    EXPECT_EQ(MatchGrid(0), 0);
    Fail[9] = {1, 0, DIR_UPRIGHT};
    EXPECT_EQ(MatchGrid(0), 1);
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

TEST_F(Board, ShuffleMovesTilesNeverTurnsThemAndLeavesNoGoalWhole)
{
    declare(1, 2, 2);
    lay(1, 2, 2, DIR_RIGHT, 0, 0);
    declare(2, 3, 1);
    lay(2, 3, 1, DIR_UPRIGHT, 4, 4);
    cell(8, 8).locked = 1;
    Match[0] = {1, 0, DIR_RIGHT};
    Fail[0] = {2, 0, DIR_UPRIGHT};
    auto before = tiles();
    std::srand(7);
    BuildRandomBoard();
    EXPECT_EQ(tiles(), before);
    EXPECT_EQ(locked_count(), 0);
    EXPECT_EQ(MatchGrid(0), 0);
}

TEST_F(Board, ShuffleSwitchedOffKeepsTheLevelsLayout)
{
    declare(1, 2, 2);
    lay(1, 2, 2, DIR_UPRIGHT, 0, 0);
    Match[0] = {1, 0, DIR_UPRIGHT};
    randomize_board = -1;
    BuildRandomBoard();
    EXPECT_EQ(cell(0, 0).id, 101);
    EXPECT_EQ(cell(1, 1).id, 104);
}

// A one-cell goal picture stands whole wherever it lies: the shuffle gives up
// after its limit instead of running for ever, and the board is still complete.
TEST_F(Board, ShuffleOfAGoalWholeInEveryArrangementEnds)
{
    declare(1, 1, 1);
    cell(0, 0) = {101, DIR_UPRIGHT, 0};
    Match[0] = {1, 0, DIR_UPRIGHT};
    auto before = tiles();
    BuildRandomBoard();
    EXPECT_EQ(tiles(), before);
    EXPECT_EQ(MatchGrid(0), 1);
}

}  // namespace
