// game_input_test.cpp -- moving and turning tiles, and every button of the game
// screen and its panels at its edges
#include "game_fixture.h"

class GameInput : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        enter_level(1);
        ASSERT_TRUE(reach_play());
        sound_spy_clear();
    }
};

TEST_F(GameInput, DragSwapsTwoCellsWithTheirDirections)
{
    Grid[40].direction = 3;
    drag(1, 2, 4, 4);  // tile 108 onto the empty middle cell
    EXPECT_EQ(cell(1, 2).id, 0);
    EXPECT_EQ(cell(4, 4).id, 108);
    EXPECT_EQ(cell(1, 2).direction, 3) << "directions travel with the tiles";
    EXPECT_EQ(cell(4, 4).direction, 1);
    EXPECT_EQ(sound_spy.effects, std::vector<int>{SFX_SWAP});
    EXPECT_EQ(DragDropGridID, -1);

    // An empty cell dragged onto a tile moves that tile into it.
    drag(1, 2, 4, 4);
    EXPECT_EQ(cell(1, 2).id, 108);
    EXPECT_EQ(sound_spy.effects.size(), 2u);
}

TEST_F(GameInput, DraggedTileFollowsThePointerAndLeavesAGap)
{
    push_button(cell_x(2), cell_y(1), SDL_MOUSEBUTTONDOWN);
    push_motion(300, 430);
    step();
    EXPECT_EQ(DragDropGridID, 11);
    EXPECT_TRUE(near(pixel(300, 430), owl_colour(2, 1))) << "the tile is drawn at the pointer";
    EXPECT_FALSE(near(pixel(cell_x(2), cell_y(1)), owl_colour(2, 1), 20)) << "its cell shows a gap";
    screenshot("game_drag");
}

