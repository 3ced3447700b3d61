// game_test.cpp -- a level as the player meets it: its introduction, moving and
// turning tiles, the zoom of a completed picture, winning and losing, the
// clock and its pauses, the panels over the game, the images around a game
#include <sys/stat.h>

#include "engine_fixture.h"
#include "rules/image_words.h"
#include "screens/help.h"

// Whether the frame shows the banner image with its English word, at full size in the middle.
static bool shows_banner(const std::vector<rgba8>& frame, const char* file)
{
    image_rgba png;
    const std::string path = std::string("data/base/") + file;
    if (image_decode_file(path.c_str(), &png) || image_words_add(path, "", &png).empty())
        return false;
    double diff = 0;
    int n = 0;
    for (int y = 0; y < png.h; y += 2)
        for (int x = 0; x < png.w; x += 2) {
            const std::uint8_t* p = &png.rgba[static_cast<size_t>(y * png.w + x) * 4];
            const rgba8 q = frame[static_cast<size_t>((240 - png.h / 2 + y) * 640 + 320 - png.w / 2 + x)];
            if (p[3] == 255)
                diff += std::abs(p[0] - q.r) + std::abs(p[1] - q.g) + std::abs(p[2] - q.b), n++;
        }
    return n > 100 && diff / n < 30;
}

// Screen images stay 3 to 4 clock seconds or until a key or click; clue images
// until a key or click (which sounds); the help due at the level opens after
// them, and the clock runs only from the moment play begins.
TEST_F(GameTest, IntroductionScreensThenCluesThenHelpThenPlay)
{
    write_image("data/level1/screen1.png", {200, 40, 40, 255});
    write_image("data/level1/screen2.png", {40, 200, 40, 255});
    write_image("data/level1/screen3.png", {40, 40, 200, 255});
    write_image("data/level1/clue1.png", {90, 90, 140, 255});
    write_image("data/level1/clue2.png", {140, 90, 90, 255});
    enter_level(1);  // the shipped help opens by itself on level 1
    sound_spy_clear();
    step();
    EXPECT_TRUE(near(pixel(320, 240), {200, 40, 40, 255})) << "the loading frame shows the first screen image";
    for (int i = 0; i < 15; i++)
        step(200);
    EXPECT_EQ(GameScene, 1) << "3 s";
    for (int i = 0; i < 7; i++)
        step(200);
    EXPECT_TRUE(near(pixel(320, 240), {40, 200, 40, 255})) << "after more than 3 s the next one";
    key(SDLK_a);
    step();
    EXPECT_EQ(GameScene, 3);
    push_button(5, 5, SDL_MOUSEBUTTONUP);
    step();
    step();
    ASSERT_EQ(GameMode, GM_CLUE);
    EXPECT_TRUE(sound_spy.effects.empty()) << "leaving screen images is silent";
    for (int i = 0; i < 10; i++)
        step(60);
    EXPECT_TRUE(near(pixel(320, 240), {90, 90, 140, 255})) << pixel(320, 240);
    screenshot("game_clue_image");
    for (SDLKey mod : LONE_MODIFIERS)
        key(mod);
    EXPECT_EQ(GameClue, 1) << "a modifier alone leaves no image";
    EXPECT_TRUE(sound_spy.effects.empty());
    push_key(SDLK_LEFT);  // held, a key leaves one image only
    for (int i = 0; i < 20; i++)
        step(50);
    push_key(SDLK_LEFT, SDL_KEYUP);
    EXPECT_EQ(GameClue, 2);
    EXPECT_EQ(GameMode, GM_CLUE);
    EXPECT_TRUE(played(SFX_CLICK));
    key(SDLK_SPACE);
    step();
    ASSERT_EQ(GameMode, GM_HELP);
    step(5000);
    EXPECT_EQ(game_time_left(), 90u) << "the clock waits for the help";
    key(SDLK_RETURN);
    EXPECT_EQ(GameMode, GM_PLAY);
    step(10000);
    EXPECT_EQ(game_time_left(), 80u);
}

