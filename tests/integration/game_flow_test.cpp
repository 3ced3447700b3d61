// game_flow_test.cpp -- a level from its load through its introduction to play,
// the level timer and its pauses, time running out
#include "game_fixture.h"

#include "game/level.h"

using GameFlow = GameTest;

TEST_F(GameFlow, IntroductionScreensThenCluesThenHelpThenPlay)
{
    write_image("data/level1/screen1.png", {200, 40, 40, 255});
    write_image("data/level1/screen2.png", {40, 200, 40, 255});
    write_image("data/level1/screen3.png", {40, 40, 200, 255});
    write_image("data/level1/clue1.png", {90, 90, 140, 255});
    write_image("data/level1/clue2.png", {140, 90, 90, 255});
    GameDisplayHelp = 1;  // as when the help is due at this level
    enter_level(1);

    step();
    EXPECT_EQ(GameMode, GM_SCREEN) << "the loading frame already shows the first screen image";
    EXPECT_TRUE(near(pixel(320, 240), {200, 40, 40, 255}));
    screenshot("game_screen_image");
    // A screen image stays while the clock second has advanced by 3 or less.
    for (int i = 0; i < 15; i++)
        step(200);
    EXPECT_EQ(GameScene, 1);
    for (int i = 0; i < 6; i++)
        step(200);
    step();
    EXPECT_EQ(GameScene, 2) << "after more than 3 s the next image shows";
    EXPECT_TRUE(near(pixel(320, 240), {40, 200, 40, 255}));
    key(SDLK_a);  // a key moves on at once, without a sound
    step();
    EXPECT_EQ(GameScene, 3);
    push_button(5, 5, SDL_MOUSEBUTTONUP);
    step();
    step();
    EXPECT_EQ(GameMode, GM_CLUE);
    EXPECT_EQ(GameClue, 1);
    EXPECT_TRUE(sound_spy.effects.empty()) << "leaving screen images is silent";
    // The clue image under the frame, with the prompt.
    for (int i = 0; i < 10; i++)
        step(60);
    EXPECT_TRUE(near(pixel(320, 240), {90, 90, 140, 255})) << pixel(320, 240);
    screenshot("game_clue_image");

    key(SDLK_SPACE);
    EXPECT_EQ(GameClue, 2);
    EXPECT_TRUE(played(SFX_CLICK));
    EXPECT_TRUE(GamePaused);
    key(SDLK_SPACE);
    step();
    EXPECT_EQ(GameMode, GM_HELP) << "after the last clue the due help opens";
    EXPECT_EQ(GamePaused, 1);
    step(5000);
    EXPECT_EQ(game_time_left(), 90u) << "the timer keeps the full time until the help closes";
    key(SDLK_RETURN);
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(GameDisplayHelp, 0);
    step(10000);
    EXPECT_EQ(game_time_left(), 80u);
}

TEST_F(GameFlow, LevelWithoutImagesPlaysFromTheThirdFrame)
{
    write_level(2, "");  // the shipped help opens by itself on level 1, not on level 2
    enter_level(2);
    step();
    EXPECT_EQ(GameMode, GM_CLUE_NEXT) << "loading frame: no screen images, the level starts";
    EXPECT_EQ(GamePaused, 1);
    step();
    EXPECT_EQ(GameMode, GM_PLAY) << "no clue images, no help: play, and the timer runs";
    EXPECT_EQ(GamePaused, 0);
    // The first frame of play shows the clock at once, even within the same
    // clock second as the previous clock rendering.
    GameTimeCounter = game_time_left();
    frame();
    EXPECT_NE(GameTime.texture, 0);
    EXPECT_STREQ(GameName, "Test crypt 2");
    EXPECT_TRUE(near(pixel(cell_x(2), cell_y(0)), owl_colour(2, 0))) << "the board is drawn";
    screenshot("game_play");
}

TEST_F(GameFlow, PausesKeepTheTimeLeft)
{
    ASSERT_TRUE((enter_level(1), reach_play()));
    step(60000);
    EXPECT_EQ(game_time_left(), 30u);
    key(SDLK_ESCAPE);
    EXPECT_EQ(GameMode, GM_MENU);
    EXPECT_EQ(GamePaused, 1);
    step(10000);
    EXPECT_EQ(game_time_left(), 30u) << "the menu stops the timer";
    screenshot("game_menu");
    key(SDLK_ESCAPE);
    EXPECT_EQ(GameMode, GM_PLAY);
    step(5000);
    EXPECT_EQ(game_time_left(), 25u);

    click(620, 10);  // the help button
    EXPECT_EQ(GameMode, GM_HELP);
    step(100000);
    click(320, 400);  // close
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(game_time_left(), 25u);

    click(100, 450);  // the clues button: no clue images, so play resumes at once
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(game_time_left(), 25u);
    step(4000);
    EXPECT_EQ(game_time_left(), 21u);

    click(500, 450);  // the menu button, then resume
    EXPECT_EQ(GameMode, GM_MENU);
    step(50000);
    click(300, 330);
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(game_time_left(), 21u);
}