TEST_F(GameInput, ReleasesThatMoveNothing)
{
    // Released off the board: the drag is cancelled.
    push_button(cell_x(2), cell_y(0), SDL_MOUSEBUTTONDOWN);
    push_button(361, 200, SDL_MOUSEBUTTONUP);
    step();
    EXPECT_EQ(DragDropGridID, -1);
    push_button(cell_x(5), cell_y(5), SDL_MOUSEBUTTONUP);
    step();
    EXPECT_EQ(cell(2, 0).id, 103);
    // Released on the cell it started from.
    drag(2, 0, 2, 0);
    EXPECT_EQ(cell(2, 0).id, 103);
    EXPECT_TRUE(sound_spy.effects.empty());
    // The right button starts no drag; the middle button does nothing.
    push_button(cell_x(2), cell_y(0), SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    push_button(cell_x(2), cell_y(0), SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE);
    step();
    EXPECT_EQ(DragDropGridID, -1);
}

TEST_F(GameInput, LockedCellsNeitherMoveNorAccept)
{
    drag(0, 0, 1, 0);  // completes the goal picture: its cells lock
    run_while(GM_PLAY, 40);
    ASSERT_EQ(cell(0, 0).locked, 1);
    GameMode = GM_PLAY;  // back to the board, whatever the goal step decided
    ShowingMatch = 0;
    sound_spy_clear();
    push_button(cell_x(0), cell_y(0), SDL_MOUSEBUTTONDOWN);
    step();
    EXPECT_EQ(DragDropGridID, -1) << "a locked cell cannot be picked up";
    drag(5, 5, 1, 1);
    EXPECT_EQ(cell(1, 1).id, 105) << "nor can it take a tile";
    EXPECT_EQ(cell(5, 5).id, 0);
    EXPECT_TRUE(sound_spy.effects.empty());
}

TEST_F(GameInput, RightButtonTurnsOnlyWhereTheLevelAllows)
{
    auto turn = [this](int x, int y) {
        push_button(cell_x(x), cell_y(y), SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
        step();
    };
    turn(2, 0);
    EXPECT_EQ(cell(2, 0).direction, 1) << "rotate=0: nothing turns";
    GameRotate = 1;
    for (int expected : {2, 3, 0, 1}) {
        turn(2, 0);
        EXPECT_EQ(cell(2, 0).direction, expected);
    }
    EXPECT_TRUE(sound_spy.effects.empty());
}

TEST_F(GameInput, TheShowingIgnoresKeysAndClicks)
{
    drag(0, 0, 1, 0);
    ASSERT_EQ(ShowingMatch, 1);
    key(SDLK_ESCAPE);
    EXPECT_EQ(GameMode, GM_PLAY);
    drag(1, 2, 5, 5);
    EXPECT_EQ(cell(1, 2).id, 108);
}

TEST_F(GameInput, LeavingPlayEndsADrag)
{
    push_button(cell_x(1), cell_y(2), SDL_MOUSEBUTTONDOWN);
    key(SDLK_ESCAPE);
    EXPECT_EQ(DragDropGridID, -1);
    key(SDLK_ESCAPE);
    push_button(cell_x(5), cell_y(5), SDL_MOUSEBUTTONUP);
    step();
    EXPECT_EQ(cell(5, 5).id, 0) << "a stale drag never moves a tile later";
}

// Each button acts on a release at its four corners and not one pixel outside;
// a press does nothing.
struct button_case {
    const char* name;
    Uint8 state;
    int x0, x1, y0, y1;
    Uint8 after;
};

TEST_F(GameInput, ButtonsActAtTheirEdgesOnly)
{
    const button_case cases[] = {
        {"help", GM_PLAY, 608, 640, 0, 31, GM_HELP},
        {"clues", GM_PLAY, 11, 182, 436, 480, GM_CLUE_NEXT},
        {"menu", GM_PLAY, 461, 632, 436, 480, GM_MENU},
        {"help close", GM_HELP, 296, 354, 394, 416, GM_PLAY},
        {"retry", GM_LOSE, 219, 307, 395, 416, GM_LOAD},
        {"lose quit", GM_LOSE, 367, 425, 394, 416, 0},
        {"menu restart", GM_MENU, 204, 432, 113, 161, GM_LOAD},
        {"menu options", GM_MENU, 204, 432, 180, 229, GM_OPTIONS},
        {"menu quit", GM_MENU, 204, 432, 246, 295, 0},
        {"menu resume", GM_MENU, 204, 432, 313, 361, GM_PLAY},
    };
    for (const button_case& b : cases) {
        const int corners[4][2] = {{b.x0, b.y0}, {b.x1, b.y0}, {b.x0, b.y1}, {b.x1, b.y1}};
        for (const auto& c : corners) {
            engineMode = MODE_GAME;
            GameMode = b.state;
            GamePaused = b.state == GM_PLAY ? 0 : 1;
            sound_spy_clear();
            mode3_mouse_click(c[0], c[1], SDL_BUTTON_LEFT, SDL_MOUSEBUTTONDOWN);
            EXPECT_EQ(GameMode, b.state) << b.name << ": a press does nothing";
            mode3_mouse_click(c[0], c[1], SDL_BUTTON_RIGHT, SDL_MOUSEBUTTONUP);
            if (b.after == 0)
                EXPECT_EQ(engineMode, MODE_START) << b.name;
            else
                EXPECT_EQ(GameMode, b.after) << b.name << " at " << c[0] << "," << c[1];
            EXPECT_TRUE(played(SFX_CLICK)) << b.name;
        }
        const int outside[4][2] = {{b.x0 - 1, b.y0}, {b.x1 + 1, b.y1}, {b.x0, b.y0 - 1}, {b.x1, b.y1 + 1}};
        for (const auto& c : outside) {
            engineMode = MODE_GAME;
            GameMode = b.state;
            sound_spy_clear();
            mode3_mouse_click(c[0], c[1], SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
            EXPECT_EQ(engineMode, MODE_GAME) << b.name << " outside at " << c[0] << "," << c[1];
            EXPECT_EQ(GameMode, b.state) << b.name << " outside at " << c[0] << "," << c[1];
        }
    }
}

// A turn that completes the picture of a tile being dragged ends the drag:
// the tile stays in its locked picture when the button comes up later.
TEST_F(GameTest, TileHeldWhileItsPictureLocksStaysInIt)
{
    write_level(1, "rotate=1\nmatch=3\n");  // turning; a goal never met keeps the level going
    enter_level(1);
    ASSERT_TRUE(reach_play());
    Grid[0].id = 101;
    Grid[1].id = 102;
    Grid[2].direction = DIR_LEFT;  // the owl whole but for its turned top-right tile
    sound_spy_clear();
    push_button(cell_x(1), cell_y(1), SDL_MOUSEBUTTONDOWN);  // holds the owl's middle tile
    push_button(cell_x(2), cell_y(0), SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    push_button(cell_x(2), cell_y(0), SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    step();
    ASSERT_EQ(cell(1, 1).locked, 1);
    for (int i = 0; i < 30; i++)
        step();
    ASSERT_EQ(GameMode, GM_PLAY);
    rgba8 c = owl_colour(1, 1), locked = {Uint8(c.r * 127 / 255), Uint8(c.g * 127 / 255), Uint8(c.b * 127 / 255), 255};
    EXPECT_TRUE(near(pixel(cell_x(1), cell_y(1)), locked, 6)) << "shown in its picture, not at the pointer";
    push_motion(cell_x(5), cell_y(5));
    push_button(cell_x(5), cell_y(5), SDL_MOUSEBUTTONUP);
    step();
    EXPECT_EQ(cell(1, 1).id, 105);
    EXPECT_EQ(cell(5, 5).id, 0);
    EXPECT_FALSE(played(SFX_SWAP));
}