// Moves and turns follow one set of rules, by mouse or by keys alike: a move
// swaps two cells' tiles with their orientations, with a sound, and one onto
// its own cell does nothing; a tile turns only where the level allows; the
// zoom takes no input; locked cells neither move, take a tile nor turn. The
// mouse's dragged tile follows the pointer, leaving a gap; a release off the
// board, or after the menu was opened, moves nothing.
TEST_F(GameTest, MovesAndTurnsFollowOneRuleByMouseAndByKeys)
{
    for (bool keys : {false, true}) {
        SCOPED_TRACE(keys ? "by keys" : "by mouse");
        GameRotate = 0;
        enter_level(1);
        ASSERT_TRUE(reach_play());
        auto move = [&](int fx, int fy, int tx, int ty) { keys ? key_move(fx, fy, tx, ty) : drag(fx, fy, tx, ty); };
        auto turn = [&](int x, int y) {
            if (!keys)
                return click(cell_x(x), cell_y(y), SDL_BUTTON_RIGHT);
            cursor_to(x, y);
            key(SDLK_r);
        };
        if (!keys) {
            push_button(cell_x(2), cell_y(1), SDL_MOUSEBUTTONDOWN);
            push_motion(300, 430);
            step();
            EXPECT_TRUE(near(pixel(300, 430), owl_colour(2, 1))) << "the tile at the pointer";
            EXPECT_FALSE(near(pixel(cell_x(2), cell_y(1)), owl_colour(2, 1), 20)) << "a gap in its cell";
            screenshot("game_drag");
            push_button(361, 200, SDL_MOUSEBUTTONUP);  // off the board: the drag ends
            push_button(cell_x(5), cell_y(5), SDL_MOUSEBUTTONUP);
            push_button(cell_x(1), cell_y(2), SDL_MOUSEBUTTONDOWN);
            key(SDLK_ESCAPE);
            EXPECT_EQ(GameMode, GM_MENU) << "Escape during a drag opens the menu";
            key(SDLK_ESCAPE);
            push_button(cell_x(5), cell_y(5), SDL_MOUSEBUTTONUP);
            step();
            EXPECT_EQ(cell(5, 5).id, 0);
        }
        sound_spy_clear();
        move(2, 0, 2, 0);
        EXPECT_EQ(cell(2, 0).id, 103);
        EXPECT_TRUE(sound_spy.effects.empty());
        Grid[40].direction = DIR_UPSIDE;
        move(1, 2, 4, 4);  // tile 108 onto the empty middle cell
        EXPECT_EQ(cell(4, 4).id, 108);
        EXPECT_EQ(cell(4, 4).direction, DIR_UPRIGHT);
        EXPECT_EQ(cell(1, 2).direction, DIR_UPSIDE) << "orientations travel with the tiles";
        EXPECT_EQ(sound_spy.effects, std::vector<int>{SFX_SWAP});
        turn(2, 0);
        EXPECT_EQ(cell(2, 0).direction, DIR_UPRIGHT) << "rotate=0: nothing turns";
        GameRotate = 1;
        turn(2, 0);
        EXPECT_EQ(cell(2, 0).direction, DIR_RIGHT);
        turn(2, 0), turn(2, 0), turn(2, 0);
        EXPECT_EQ(cell(2, 0).direction, DIR_UPRIGHT);
        move(4, 4, 1, 2);

        move(0, 0, 1, 0);  // completes the goal picture: it locks and zooms
        ASSERT_EQ(ShowingMatch, 1);
        key(SDLK_ESCAPE);
        move(1, 2, 5, 5);
        EXPECT_EQ(GameMode, GM_PLAY) << "the zoom takes no keys";
        EXPECT_EQ(cell(1, 2).id, 108) << "nor moves";
        Match[1] = {3, 0, DIR_UPRIGHT};  // keeps the level going
        run_while(GM_PLAY, 30);
        sound_spy_clear();
        move(0, 0, 5, 5);
        move(5, 6, 1, 1);
        turn(2, 2);
        EXPECT_EQ(cell(0, 0).id, 101);
        EXPECT_EQ(cell(1, 1).id, 105);
        EXPECT_EQ(cell(5, 5).id, 0);
        EXPECT_EQ(cell(2, 2).direction, DIR_UPRIGHT);
        EXPECT_TRUE(sound_spy.effects.empty());
    }
    rgba8 c = owl_colour(1, 1);
    EXPECT_TRUE(near(pixel(cell_x(1), cell_y(1)), {Uint8(c.r / 2), Uint8(c.g / 2), Uint8(c.b / 2), 255}, 4))
        << "locked cells show darker";
}

