// options_test.cpp -- the options panel over the start screen: sliders, back button, settings file
#include "engine_fixture.h"

#include <cmath>
#include <fstream>

#include "common.h"
#include "main.h"
#include "options.h"

namespace {

const ot_rgba DIM = {127, 127, 127, 255};
constexpr int SFX_Y = 188, MUSIC_Y = 270;

std::string slurp(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The options panel opened from the start screen's menu.
class Options : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        open();
    }

    void open()
    {
        engineMode = MODE_START;
        draw([] {
            ot_blit(3, 0, 0, &DIM);
            ot_blit(7, 64, 48, nullptr);
        });
        bare = last_frame;
        draw([] { ot_blit(3, 0, 0, nullptr); });
        menu = last_frame;
        click(300, 290);  // the menu's options button
    }

    // A second start of the game in the same working directory.
    void restart()
    {
        main_exit();
        soundSFX = 1.0f;
        soundMusic = 0.75f;
        ASSERT_EQ(main_start(), 0);
        open();
    }

    void click(int x, int y)
    {
        push_button(x, y, SDL_MOUSEBUTTONDOWN);
        push_button(x, y, SDL_MOUSEBUTTONUP);
        main_events();
        frame();
    }
    void event(int x, int y, Uint8 type)
    {
        if (type == SDL_MOUSEMOTION)
            push_motion(x, y);
        else
            push_button(x, y, type);
        main_events();
        frame();
    }

    // Centre of the knob drawn on a track: the middle of what differs from the bare panel.
    double knob_centre(int track_y) const
    {
        int x0 = 640, x1 = -1;
        for (int y = track_y - 15; y <= track_y + 15; y++)
            for (int x = 200; x < 560; x++) {
                size_t i = static_cast<size_t>(y * 640 + x);
                if (!near(last_frame[i], bare[i], 24)) {
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                }
            }
        return x1 < 0 ? -1 : (x0 + x1 + 1) / 2.0;
    }

    // The options closed: the start screen's menu shows again.
    bool shows_menu() const
    {
        for (size_t i = 0; i < last_frame.size(); i += 97)
            if (!near(last_frame[i], menu[i], 3))
                return false;
        return true;
    }

    std::vector<rgba8> bare;  // the dimmed start screen and the panel, without knobs
    std::vector<rgba8> menu;  // the start screen at full brightness
};

TEST_F(Options, WithoutASettingsFileTheDefaultsShow)
{
    EXPECT_FLOAT_EQ(soundSFX, 1.0f);
    EXPECT_FLOAT_EQ(soundMusic, 0.75f);
    EXPECT_EQ(engineFullScreen, 0);
    EXPECT_EQ(randomize_board, 0);
    EXPECT_EQ(Mix_Volume(0, -1), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 96);
    screenshot("options_panel");
    EXPECT_NEAR(knob_centre(SFX_Y), 483, 1);
    EXPECT_NEAR(knob_centre(MUSIC_Y), 429.5, 1);
}

TEST_F(Options, ReleaseOnATrackSetsItsSlider)
{
    Mix_HaltChannel(-1);
    click(376, 188);
    EXPECT_FLOAT_EQ(soundSFX, 0.5f);
    EXPECT_EQ(Mix_Volume(0, -1), 64);
    EXPECT_EQ(Mix_Playing(-1), 1) << "the slider clicks";
    EXPECT_NEAR(knob_centre(SFX_Y), 376, 1);

    click(376, 208);  // below the band of a 38-pixel knob
    click(268, 188);
    click(484, 188);
    EXPECT_FLOAT_EQ(soundSFX, 0.5f);
    click(269, 169);  // the band's corners
    EXPECT_FLOAT_EQ(soundSFX, 0.0f);
    click(483, 207);
    EXPECT_FLOAT_EQ(soundSFX, 1.0f);

    click(300, 289);
    EXPECT_FLOAT_EQ(soundMusic, 31.0f / 214);
    EXPECT_EQ(Mix_VolumeMusic(-1), 18);
    EXPECT_FLOAT_EQ(soundSFX, 1.0f);
}

