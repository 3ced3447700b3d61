// logo_test.cpp -- the logo splash: fade in, hold, fade out, and skipping it
#include "engine_fixture.h"

#include "common.h"
#include "main.h"

class Logo : public EngineTest {
protected:
    // Frames 50 ms apart until the start screen takes over; the number drawn in mode 1.
    int frames_until_start_screen(int limit = 200)
    {
        for (int n = 1; n <= limit; n++) {
            fake_clock_advance(50);
            frame();
            if (engineMode != MODE_LOGO)
                return n;
        }
        return -1;
    }
    // The brightest channel sum of a row of pixels across the owl.
    int brightness()
    {
        int sum = 0;
        for (int x = 200; x < 440; x += 8)
            sum += pixel(x, 200).r + pixel(x, 200).g + pixel(x, 200).b;
        return sum;
    }
};

TEST_F(Logo, FadesInHoldsAndFadesOutToTheStartScreen)
{
    frame();
    EXPECT_EQ(brightness(), 0) << "the first frame is black";
    frames(11, 50);
    int half = brightness();
    screenshot("logo_fading_in");
    frames(11, 50);  // 22 steps: full brightness
    int full = brightness();
    screenshot("logo");
    EXPECT_GT(half, 0);
    EXPECT_GT(full, half + half / 2);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "music waits for the fade-out";

    // Hold: the wall clock is now 1 s past the loop's start; it must pass start + 3.
    fake_clock_advance(1900);  // start + 3 s
    frame();
    EXPECT_EQ(brightness(), full) << "still holding at start + 3 s";
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    fake_clock_advance(1000);  // start + 4 s: the fade-out begins, with the music
    frame();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(frames_until_start_screen(), 22);
    frame();
    screenshot("start_after_logo");
    EXPECT_GT(brightness(), 0) << "the start screen shows";
}

TEST_F(Logo, KeyBeforeTheFirstFrameSkipsWithoutShowingIt)
{
    push_key(SDLK_a);
    main_events();
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "music 1 starts at once";
    frame();
    EXPECT_EQ(brightness(), 0);
    EXPECT_EQ(engineMode, MODE_LOGO);
    EXPECT_EQ(frames_until_start_screen(), 1) << "50 ms after the key";
}

TEST_F(Logo, KeyDuringFadeInFadesOutFromTheCurrentColour)
{
    frame();
    frames(10, 50);  // colour 120
    push_key(SDLK_LSHIFT);  // modifier keys count too
    main_events();
    EXPECT_EQ(frames_until_start_screen(), 10);  // 108, 96, ..., 12, 0
}

TEST_F(Logo, ButtonReleaseSkipsButAPressAloneDoesNot)
{
    frame();
    push_button(100, 100, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    main_events();
    frames(22, 50);
    EXPECT_EQ(engineMode, MODE_LOGO);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    push_button(100, 100, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    main_events();
    EXPECT_EQ(frames_until_start_screen(), 22) << "fades out from full brightness";
}

TEST_F(Logo, SlowFadeInGoesStraightIntoTheFadeOut)
{
    frame();
    fake_clock_advance(5000);  // a very slow machine: the hold time has passed already
    frames(21, 50);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    fake_clock_advance(50);
    frame();  // colour reaches 255 and the fade-out starts in this frame
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}