// The keys' cursor: a brass frame that the first arrow shows and the arrows
// move (repeating when held), stopping at the board's edges; a lifted tile
// stands over it, lifted, whatever the pointer does, until Escape puts it back
// or Space or a click drops it; otherwise the pointer moving over the board
// hides the cursor. C and H open the clues and help.
TEST_F(GameTest, BoardCursorLiftsAndPutsBack)
{
    enter_level(1);
    ASSERT_TRUE(reach_play());
    auto brass = [this](int x, int y) { return x > 50 && x < 380 && y > 80 && y < 400 && near(pixel(x, y), {255, 214, 92, 255}, 4); };
    std::vector<rgba8> board = last_frame;
    key(SDLK_RIGHT);
    EXPECT_EQ(box(brass), (std::array<int, 4>{cell_x(4) - 18, cell_y(4) - 18, cell_x(4) + 17, cell_y(4) + 17}))
        << "the first arrow shows the cursor where it is";
    EXPECT_EQ(differing(board, 10, cell_x(4) - 13, cell_y(4) - 13, cell_x(4) + 13, cell_y(4) + 13), 0)
        << "and hides no more than the tile's rim";
    for (int i = 0; i < 12; i++)
        push_key(SDLK_UP), push_key(SDLK_LEFT);
    push_key(SDLK_RIGHT);
    step();
    screenshot("game_key_cursor");
    EXPECT_TRUE(box(brass)[0] == cell_x(1) - 18 && box(brass)[1] == cell_y(0) - 18) << "it stops at the edge";
    key(SDLK_SPACE);
    key(SDLK_DOWN);
    push_motion(cell_x(6), cell_y(6));
    step();
    screenshot("game_key_lifted");
    EXPECT_TRUE(near(pixel(cell_x(1) - 4, cell_y(1) - 4), owl_colour(0, 0))) << "the lifted tile, up and left";
    EXPECT_FALSE(near(pixel(cell_x(1), cell_y(0)), owl_colour(0, 0), 20)) << "a gap in its cell";
    EXPECT_FALSE(near(pixel(cell_x(6), cell_y(6)), owl_colour(0, 0), 20)) << "the pointer does not take it";
    key(SDLK_ESCAPE);
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(cell(1, 0).id, 101) << "put back";
    EXPECT_EQ(cell(1, 1).id, 105);
    push_motion(cell_x(6), cell_y(5));
    step();
    EXPECT_LT(box(brass)[2], 0) << "the pointer over the board hides the cursor";
    key(SDLK_SPACE), key(SDLK_SPACE);  // shown again, then lifts
    click(cell_x(6), cell_y(6));
    EXPECT_EQ(cell(6, 6).id, 105) << "a click drops the lifted tile where it is, as Space would";
    EXPECT_EQ(cell(1, 1).id, 0);
    EXPECT_EQ(DragDropGridID, -1);
    push_key(SDLK_RIGHT);  // held: the cursor crosses the board, and stops
    for (int i = 0; i < 20; i++)
        step(50);
    push_key(SDLK_RIGHT, SDL_KEYUP);
    step(1000);
    EXPECT_EQ(box(brass)[0], cell_x(8) - 18);
    key(SDLK_c);
    EXPECT_EQ(GameMode, GM_PLAY) << "no clue images: play goes on";
    EXPECT_TRUE(played(SFX_CLICK));
    key(SDLK_h);
    EXPECT_EQ(GameMode, GM_HELP);
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
    rgba8 c = owl_colour(1, 1);
    EXPECT_TRUE(near(pixel(cell_x(1), cell_y(1)), {Uint8(c.r / 2), Uint8(c.g / 2), Uint8(c.b / 2), 255}, 4))
        << "shown in its picture, not at the pointer";
    push_motion(cell_x(5), cell_y(5));
    push_button(cell_x(5), cell_y(5), SDL_MOUSEBUTTONUP);
    step();
    EXPECT_EQ(cell(1, 1).id, 105);
    EXPECT_EQ(cell(5, 5).id, 0);
    EXPECT_FALSE(played(SFX_SWAP));
}

