// board_input_test.cpp -- which board cell a window pixel belongs to
#include <gtest/gtest.h>

#include "game/board.h"

TEST(BoardCellAt, SharedEdgesGoToTheUpperRowAndLeftColumn)
{
    EXPECT_EQ(board_cell_at(63, 88), 0) << "the board's first pixel";
    EXPECT_EQ(board_cell_at(96, 121), 0) << "the corner shared by four cells";
    EXPECT_EQ(board_cell_at(97, 122), 10);
    EXPECT_EQ(board_cell_at(97, 121), 1);
    EXPECT_EQ(board_cell_at(360, 385), 80) << "the board's last pixel";
    EXPECT_EQ(board_cell_at(327, 352), 70) << "inner corner before the last cell";
    EXPECT_EQ(board_cell_at(328, 353), 80);
}

TEST(BoardCellAt, PixelsOffTheBoard)
{
    for (auto [x, y] : {std::pair{62, 200}, {361, 200}, {200, 87}, {200, 386}, {0, 0}, {65535, 65535}, {-1, 100}})
        EXPECT_EQ(board_cell_at(x, y), -1) << x << "," << y;
}
