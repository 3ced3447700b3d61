// game_end_test.cpp -- completing pictures, winning and losing a level, the win
// images and screen, the next level, and the images around a whole game
#include "game_fixture.h"

class GameEndTest : public GameTest {
protected:
    void play_level(int level)
    {
        enter_level(level);
        ASSERT_TRUE(reach_play());
        sound_spy_clear();
    }
    // Completes the goal picture and runs its showing to the goal step.
    void win_level()
    {
        drag(0, 0, 1, 0);
        run_while(GM_PLAY, 60);
    }
};

TEST_F(GameEndTest, CompletedPictureLocksZoomsAndWins)
{
    play_level(1);
    push_button(cell_x(0), cell_y(0), SDL_MOUSEBUTTONDOWN);
    push_button(cell_x(1), cell_y(0), SDL_MOUSEBUTTONUP);
    main_events();
    ASSERT_EQ(ShowingMatch, 1);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 3; x++)
            EXPECT_EQ(cell(x, y).locked, 1);
    EXPECT_EQ(MatchedX, 112);  // the centre of the 3 x 3 area at the board's corner
    EXPECT_EQ(MatchedY, 137);

    // 10 growing steps to scale 2.0, one more at 2.0 turning to the tint,
    // 10 shrinking steps, and the goal step at the 22nd.
    int steps = 0;
    for (; steps < 40 && ShowingMatch == 1; steps++) {
        step(20);
        if (ShowingNumber == 10 && ShowingDirection == 1) {
            // At its largest the picture covers twice its width around its centre.
            EXPECT_TRUE(near(pixel(112 - 90, 137 - 90), owl_colour(0, 0), 8)) << pixel(112 - 90, 137 - 90);
            screenshot("game_zoom_largest");
        }
    }
    EXPECT_EQ(steps, 22);
    EXPECT_EQ(Match[0].matched, 1);
    EXPECT_EQ(GameMode, GM_BANNER);
    EXPECT_EQ(WinLoseID, TILE_SUCCESS);
    EXPECT_EQ(sound_spy.effects, (std::vector<int>{SFX_SWAP, SFX_WON}));
    // Locked cells show darker than their picture.
    rgba8 locked = pixel(cell_x(2), cell_y(2));
    rgba8 bright = owl_colour(2, 2);
    EXPECT_LT(locked.r + locked.g + locked.b, bright.r + bright.g + bright.b - 60) << locked;
}

TEST_F(GameEndTest, BannerGrowsCentredThenHolds)
{
    play_level(1);
    win_level();
    ASSERT_EQ(GameMode, GM_BANNER);
    step(11);  // the banner's first frame makes its first step
    EXPECT_NEAR(WinLoseCounter, 0.05f, 1e-6);
    EXPECT_NEAR(WinLoseX, 311.3f, 0.01);
    EXPECT_NEAR(WinLoseY, 238.125f, 0.01);
    int growth = 1;
    while (WinLoseMode == 0 && growth < 40) {
        step(11);
        growth++;
    }
    EXPECT_EQ(growth, 20);
    EXPECT_NEAR(WinLoseX, 146.0f, 1.0);
    EXPECT_NEAR(WinLoseY, 202.5f, 1.0);
    screenshot("game_banner_success");
    step(1500);
    EXPECT_EQ(GameMode, GM_BANNER) << "the hold lasts more than 1500 ms";
    step(1);
    EXPECT_EQ(GameMode, GM_WIN_NEXT);
}

TEST_F(GameEndTest, FailPictureLosesWithTheFailBanner)
{
    play_level(1);
    drag(0, 4, 1, 4);  // the forbidden picture stands whole
    run_while(GM_PLAY, 60);
    EXPECT_EQ(GameMode, GM_BANNER);
    EXPECT_EQ(WinLoseID, TILE_FAIL);
    EXPECT_TRUE(played(SFX_LOST));
    for (int i = 0; i < 20; i++)
        step(11);
    screenshot("game_banner_fail");
    run_while(GM_BANNER);
    EXPECT_EQ(GameMode, GM_LOSE);
}

