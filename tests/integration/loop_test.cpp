// loop_test.cpp -- the main loop: routing of events by mode, quitting, drawing per mode
#include "engine_fixture.h"

#include "common.h"
#include "main.h"

using Loop = EngineTest;

TEST_F(Loop, PointerMotionIsKeptEvenWhereNoHandlerRuns)
{
    ASSERT_EQ(engineMode, MODE_LOGO);
    push_motion(123, 45);
    main_events();
    EXPECT_EQ(mouse_x, 123);
    EXPECT_EQ(mouse_y, 45);
}

TEST_F(Loop, EventsAfterQuitAreStillRoutedThenNoFrameIsDrawn)
{
    push_quit();
    push_motion(7, 8);
    EXPECT_FALSE(main_turn());
    EXPECT_EQ(engineDone, 1);
    EXPECT_EQ(mouse_x, 7);
    EXPECT_EQ(mouse_y, 8);
}

TEST_F(Loop, KeyReleasesNeverReachAScreen)
{
    engineMode = MODE_START;
    push_key(SDLK_ESCAPE, SDL_KEYUP);
    main_events();
    EXPECT_EQ(engineDone, 0);
    push_key(SDLK_ESCAPE);
    main_events();
    EXPECT_EQ(engineDone, 1) << "Escape on the start screen ends the program";
}

TEST_F(Loop, EachModeDrawsItsBackground)
{
    engineMode = MODE_START;
    frame();
    screenshot("start_screen");
    rgba8 start = pixel(320, 240);
    engineMode = MODE_GAME;
    GameMode = 4;  // play: the board's background
    frame();
    screenshot("game_screen");
    rgba8 game = pixel(320, 240);
    EXPECT_FALSE(near(start, {0, 0, 0, 255}, 8));
    EXPECT_FALSE(near(game, {0, 0, 0, 255}, 8));
    EXPECT_FALSE(near(start, game, 2)) << "the two modes show different images";
}

TEST_F(Loop, UnknownModeRoutesAndDrawsNothing)
{
    engineMode = 7;
    push_key(SDLK_ESCAPE);
    push_button(10, 10, SDL_MOUSEBUTTONUP);
    push_motion(3, 4);
    EXPECT_TRUE(main_turn());
    EXPECT_EQ(mouse_x, 3);
    frame();
    for (int y = 0; y < 480; y += 40)
        for (int x = 0; x < 640; x += 40)
            ASSERT_TRUE(near(pixel(x, y), {0, 0, 0, 255})) << x << "," << y;
}

TEST_F(Loop, ExitRoutineIsSafeTwice)
{
    main_exit();
    main_exit();
    EXPECT_EQ(ot_tiles, nullptr);
    EXPECT_EQ(ot_tile_count, 0u);
    // the fixture's TearDown runs it a third time
}