// The completed goal locks and zooms to twice its size around its centre in 10
// steps, then shrinks tinted; at the 22nd step the goal step wins the level:
// the success banner grows centred, holds 1.5 s, the win images fade in and
// out on a key or click, and the win screen shows the password, from which
// Continue plays the next level with its full time.
TEST_F(GameTest, WinningALevelThroughItsImagesToTheNext)
{
    write_image("data/level1/win1.png", {230, 200, 60, 255});
    write_image("data/level1/win2.png", {60, 200, 230, 255});
    write_level(2);
    enter_level(1);
    ASSERT_TRUE(reach_play());
    sound_spy_clear();
    drag(0, 0, 1, 0);
    ASSERT_EQ(ShowingMatch, 1);
    int n = 1;
    for (; n < 40 && ShowingMatch == 1; n++) {
        if (ShowingNumber == 10 && ShowingDirection == 1) {
            EXPECT_TRUE(near(pixel(112 - 90, 137 - 90), owl_colour(0, 0), 8)) << "twice its size: " << pixel(22, 47);
            EXPECT_FALSE(near(pixel(112 - 100, 137 - 100), owl_colour(0, 0), 8)) << "and no more";
        }
        step();
    }
    EXPECT_EQ(n, 22);
    EXPECT_EQ(WinLoseID, TILE_SUCCESS);
    EXPECT_EQ(sound_spy.effects, (std::vector<int>{SFX_SWAP, SFX_WON}));
    std::vector<rgba8> board = last_frame;
    step(11);
    EXPECT_LT(differing(board, 10, 340, 200, 620, 280), 50) << "at its first step the banner is a twentieth of its size";
    run_while(GM_BANNER, 19, 11);
    EXPECT_TRUE(shows_banner(last_frame, "Success.png")) << "full size, centred, after 20 steps";
    screenshot("game_banner_success");
    step(1500);
    EXPECT_EQ(GameMode, GM_BANNER) << "the hold lasts more than 1500 ms";
    step(1);
    step();
    ASSERT_EQ(GameMode, GM_WIN_FADE_IN);
    run_while(GM_WIN_FADE_IN, 40, 50);
    step(60);
    EXPECT_TRUE(near(pixel(100, 100), {230, 200, 60, 255}));
    key(SDLK_SPACE);
    EXPECT_EQ(GameMode, GM_WIN_FADE_OUT);
    run_while(GM_WIN_FADE_OUT, 40, 50);
    run_while(GM_WIN_NEXT, 2);
    run_while(GM_WIN_FADE_IN, 40, 50);
    push_button(5, 5, SDL_MOUSEBUTTONUP);
    step();
    EXPECT_EQ(GameMode, GM_WIN_FADE_OUT) << "a click too";
    run_while(GM_WIN_FADE_OUT, 40, 50);
    step();
    ASSERT_EQ(GameMode, GM_WIN);
    step();
    screenshot("game_win_screen");
    auto yellow = box([this](int x, int y) { return pixel(x, y).r > 200 && pixel(x, y).g > 200 && pixel(x, y).b < 80; },
                      120, 272, 520, 334);
    EXPECT_NEAR((yellow[0] + yellow[2]) / 2, 320, 3) << "the password shows yellow, centred";
    click(320, 400);  // Continue
    EXPECT_EQ(GameLevel, 2);
    EXPECT_TRUE(reach_play());
    EXPECT_GE(game_time_left(), 89u) << "the next level's own time, full";
}

// One move that completes two goal pictures: both are found, one after the other.
TEST_F(GameTest, OneMoveCompletingTwoPicturesShowsBoth)
{
    write_level(1, "match=2\n");
    enter_level(1);
    ASSERT_TRUE(reach_play());
    Grid[0].id = 201, Grid[1].id = 102, Grid[36].id = 101, Grid[37].id = 202;
    drag(0, 0, 0, 4);
    run_while(GM_PLAY, 80);
    EXPECT_EQ(GameMode, GM_BANNER);
    EXPECT_EQ(WinLoseID, TILE_FAIL) << "the key, forbidden too, decides after the owl";
}

// Tall (1 x 3) and tall-and-wide (2 x 3) pictures completed in each
// orientation: at its largest the zoom is twice the area the picture covers,
// centred on it, with the picture's top row (red) where it stands on the board.
TEST_F(GameTest, PicturesZoomInTheirOwnShapeAndOrientation)
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
            enter_level(1);
            ASSERT_TRUE(reach_play());
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
            auto red = [this](int x, int y) { return near(pixel(x, y), {230, 30, 30, 255}, 30); };
            auto all = box([&](int x, int y) { return red(x, y) || near(pixel(x, y), {30, 200, 60, 255}, 30); });
            auto top = box(red);
            int cols = d % 2 == 0 ? 3 : p, rows = d % 2 == 0 ? p : 3;
            EXPECT_NEAR(all[2] - all[0] + 1, 66 * cols, 3);
            EXPECT_NEAR(all[3] - all[1] + 1, 66 * rows, 3);
            EXPECT_NEAR((all[0] + all[2] + 1) / 2.0, 63 + 33 * 3 + 33 * cols / 2.0, 2.5) << "centred on its cells";
            EXPECT_NEAR((all[1] + all[3] + 1) / 2.0, 88 + 33 * 3 + 33 * rows / 2.0, 2.5);
            const int side[4][4] = {{0, 0, 1, 0}, {0, 0, 0, 1}, {1, 0, 0, 0}, {0, 1, 0, 0}};  // edges the top row keeps off
            for (int e = 0; e < 4; e++)
                EXPECT_EQ(std::abs(top[e] - all[e]) > 30, side[d][e] == 1) << "the top row's edge " << e;
        }
}