TEST_F(GameEndTest, WinImagesThenTheWinScreenThenTheNextLevel)
{
    write_image("data/level1/win1.png", {230, 200, 60, 255});
    write_image("data/level1/win2.png", {60, 200, 230, 255});
    write_level(2, "");
    play_level(1);
    win_level();
    run_while(GM_BANNER);
    step();
    ASSERT_EQ(GameMode, GM_WIN_FADE_IN);
    EXPECT_EQ(GameWin, 1);
    run_while(GM_WIN_FADE_IN, 40, 50);
    EXPECT_EQ(GameMode, GM_WIN_IMAGE);
    EXPECT_EQ(WinRGBA.a, 255);
    step(60);
    EXPECT_TRUE(near(pixel(100, 100), {230, 200, 60, 255}));
    screenshot("game_win_image");
    key(SDLK_SPACE);
    EXPECT_EQ(GameMode, GM_WIN_FADE_OUT);
    run_while(GM_WIN_FADE_OUT, 40, 50);
    run_while(GM_WIN_NEXT, 2);
    EXPECT_EQ(GameWin, 2);
    run_while(GM_WIN_FADE_IN, 40, 50);
    push_button(5, 5, SDL_MOUSEBUTTONUP);
    step();
    run_while(GM_WIN_FADE_OUT, 40, 50);
    step();
    ASSERT_EQ(GameMode, GM_WIN);

    // The password stored for level 1, yellow, centred on (320, 303).
    ASSERT_NE(pws[0][0], 0);
    EXPECT_GT(GameWonPassword.tw, 0);
    step();
    screenshot("game_win_screen");
    bool yellow = false;
    for (int x = 320 - GameWonPassword.tw / 2; x < 320 + GameWonPassword.tw / 2; x++) {
        rgba8 p = pixel(x, 303);
        yellow = yellow || (p.r > 200 && p.g > 200 && p.b < 80);
    }
    EXPECT_TRUE(yellow) << "the password shows yellow across (320, 303)";

    click(320, 400);  // continue
    EXPECT_EQ(GameLevel, 2);
    EXPECT_TRUE(reach_play());
    EXPECT_STREQ(GameName, "Test crypt 2");
    EXPECT_GE(game_time_left(), 89u) << "the next level's own time, full";
}

TEST_F(GameEndTest, NoPasswordAfterALevelReturnsToTheStartScreen)
{
    pws[0][0] = 0;
    play_level(1);
    win_level();
    run_while(GM_BANNER);
    run_while(GM_WIN_NEXT, 2);
    ASSERT_EQ(GameMode, GM_WIN);
    key(SDLK_RETURN);
    EXPECT_EQ(engineMode, MODE_START);
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_START]);
}

TEST_F(GameEndTest, LevelsBeyondThePasswordTableEndTheGame)
{
    write_level(60, "");
    play_level(60);
    win_level();
    run_while(GM_BANNER);
    run_while(GM_WIN_NEXT, 2);
    ASSERT_EQ(GameMode, GM_WIN);
    EXPECT_EQ(GameWonPassword.texture, 0) << "no password to show";
    key(SDLK_ESCAPE);
    EXPECT_EQ(engineMode, MODE_START);
}

TEST_F(GameEndTest, RestartFromTheMenuGivesAFreshBoardAndFullTime)
{
    play_level(1);
    drag(2, 0, 5, 5);
    step(30000);
    key(SDLK_ESCAPE);
    click(300, 130);  // restart level
    EXPECT_TRUE(reach_play());
    EXPECT_EQ(cell(2, 0).id, 103);
    EXPECT_EQ(cell(5, 5).id, 0);
    EXPECT_EQ(game_time_left(), 90u);
}

TEST_F(GameEndTest, NewGamePlaysTheOpeningImagesThenLevelOne)
{
    write_image("data/opening/opnseq1.png", {120, 60, 160, 255});
    game_new();
    step();
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_GAME]);
    EXPECT_EQ(GameMode, GM_SEQ_FADE_IN);
    run_while(GM_SEQ_FADE_IN, 40, 50);
    ASSERT_EQ(GameMode, GM_SEQ_IMAGE);
    step(2000);
    EXPECT_EQ(GameMode, GM_SEQ_IMAGE) << "an opening image waits for the player";
    EXPECT_TRUE(near(pixel(320, 240), {120, 60, 160, 255}));
    key(SDLK_SPACE);
    run_while(GM_SEQ_FADE_OUT, 40, 50);
    step();
    EXPECT_EQ(GameLevel, 1);
    EXPECT_TRUE(reach_play());
}

