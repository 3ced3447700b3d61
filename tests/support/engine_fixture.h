// engine_fixture.h -- the real engine started in a scratch working directory, driven by the tests
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "png_file.h"

// A scratch working directory whose data/ mirrors the built data tree through
// symlinks, file by file, so a test can leave files out or add its own.
class scratch_dir {
public:
    explicit scratch_dir(const std::vector<std::string>& leave_out = {});
    ~scratch_dir();
    scratch_dir(const scratch_dir&) = delete;
    scratch_dir& operator=(const scratch_dir&) = delete;
    const std::filesystem::path& path() const { return root_; }

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// Starts the engine with both clocks held by the test; frames are drawn into
// the back buffer and read back before they are presented.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Files under data/ to leave out of the scratch tree (e.g. "base/CryptSLIDERS.png");
    // a directory (e.g. "level1") is left out with everything in it.
    virtual std::vector<std::string> left_out() const { return {}; }

    // Events, queued as SDL would deliver them, then routed by main_events.
    void push_key(SDLKey key, Uint8 type = SDL_KEYDOWN);
    void push_button(int x, int y, Uint8 type, Uint8 button = SDL_BUTTON_LEFT);
    void push_motion(int x, int y);
    void push_quit();

    // One frame of the current mode, as the main loop draws it; the pixels are kept.
    void frame();
    // One frame of custom drawing on a cleared screen.
    void draw(const std::function<void()>& blits);
    // Advances the clocks by ms and draws a frame, count times.
    void frames(int count, Uint32 ms);

    rgba8 pixel(int x, int y) const;  // of the last frame, window coordinates
    void screenshot(const std::string& name) const;  // build/screenshots/NAME.png

    int start_status = 0;
    std::vector<rgba8> last_frame;  // 640 x 480, top row first

private:
    void capture();
    std::unique_ptr<scratch_dir> dir_;
};

// True when two colours differ by at most tol in red, green and blue (the
// window's alpha, if it has one, is not what the player sees).
bool near(rgba8 a, rgba8 b, int tol = 3);
std::ostream& operator<<(std::ostream& os, const rgba8& c);
