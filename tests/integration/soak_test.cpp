// soak_test.cpp -- thousands of frames through every screen with the test's
// clocks: levels loaded again and again, panels opened and closed, games won
// and lost; the heap must not grow (no texture, text or sound left behind)
#include <malloc.h>

#include <fstream>

#include "engine_fixture.h"

class Soak : public GameTest {
protected:
    std::vector<std::string> left_out() const override { return {}; }
    void SetUp() override { EngineTest::SetUp(); }

    // One round through the screens: a level loaded and played a little, its
    // help, menu and options opened and closed; then every fifth level won
    // through its win images, the others lost on time and left.
    void round(int level)
    {
        enter_level(level);
        reach_play();
        drag(0, 0, 4, 4);
        click(620, 10);  // help, a page on, closed
        key(SDLK_RIGHT), key(SDLK_RETURN), key(SDLK_ESCAPE);
        click(300, 200);  // menu, options, back
        key(SDLK_ESCAPE), key(SDLK_ESCAPE);
        if (level % 5 == 0) {
            play_solution();
            for (int i = 0; i < 400 && GameMode != GM_WIN && engineMode == MODE_GAME; i++) {
                if (GameMode == GM_WIN_IMAGE)
                    push_key(SDLK_SPACE);
                step(50);
            }
            key(SDLK_RETURN);
            step();
            engineMode = MODE_START;
            step();
            return;
        }
        for (int i = 0; i < 400 && GameMode != GM_LOSE && engineMode == MODE_GAME; i++)
            step(GameMode == GM_PLAY ? 5000 : 50);
        key(SDLK_ESCAPE);
        click(300, 250);  // the start screen's password panel
        key(SDLK_ESCAPE);
    }
};

TEST_F(Soak, TenThousandFramesThroughEveryScreenDoNotGrow)
{
    // Warm up: every level once, so every picture texture and text exists.
    for (int level = 1; level <= 20; level++)
        round(level);
    auto heap_kb = [] {
        struct mallinfo2 m = mallinfo2();
        return static_cast<long>((m.uordblks + m.hblkhd) / 1024);
    };
    auto rss_kb = [] {
        long pages = 0, resident = 0;
        std::ifstream("/proc/self/statm") >> pages >> resident;
        return resident * 4;
    };
    long rss = rss_kb(), heap = heap_kb();
    int first = steps, rounds = 0;
    for (int level = 1; steps - first < 10000; level = level % 20 + 1, rounds++)
        round(level);
    std::printf("soak: %d rounds, %d frames: heap %ld kB -> %ld kB, RSS %ld kB -> %ld kB\n", rounds, steps - first,
                heap, heap_kb(), rss, rss_kb());
    // The resident size moves with the software GL driver's own mappings, so it
    // is only reported; the heap, where the game's surfaces, glyphs, sounds and
    // texture storage live, is held to 1 MB.
    EXPECT_LE(heap_kb() - heap, 1024) << "the heap grew by more than 1 MB";
}