// The level clock counts play in milliseconds on the tick clock: the calendar
// set back or forward does nothing to it, and quick trips to the menu do not
// stop it.
TEST_F(GameFlow, ClockCountsPlayTimeNotTheCalendar)
{
    ASSERT_TRUE((enter_level(1), reach_play()));
    fake_clock.seconds -= 3600;
    step();
    fake_clock.seconds += 86400;
    step();
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(game_time_left(), 90u);
    for (int i = 0; i < 10; i++) {  // 10 x 620 ms of play, 20 ms in the menu each time
        step(600);
        key(SDLK_ESCAPE);
        key(SDLK_ESCAPE);
    }
    EXPECT_EQ(game_time_left(), 84u);
}

TEST_F(GameFlow, TimeRunningOutLosesWithTheTimesUpBanner)
{
    write_level(1, "", 5);
    ASSERT_TRUE((enter_level(1), reach_play()));
    step(4000);
    EXPECT_EQ(GameMode, GM_PLAY);
    step(1000);
    EXPECT_EQ(GameMode, GM_BANNER);
    EXPECT_EQ(WinLoseID, TILE_TIMES_UP);
    EXPECT_TRUE(played(SFX_LOST));
    for (int i = 0; i < 20; i++)
        step(11);
    EXPECT_EQ(WinLoseMode, 1) << "grown to full size";
    screenshot("game_banner_times_up");
    run_while(GM_BANNER);
    EXPECT_EQ(GameMode, GM_LOSE);
    step();
    screenshot("game_lose_screen");

    // Retry: the level again, with a fresh board and the full time.
    drag(0, 0, 5, 5);  // the lose screen ignores the board
    EXPECT_EQ(cell(0, 0).id, 102);
    key(SDLK_RETURN);
    EXPECT_TRUE(reach_play());
    EXPECT_EQ(game_time_left(), 5u);
}

TEST_F(GameFlow, TimeRunningOutDuringAShowingEndsIt)
{
    write_level(1, "", 5);
    ASSERT_TRUE((enter_level(1), reach_play()));
    drag(0, 0, 1, 0);  // completes the goal picture
    ASSERT_EQ(ShowingMatch, 1);
    step(6000);
    EXPECT_EQ(GameMode, GM_BANNER);
    EXPECT_EQ(ShowingMatch, 0) << "the showing ends with the level";
    run_while(GM_BANNER);
    ASSERT_EQ(GameMode, GM_LOSE);
    key(SDLK_RETURN);  // keys work on the lose screen: the level loads again
    EXPECT_EQ(GameMode, GM_CLUE_NEXT);
    EXPECT_EQ(cell(0, 0).locked, 0);
}

TEST_F(GameFlow, StoppingAfterTheTimeOutLeavesNoTimeRatherThanWrapping)
{
    write_level(1, "", 5);
    ASSERT_TRUE((enter_level(1), reach_play()));
    fake_clock_advance(9000);  // a long stall, then Escape before the frame's check
    push_key(SDLK_ESCAPE);
    main_events();
    EXPECT_EQ(GameTimeRemaining, 0u);
    key(SDLK_ESCAPE);
    EXPECT_EQ(GameMode, GM_BANNER) << "resumed with no time left, the level is lost";
}

TEST_F(GameFlow, MissingLevelFileReturnsToTheStartScreen)
{
    enter_level(42);  // no such level in the data tree
    step();
    EXPECT_EQ(engineMode, MODE_START);
}

TEST_F(GameFlow, ClockReadsMinutesAndSeconds)
{
    char text[16];
    for (auto [r, expected] : {std::pair<long, const char*>{3600, "60:00"}, {59, "0:59"}, {0, "0:00"}, {125, "2:05"},
                               {-3, "0:00"}}) {
        game_clock_text(r, text, sizeof text);
        EXPECT_STREQ(text, expected) << r;
    }
}

// Without the logo image, the full-screen pictures that reuse its texture
// still show whole, not as one flat colour.
class GameWithoutLogo : public GameTest {
protected:
    std::vector<std::string> left_out() const override
    {
        std::vector<std::string> out = GameTest::left_out();
        out.push_back("base/BrassOwl.png");
        return out;
    }
};

TEST_F(GameWithoutLogo, ClueImagesShowWhole)
{
    write_png("data/level1/clue1.png", 640, 480, false,
              [](int x, int) { return x < 320 ? rgba8{200, 60, 60, 255} : rgba8{60, 60, 200, 255}; });
    enter_level(1);
    for (int i = 0; i < 5 && GameMode != GM_CLUE; i++)
        step();
    ASSERT_EQ(GameMode, GM_CLUE);
    step();
    screenshot("game_clue_without_logo");
    EXPECT_TRUE(near(pixel(100, 240), {200, 60, 60, 255})) << pixel(100, 240);
    EXPECT_TRUE(near(pixel(540, 240), {60, 60, 200, 255})) << pixel(540, 240);
}

// A title wider than the screen starts at its left edge rather than vanishing.
TEST_F(GameFlow, TitleWiderThanTheScreenIsDrawnFromTheLeftEdge)
{
    write_level(1, "name=" + std::string(60, 'W') + "\n");
    ASSERT_TRUE((enter_level(1), reach_play()));
    std::vector<rgba8> titled = last_frame;
    GameName[0] = 0;
    frame();
    int left = 640;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 640; x++)
            if (!near(titled[static_cast<size_t>(y * 640 + x)], pixel(x, y), 20))
                left = std::min(left, x);
    EXPECT_LT(left, 10);
}