// The forbidden picture loses with its banner, time running out with its own
// (during a zoom too); the lose screen retries the level with a fresh board and
// its full time, or quits to the start screen.
TEST_F(GameTest, LosingAndTryingAgain)
{
    write_level(1, "", 5);
    enter_level(1);
    ASSERT_TRUE(reach_play());
    drag(0, 4, 1, 4);
    run_while(GM_PLAY, 60);
    EXPECT_EQ(WinLoseID, TILE_FAIL);
    EXPECT_TRUE(played(SFX_LOST));
    run_while(GM_BANNER, 20, 11);
    EXPECT_TRUE(shows_banner(last_frame, "Fail.png"));
    run_while(GM_BANNER);
    EXPECT_EQ(GameMode, GM_LOSE);
    key(SDLK_RETURN);
    ASSERT_TRUE(reach_play());
    EXPECT_EQ(cell(0, 4).id, 202) << "a fresh board";
    drag(0, 0, 1, 0);
    step(6000);
    EXPECT_EQ(GameMode, GM_BANNER) << "time ran out during the zoom";
    EXPECT_EQ(ShowingMatch, 0);
    EXPECT_EQ(WinLoseID, TILE_TIMES_UP);
    run_while(GM_BANNER, 20, 11);
    EXPECT_TRUE(shows_banner(last_frame, "TimesUp.png"));
    screenshot("game_banner_times_up");
    run_while(GM_BANNER);
    step();
    screenshot("game_lose_screen");
    drag(0, 1, 5, 5);  // the lose screen ignores the board
    EXPECT_EQ(cell(0, 1).id, 104);
    key(SDLK_RETURN);
    ASSERT_TRUE(reach_play());
    EXPECT_EQ(game_time_left(), 5u);
    push_key(SDLK_ESCAPE);
    fake_clock_advance(9000);  // a long stall, then Escape before the frame's check
    main_events();
    EXPECT_EQ(GameTimeRemaining, 0u) << "stopped after the time-out: none left, not wrapped round";
    key(SDLK_ESCAPE);
    run_while(GM_BANNER);
    ASSERT_EQ(GameMode, GM_LOSE);
    sound_spy_clear();
    click(400, 405);  // Quit
    EXPECT_EQ(engineMode, MODE_START);
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_START]);

    // A picture that is both a goal and forbidden loses, and no win is kept.
    write_level(3, "fail=1\n");
    enter_level(3);
    ASSERT_TRUE(reach_play());
    drag(0, 0, 1, 0);
    run_while(GM_PLAY, 60);
    run_while(GM_BANNER);
    EXPECT_EQ(GameMode, GM_LOSE);
    EXPECT_FALSE(played(SFX_WON));
    EXPECT_EQ(slurp("CryptSLIDERS.sav"), "") << "the record holds what the screen shows";
}

// The clock counts play in milliseconds on the tick clock: the menu, the help,
// the clues and a lost focus stop it, quick trips to the menu do not stop it,
// and the calendar set back or forward does nothing to it.
TEST_F(GameTest, TheClockCountsOnlyPlay)
{
    write_level(2, "match=3\n");  // no help opens by itself on level 2; the owl alone does not win
    enter_level(2);
    step();
    step();
    step();
    EXPECT_EQ(GameMode, GM_PLAY) << "a level without images plays from its third frame";
    EXPECT_NE(GameTime.texture, 0) << "with its clock drawn at once";
    step(60000);
    click(500, 450);  // the menu
    step(10000);
    EXPECT_EQ(game_time_left(), 30u);
    screenshot("game_menu");
    click(300, 330);  // resume
    click(620, 10);   // the help
    step(100000);
    click(320, 400);
    click(100, 450);  // the clues: none, so play resumes at once
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(game_time_left(), 30u);
    fake_clock.seconds -= 3600;
    step();
    fake_clock.seconds += 86400;
    step();
    EXPECT_EQ(GameMode, GM_PLAY);
    for (int i = 0; i < 10; i++) {  // 10 x 620 ms of play, 20 ms in the menu each time
        step(600);
        key(SDLK_ESCAPE);
        key(SDLK_ESCAPE);
    }
    EXPECT_EQ(game_time_left(), 24u);
    // Another window takes the focus, or the game is iconified: the menu
    // opens with the clock stopped; the pointer leaving the window does nothing.
    for (Uint8 state : {SDL_APPINPUTFOCUS, SDL_APPACTIVE}) {
        push_focus_lost(SDL_APPMOUSEFOCUS);
        step(500);
        EXPECT_EQ(GameMode, GM_PLAY);
        push_focus_lost(state);
        step();
        pad(PAD_START);  // a pad without the focus does nothing
        const Uint32 left = game_time_left();
        step(10000);
        EXPECT_EQ(GameMode, GM_MENU);
        EXPECT_EQ(game_time_left(), left);
        key(SDLK_ESCAPE);
    }
    drag(0, 0, 1, 0);  // the owl stands whole and zooms
    push_focus_lost(SDL_APPINPUTFOCUS);
    step();
    EXPECT_EQ(GameMode, GM_PLAY) << "the zoom runs to its end";
    run_while(GM_PLAY, 40);
    EXPECT_EQ(GameMode, GM_MENU) << "then the menu opens";
    EXPECT_EQ(ShowingMatch, 0);
    char text[16];
    for (auto [r, expected] : {std::pair<long, const char*>{3600, "60:00"}, {125, "2:05"}, {0, "0:00"}, {-3, "0:00"}}) {
        game_clock_text(r, text, sizeof text);
        EXPECT_STREQ(text, expected);
    }
}