TEST_F(GameEndTest, WinningTheLastLevelPlaysTheClosingImages)
{
    write_level(20, "");
    write_image("data/closing/closingsq1.png", {200, 180, 120, 255});
    play_level(20);
    win_level();
    run_while(GM_BANNER);
    run_while(GM_WIN_NEXT, 2);
    ASSERT_EQ(GameMode, GM_WIN);
    EXPECT_EQ(GameHasBeenWon, 1);
    step();
    screenshot("game_won_panel");
    key(SDLK_RETURN);
    EXPECT_EQ(GameLevel, 1);
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_GAME]);
    run_while(GM_SEQ_FADE_IN, 40, 50);
    ASSERT_EQ(GameMode, GM_SEQ_IMAGE);
    EXPECT_TRUE(near(pixel(320, 240), {200, 180, 120, 255}));
    key(SDLK_SPACE);
    run_while(GM_SEQ_FADE_OUT, 40, 50);
    step();
    EXPECT_EQ(engineMode, MODE_START);
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_START]);

    // A level started by password after winning the whole game ends as any
    // level does: with its password, and on to the next level.
    write_level(2, "");
    ASSERT_EQ(levels_start(pws[0].data()), 1);
    play_level(2);
    win_level();
    run_while(GM_BANNER);
    run_while(GM_WIN_NEXT, 2);
    ASSERT_EQ(GameMode, GM_WIN);
    EXPECT_NE(GameWonPassword.texture, 0);
    key(SDLK_RETURN);
    EXPECT_EQ(GameLevel, 3);
    EXPECT_EQ(engineMode, MODE_GAME);

    // So does a new game.
    game_new();
    step();
    step();
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_TRUE(reach_play());
    EXPECT_EQ(GameLevel, 1);
}

// A tall (1 x 3) and a wide-and-tall (2 x 3) picture, completed in each
// orientation: at its largest the zoom is twice the area the picture covers,
// centred on it, with the picture's top row (red) where it stands on the board.
TEST_F(GameEndTest, PicturesZoomInTheirOwnShapeAndOrientation)
{
    auto top_red = [](int, int y) { return y < 33 ? rgba8{230, 30, 30, 255} : rgba8{30, 200, 60, 255}; };
    write_png("data/level1/tall.png", 33, 99, false, top_red);
    write_png("data/level1/door.png", 66, 99, false, top_red);
    const char* names[] = {"left", "upright", "right", "upside"};
    for (int p : {1, 2})
        for (Uint8 d = DIR_LEFT; d <= DIR_UPSIDE; d++) {
            SCOPED_TRACE(std::string(p == 1 ? "tall " : "door ") + names[d]);
            write_text("data/level1/level.dat", "name=Zoom\ntime=90\nrotate=1\nmatch=" + std::to_string(p) + "," +
                                                    std::to_string(d) +
                                                    "\npic=1,1,3,33,99,tall.png\npic=2,2,3,66,99,door.png\n");
            play_level(1);
            Grid = {};
            std::array<picture_cell, BOARD_CELLS> cells{};
            int n = picture_layout(static_cast<std::uint16_t>(p - 1), d, 3, 3, cells);
            ASSERT_GT(n, 0);
            for (int k = 0; k < n; k++)
                Grid[static_cast<size_t>(cells[static_cast<size_t>(k)].index)] = {cells[static_cast<size_t>(k)].id, d, 0};
            std::swap(Grid[static_cast<size_t>(cells[0].index)].id, Grid[static_cast<size_t>(cells[1].index)].id);
            drag(cells[0].index % 9, cells[0].index / 9, cells[1].index % 9, cells[1].index / 9);
            ASSERT_EQ(ShowingMatch, 1);
            while (!(ShowingNumber == 10 && ShowingDirection == 1) && ShowingMatch == 1)
                step();
            screenshot(std::string("game_zoom_") + (p == 1 ? "tall_" : "door_") + names[d]);

            // Bounding box of the picture's colours, and where its red top lies.
            int x0 = 640, x1 = -1, y0 = 480, y1 = -1;
            double red_x = 0, red_y = 0, reds = 0;
            for (int y = 0; y < 480; y++)
                for (int x = 0; x < 640; x++) {
                    bool red = near(pixel(x, y), {230, 30, 30, 255}, 30);
                    if (!red && !near(pixel(x, y), {30, 200, 60, 255}, 30))
                        continue;
                    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
                    if (red)
                        red_x += x, red_y += y, reds++;
                }
            bool turned = d == DIR_LEFT || d == DIR_RIGHT;
            int cols = turned ? 3 : p, rows = turned ? p : 3;
            EXPECT_NEAR(x1 - x0 + 1, 66 * cols, 3);
            EXPECT_NEAR(y1 - y0 + 1, 66 * rows, 3);
            EXPECT_NEAR((x0 + x1 + 1) / 2.0, 63 + 33 * 3 + 33 * cols / 2.0, 2.5) << "centred on its cells";
            EXPECT_NEAR((y0 + y1 + 1) / 2.0, 88 + 33 * 3 + 33 * rows / 2.0, 2.5);
            ASSERT_GT(reds, 0);
            double dx = red_x / reds - (x0 + x1) / 2.0, dy = red_y / reds - (y0 + y1) / 2.0;
            const double where[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};  // the top's side in each orientation
            EXPECT_GT(dx * where[d][0] + dy * where[d][1], 20) << "the top row at the wrong side";
        }
}
