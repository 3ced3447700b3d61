// soak_test.cpp -- thousands of frames through every screen with the test's
// clocks: levels loaded again and again, panels opened and closed, games won
// and lost; the process must not grow (no texture, text or sound left behind)
#include <malloc.h>

#include <fstream>

#include "game_fixture.h"


namespace {

// Bytes the process holds from the allocator: the game's own objects and what
// the libraries allocate for it (surfaces, glyphs, sounds, texture storage).
long heap_kb()
{
    struct mallinfo2 m = mallinfo2();
    return static_cast<long>((m.uordblks + m.hblkhd) / 1024);
}

// Resident set size in kilobytes.
long rss_kb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

}  // namespace

class Soak : public GameDriver {
protected:
    // Wins the level in play by the solver's moves, through its win images and
    // win screen to the next level's load, then leaves for the start screen.
    void win()
    {
        play_solution(GameLevel);
        for (int i = 0; i < 400 && GameMode != GM_WIN && engineMode == MODE_GAME; i++) {
            if (GameMode == GM_WIN_IMAGE)
                push_key(SDLK_SPACE);
            step(50);
        }
        push_key(SDLK_RETURN);
        step();
        step();
        engineMode = MODE_START;
        step();
    }

    // One round through the screens: a level loaded, played a little, its help,
    // menu and options opened and closed, lost on time, retried, then left.
    void round(int level)
    {
        enter_level(level);
        for (int i = 0; i < 200 && GameMode != GM_PLAY; i++) {
            if (GameMode == GM_SCREEN || GameMode == GM_CLUE || GameMode == GM_HELP)
                push_key(SDLK_RETURN);
            step(50);
        }
        push_button(cell_x(0), cell_y(0), SDL_MOUSEBUTTONDOWN);
        push_motion(cell_x(4), cell_y(4));
        push_button(cell_x(4), cell_y(4), SDL_MOUSEBUTTONUP);
        step();
        push_button(620, 10, SDL_MOUSEBUTTONUP);  // help
        step();
        push_key(SDLK_RIGHT);
        step();
        push_key(SDLK_RETURN);
        step();
        push_key(SDLK_ESCAPE);  // menu, options, back
        step();
        push_button(300, 200, SDL_MOUSEBUTTONUP);
        step();
        push_key(SDLK_ESCAPE);
        step();
        push_key(SDLK_ESCAPE);
        step();
        if (level % 5 == 0) {
            win();
            return;
        }
        // Let the time run out; the banner, the lose screen, then quit.
        for (int i = 0; i < 400 && GameMode != GM_LOSE && engineMode == MODE_GAME; i++)
            step(GameMode == GM_PLAY ? 5000 : 50);
        push_key(SDLK_ESCAPE);
        step();
        // The start screen for a few frames, with its password panel.
        push_button(300, 250, SDL_MOUSEBUTTONUP);
        step();
        push_key(SDLK_ESCAPE);
        step();
    }
};

TEST_F(Soak, TenThousandFramesThroughEveryScreenDoNotGrow)
{
    // Warm up: every level once, so every picture texture and text exists.
    for (int level = 1; level <= 20; level++)
        round(level);
    long start = rss_kb(), heap_start = heap_kb();
    int first = steps, rounds = 0;
    for (int level = 1; steps - first < 10000; level = level % 20 + 1, rounds++)
        round(level);
    long grown = rss_kb() - start, heap_grown = heap_kb() - heap_start;
    std::printf("soak: %d rounds, %d frames after warm-up: heap %ld kB -> %ld kB (%+ld kB), RSS %ld kB -> %ld kB (%+ld kB)\n",
                rounds, steps - first, heap_start, heap_start + heap_grown, heap_grown, start, start + grown, grown);
    // The resident size also moves with the software GL driver's own mappings
    // (seen growing by 1 to 6 MB between runs while the heap stayed flat), so it
    // is reported, and the heap, where the game's surfaces, glyphs, sounds and
    // texture storage live, is what is held to 1 MB.
    EXPECT_LE(heap_grown, 1024) << "the heap grew by more than 1 MB";
}