// The real loop draws only what changes: the clock once a second, a key's
// effect in the very next presented frame (the scene it leads to, when it
// passes through one that draws nothing), nothing while a panel stands still.
TEST_F(GameTest, TheLoopPresentsAFrameOnlyWhenThePictureChanges)
{
    write_level(2);
    enter_level(2);
    auto turns = [](int n) {  // turns of the real loop, each 10 ms of the test's clock
        Uint32 before = ot_frames;
        for (int i = 0; i < n; i++)
            main_turn();
        return ot_frames - before;
    };
    turns(4);
    ASSERT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(turns(300), 3u) << "three seconds of play, one frame for each second the clock shows";
    auto presented_after = [&](SDLKey k) {
        push_key(k);
        keep_presented = true;
        EXPECT_EQ(turns(1), 1u);
        keep_presented = false;
        frame();  // the scene the game is in, as the fixture draws it
        return differing(presented_frame, 3);
    };
    EXPECT_EQ(presented_after(SDLK_c), 0) << "no clue images: the board, never an empty frame between two scenes";
    EXPECT_EQ(GameMode, GM_PLAY);
    EXPECT_EQ(presented_after(SDLK_ESCAPE), 0) << "the frame after the key shows the menu";
    EXPECT_EQ(GameMode, GM_MENU);
    push_axis(0, 9000);  // a stick at rest, within its dead zone
    EXPECT_EQ(turns(100), 0u) << "a paused game";
    push_button(300, 270, SDL_MOUSEBUTTONUP);  // quit to the start screen
    turns(5);
    EXPECT_EQ(engineMode, MODE_START);
    EXPECT_EQ(turns(100), 0u) << "the start screen's menu";
}

// Every panel over the game by keys and by pad: the first Up or Down shows
// the highlight on the button Return pressed before there were keys for them
// (Resume on the menu), Down goes round, and Return, Space or the keypad's
// Enter (A or Start) presses the highlighted button; without the highlight
// they close the help and go on from the win and lose screens, as Start
// presses the hidden one. Restart, retry and the next level give a fresh
// board and the full time. The pad's Start and Back open the menu and help.
TEST_F(GameTest, KeysPressEveryPanelButton)
{
    write_level(2);
    const struct {
        Uint8 panel;
        int downs;  // -1: the highlight never shown
        Uint8 engine_after, mode_after;
    } cases[] = {
        {GM_MENU, 0, MODE_GAME, GM_PLAY},   {GM_MENU, 1, MODE_GAME, GM_LOAD},  {GM_MENU, 2, MODE_GAME, GM_OPTIONS},
        {GM_MENU, 3, MODE_START, GM_MENU},  {GM_HELP, 0, MODE_GAME, GM_PLAY},  {GM_HELP, 2, MODE_GAME, GM_HELP},
        {GM_LOSE, 0, MODE_GAME, GM_LOAD},   {GM_LOSE, 1, MODE_START, GM_LOSE}, {GM_WIN, 1, MODE_GAME, GM_LOAD},
        {GM_HELP, -1, MODE_GAME, GM_PLAY},  {GM_LOSE, -1, MODE_GAME, GM_LOAD}, {GM_WIN, -1, MODE_GAME, GM_LOAD},
    };
    const SDLKey presses[] = {SDLK_RETURN, SDLK_SPACE, SDLK_KP_ENTER};  // each presses alike
    for (bool pads : {false, true})
    for (const auto& c : cases) {
        const SDLKey press = presses[(&c - cases) % 3];
        SCOPED_TRACE(testing::Message() << "panel " << int(c.panel) << ", " << c.downs << " down" << (pads ? ", pad" : ""));
        enter_level(1);
        ASSERT_TRUE(reach_play());
        drag(2, 0, 5, 5);
        step(30000);
        if (c.panel == GM_MENU)
            pads ? pad(PAD_START) : key(SDLK_ESCAPE);
        else if (c.panel == GM_HELP)
            pads ? pad(PAD_BACK) : key(SDLK_F1);
        else
            GameMode = c.panel;
        ASSERT_EQ(GameMode, c.panel);
        for (int i = 0; i <= c.downs; i++)  // the first shows the highlight
            pads ? (push_axis(1, 32767), push_axis(1, 0), step()) : key(SDLK_DOWN);
        sound_spy_clear();
        pads ? push_pad_button((&c - cases) % 2 ? 0 : PAD_START) : push_key(press);
        main_events();
        EXPECT_EQ(engineMode, c.engine_after);
        EXPECT_EQ(GameMode, c.mode_after);
        EXPECT_TRUE(played(SFX_CLICK) || c.downs < 0) << "as the button sounds";
        engineMode = MODE_GAME;
        if (c.mode_after == GM_LOAD) {
            ASSERT_TRUE(reach_play());
            EXPECT_EQ(cell(2, 0).id, 103) << "a fresh board";
            EXPECT_EQ(game_time_left(), 90u);
        }
    }
}