TEST_F(Options, DraggedKnobFollowsThePointerWithinItsTrack)
{
    // The music knob at 0.75 spans x 420..439, y 251..289: its corner is a hit.
    event(420, 251, SDL_MOUSEBUTTONDOWN);
    event(100, 20, SDL_MOUSEMOTION);  // anywhere on the screen, only x counts
    EXPECT_FLOAT_EQ(soundMusic, 0.0f);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    EXPECT_NEAR(knob_centre(MUSIC_Y), 269, 1);
    event(600, 470, SDL_MOUSEMOTION);
    EXPECT_FLOAT_EQ(soundMusic, 1.0f);
    EXPECT_NEAR(knob_centre(MUSIC_Y), 483, 1);
    event(376, 10, SDL_MOUSEMOTION);
    EXPECT_FLOAT_EQ(soundMusic, 0.5f);
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    screenshot("options_dragging");
    EXPECT_NEAR(knob_centre(MUSIC_Y), 376, 1);
    EXPECT_FLOAT_EQ(soundSFX, 1.0f) << "the other slider stays";

    event(376, 450, SDL_MOUSEBUTTONUP);  // outside both bands: the drag's value stays
    EXPECT_FLOAT_EQ(soundMusic, 0.5f);
    event(500, 270, SDL_MOUSEMOTION);
    EXPECT_FLOAT_EQ(soundMusic, 0.5f) << "released: motion moves nothing";
}

TEST_F(Options, PressBesideAKnobHoldsNothing)
{
    event(419, 251, SDL_MOUSEBUTTONDOWN);
    event(440, 290, SDL_MOUSEBUTTONDOWN);
    event(300, 270, SDL_MOUSEMOTION);
    EXPECT_FLOAT_EQ(soundMusic, 0.75f);
    // A press and release on the knob without moving centres it under the pointer.
    click(439, 289);
    EXPECT_FLOAT_EQ(soundMusic, 170.0f / 214);
}

TEST_F(Options, BackButtonSavesAndClosesAtItsEdgesOnly)
{
    click(295, 400);
    click(300, 417);
    EXPECT_FALSE(shows_menu()) << "still open";
    EXPECT_FALSE(std::ifstream(SETTINGS_FILE).good());
    click(383, 188);  // 0.5327: mixer 68 now, 67 once saved as 0.53 and read back
    EXPECT_EQ(Mix_Volume(0, -1), 68);
    Mix_HaltChannel(-1);
    click(357, 416);
    EXPECT_EQ(Mix_Playing(-1), 1) << "closing clicks";
    EXPECT_EQ(slurp(SETTINGS_FILE), "0.53\n0.75\n");
    EXPECT_TRUE(shows_menu()) << "closed";

    restart();
    EXPECT_FLOAT_EQ(soundSFX, 0.53f);
    EXPECT_EQ(Mix_Volume(0, -1), 67);
    EXPECT_NEAR(knob_centre(SFX_Y), 269 + 214 * 0.53, 1);
    click(296, 394);
    EXPECT_EQ(slurp(SETTINGS_FILE), "0.53\n0.75\n");
}

TEST_F(Options, EscapeClosesWithoutSavingAndLetsGoOfTheKnob)
{
    event(480, 188, SDL_MOUSEBUTTONDOWN);
    event(376, 188, SDL_MOUSEMOTION);
    push_key(SDLK_a);
    main_events();
    EXPECT_FLOAT_EQ(soundSFX, 0.5f);
    push_key(SDLK_ESCAPE);
    main_events();
    frame();
    EXPECT_TRUE(shows_menu()) << "closed";
    EXPECT_FALSE(std::ifstream(SETTINGS_FILE).good()) << "nothing written";
    EXPECT_EQ(Mix_Volume(0, -1), 64) << "the volume set stays in force";
    click(300, 290);
    event(300, 188, SDL_MOUSEMOTION);
    EXPECT_FLOAT_EQ(soundSFX, 0.5f) << "the knob was let go";
}

// Flags survive a save; volumes out of range are taken as read but applied,
// drawn and hit-tested within 0..1.
TEST_F(Options, HandEditedFileIsClampedWhereApplied)
{
    std::ofstream(SETTINGS_FILE) << "2.5\nnan\n0\n-1\n";
    restart();
    EXPECT_FLOAT_EQ(soundSFX, 2.5f);
    EXPECT_TRUE(std::isnan(soundMusic));
    EXPECT_EQ(randomize_board, -1);
    EXPECT_EQ(Mix_Volume(0, -1), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    screenshot("options_clamped");
    EXPECT_NEAR(knob_centre(SFX_Y), 483, 1);
    EXPECT_NEAR(knob_centre(MUSIC_Y), 269, 1);
    event(270, 270, SDL_MOUSEBUTTONDOWN);  // on the music knob where it is drawn
    event(376, 270, SDL_MOUSEMOTION);
    EXPECT_FLOAT_EQ(soundMusic, 0.5f);
    event(376, 270, SDL_MOUSEBUTTONUP);
    click(320, 400);
    EXPECT_EQ(slurp(SETTINGS_FILE), "2.50\n0.50\n0\n-1\n");
}

}  // namespace