// The help button on level 12 (reached by password, so the help never opened
// on the way) shows that level's five pages; the arrows and keys page within
// them, each page its own picture; Return closes.
TEST_F(GameTest, HelpShowsTheLevelsOwnPages)
{
    enter_level(12);
    ASSERT_TRUE(reach_play());
    click(620, 10);
    ASSERT_EQ(GameMode, GM_HELP);
    EXPECT_STREQ(help_caption(), "Help screen (1/5)");
    std::vector<rgba8> page = last_frame;
    draw([] { DisplayGameScreen(&DIM_COLOUR), ot_blit(20, 64, 48, nullptr); });
    const std::vector<rgba8> bare = last_frame;
    for (int p = 2; p <= 6; p++) {
        key(SDLK_RIGHT);
        EXPECT_GT(differing(bare), 1000) << "page " << p << " shows its picture";
        EXPECT_EQ(differing(page) > 1000, p <= 5) << "page " << p;
        page = last_frame;
    }
    screenshot("game_help_page5");
    EXPECT_STREQ(help_caption(), "Help screen (5/5)");
    key(SDLK_LEFT);
    click(150, 370);  // the back arrow
    EXPECT_STREQ(help_caption(), "Help screen (3/5)");
    key(SDLK_RETURN);
    EXPECT_EQ(GameMode, GM_PLAY);
}

// A title wider than the screen starts at its left edge rather than vanishing;
// a missing level file returns to the start screen.
TEST_F(GameTest, WideTitlesShowAndMissingLevelsReturn)
{
    write_level(1, "name=" + std::string(60, 'W') + "\n");
    enter_level(1);
    ASSERT_TRUE(reach_play());
    std::vector<rgba8> titled = last_frame;
    GameName[0] = 0;
    frame();
    EXPECT_LT(box([&](int x, int y) { return !near(pixel(x, y), titled[static_cast<size_t>(y * 640 + x)], 20); }, 0, 0, 640, 40)[0], 10);
    enter_level(42);
    step();
    EXPECT_EQ(engineMode, MODE_START);
}

class GameWithoutLogo : public GameTest {
protected:
    std::vector<std::string> left_out() const override
    {
        std::vector<std::string> out = GameTest::left_out();
        out.push_back("base/BrassOwl.png");
        return out;
    }
};

// Without the logo image, the full-screen pictures that reuse its texture
// still show whole, not as one flat colour.
TEST_F(GameWithoutLogo, ClueImagesShowWhole)
{
    write_png("data/level1/clue1.png", 640, 480, false,
              [](int x, int) { return x < 320 ? rgba8{200, 60, 60, 255} : rgba8{60, 60, 200, 255}; });
    enter_level(1);
    run_while(GM_LOAD, 5);
    run_while(GM_CLUE_NEXT, 5);
    ASSERT_EQ(GameMode, GM_CLUE);
    step();
    screenshot("game_clue_without_logo");
    EXPECT_TRUE(near(pixel(100, 240), {200, 60, 60, 255})) << pixel(100, 240);
    EXPECT_TRUE(near(pixel(540, 240), {60, 60, 200, 255})) << pixel(540, 240);
}

// A new game plays the opening images, then level 1. After level 20 the
// game-won panel leads to the closing images and the start screen; a level
// started by password after that has its password and a next level again.
// A level without a password, or beyond the table, ends the game after its win.
TEST_F(GameTest, ImagesAroundAWholeGame)
{
    write_image("data/opening/opnseq1.png", {120, 60, 160, 255});
    write_image("data/closing/closingsq1.png", {200, 180, 120, 255});
    write_level(20);
    write_level(2);
    auto closing = [this] {  // after level 20's panel: the closing images, then the start screen
        key(SDLK_RETURN);
        run_while(GM_SEQ_FADE_IN, 40, 50);
        EXPECT_TRUE(near(pixel(320, 240), {200, 180, 120, 255}));
        key(SDLK_SPACE);
        run_while(GM_SEQ_FADE_OUT, 40, 50);
        step();
        EXPECT_EQ(engineMode, MODE_START);
        EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_START]);
    };
    win_level(20);
    screenshot("game_won_panel");
    const std::vector<rgba8> won_panel = last_frame;
    closing();

    game_new();
    step();
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_GAME]);
    run_while(GM_SEQ_FADE_IN, 40, 50);
    step(2000);
    EXPECT_EQ(GameMode, GM_SEQ_IMAGE) << "an opening image waits for the player";
    EXPECT_TRUE(near(pixel(320, 240), {120, 60, 160, 255}));
    key(SDLK_SPACE);
    run_while(GM_SEQ_FADE_OUT, 40, 50);
    win_level(0);
    key(SDLK_RETURN);
    EXPECT_EQ(GameLevel, 2) << "a new game after a won one goes on after level 1";

    win_level(20);
    closing();
    ASSERT_EQ(levels_start(pws[0].data()), 1);
    win_level(0);
    EXPECT_NE(GameWonPassword.texture, 0);
    EXPECT_GT(differing(won_panel, 20, 64, 48, 576, 270), 5000) << "the win screen, not the game-won panel";
    key(SDLK_RETURN);
    EXPECT_EQ(GameLevel, 3);

    pws[1][0] = 0;  // level 2 without a password
    win_level(2);
    key(SDLK_RETURN);
    EXPECT_EQ(engineMode, MODE_START);
    write_level(60);
    win_level(60);
    key(SDLK_ESCAPE);
    EXPECT_EQ(engineMode, MODE_START);
}

// Progress outlasts the game: a won level is remembered, so that after a new
// start the password panel offers the way on at once, and its best time is
// kept, beaten or not, and shown on the win screen and the clue images.
TEST_F(GameTest, WonLevelsAndBestTimesOutlastTheGame)
{
    write_level(3);
    write_level(4);
    auto best_line = [] {
        std::string text = slurp("CryptSLIDERS.sav");
        return text.substr(std::min(text.find("reached="), text.size()));
    };
    const std::string today = "1970-01-12";  // the test's calendar
    auto yellow = [this](int x, int y) { return pixel(x, y).r > 200 && pixel(x, y).g > 200 && pixel(x, y).b < 80; };

    win_level(3, 30000);
    EXPECT_EQ(GameWonTime.text, "Time 0:30");
    screenshot("game_win_time");
    auto shown = box(yellow, 120, 345, 520, 400);
    EXPECT_NEAR((shown[0] + shown[2]) / 2, 320, 3) << "the time shows under the password, centred";
    EXPECT_TRUE(shown[1] > 350 && shown[3] < 388) << "between the password's box and the button";
    EXPECT_EQ(best_line(), "reached=3\nbest=3,30," + today + "\n");

    // Quit and start again: the panel holds level 3's password; Return goes on.
    main_exit();
    ASSERT_EQ(main_start(), 0);
    randomize_board = -1;  // the settings file's default shuffles
    key(SDLK_SPACE);
    for (int i = 0; i < 200 && engineMode != MODE_START; i++)
        step();
    click(330, 250);
    EXPECT_GT(box([this](int x, int y) { return pixel(x, y).r > 240 && pixel(x, y).b > 240; }, 170, 262, 470, 312)[2], 0)
        << "the line holds a password";
    key(SDLK_RETURN);
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 4);

    // Slower: the best stays; its time shows on the clue image. Faster: a new best.
    win_level(3, 40000);
    EXPECT_EQ(GameWonTime.text, "Time 0:40 - best 0:30");
    EXPECT_EQ(best_line(), "reached=3\nbest=3,30," + today + "\n");
    enter_level(3);
    for (int i = 0; i < 50 && GameMode != GM_CLUE; i++) {
        if (GameMode == GM_SCREEN)
            push_key(SDLK_RETURN);
        step();
    }
    screenshot("game_clue_best_time");
    auto best = box(yellow, 100, 392, 540, 416);
    EXPECT_GT(best[2] - best[0], 80) << "the clue image names the best time";
    win_level(3, 10000);
    EXPECT_EQ(GameWonTime.text, "Time 0:10 - New best time!");
    EXPECT_EQ(best_line(), "reached=3\nbest=3,10," + today + "\n");

    // A record that cannot be written says so, not that it is the best.
    chmod("CryptSLIDERS.sav", 0444);
    win_level(3, 5000);
    EXPECT_EQ(GameWonTime.text, "Time 0:05 - could not be saved");
    EXPECT_EQ(best_line(), "reached=3\nbest=3,10," + today + "\n");
}
