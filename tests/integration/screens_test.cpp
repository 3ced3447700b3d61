// screens_test.cpp -- the screens before the game as a player meets them: the
// loop, the logo, the start screen's menu and password panel, the options
// panel and the settings it saves, the sounds and volumes
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numeric>

#include <unistd.h>

#include "engine_fixture.h"
#include "rules/translate.h"
#include "screens/help.h"
#include "screens/options.h"

namespace {

const ot_rgba DIM = {127, 127, 127, 255};

class Screens : public EngineTest {
protected:
    // The brightness of a row of pixels across the owl.
    int brightness() const
    {
        int sum = 0;
        for (int x = 200; x < 440; x += 8)
            sum += pixel(x, 200).r + pixel(x, 200).g + pixel(x, 200).b;
        return sum;
    }
    // Steps 50 ms apart while the logo shows; how many.
    int steps_of_logo()
    {
        int n = 0;
        for (; n < 200 && engineMode == MODE_LOGO; n++)
            step(50);
        return n;
    }
    std::vector<rgba8> reference(const std::function<void()>& blits)
    {
        draw(blits);
        return last_frame;
    }
    // Share of pixels, away from the password line, that differ from ref.
    double differs(const std::vector<rgba8>& ref) const
    {
        int differ = 0, total = 0;
        for (int y = 0; y < 480; y += 4)
            for (int x = 0; x < 640; x += 4)
                if (y < 240 || y > 335) {
                    total++;
                    differ += !near(last_frame[static_cast<size_t>(y * 640 + x)], ref[static_cast<size_t>(y * 640 + x)], 6);
                }
        return static_cast<double>(differ) / total;
    }
    // What differs from a reference frame in a rectangle: on the password line
    // the text and cursor, on a track its knob.
    std::array<int, 4> changed(const std::vector<rgba8>& ref, int tol, int x0, int y0, int x1, int y1) const
    {
        return box([&](int x, int y) { return !near(pixel(x, y), ref[static_cast<size_t>(y * 640 + x)], tol); }, x0, y0, x1, y1);
    }
    std::array<int, 4> line() const { return changed(panel_ref, 40, 0, 230, 640, 345); }
    int line_width() const { return line()[2] - line()[0] + 1; }
    double knob(int track_y) const
    {
        auto b = changed(options_ref, 24, 200, track_y - 15, 560, track_y + 16);
        return (b[0] + b[2] + 1) / 2.0;
    }
    void type(const char* text)
    {
        for (const char* c = text; *c; c++)
            push_key(static_cast<SDLKey>(*c));
        step();
    }
    // By pad: the hat once in a direction; a letter, turned up from a or down
    // from z with the stick and kept with the hat's Right.
    void hat(Uint8 value) { push_hat(value), push_hat(SDL_HAT_CENTERED), step(); }
    void pad_letter(char c, bool keep = true)
    {
        for (int i = 0; i <= (c <= 'm' ? c - 'a' : 'z' - c); i++)
            push_axis(1, c <= 'm' ? -32768 : 32767), push_axis(1, 0);
        if (keep)
            push_hat(SDL_HAT_RIGHT), push_hat(SDL_HAT_CENTERED);
        step();
    }
    void to_start_screen()
    {
        menu_ref = reference([] { ot_blit(3, 0, 0, nullptr); });
        panel_ref = reference([] { ot_blit(3, 0, 0, &DIM), ot_blit(6, 64, 48, nullptr); });
        options_ref = reference([] { ot_blit(3, 0, 0, &DIM), ot_blit(7, 64, 48, nullptr); });
        engineMode = MODE_START;
        step();
    }
    std::vector<rgba8> menu_ref, panel_ref, options_ref;
};

}  // namespace

// Left alone, the logo fades in over 22 steps, holds until the clock passes
// the start by 3 s, then fades out with the start screen's music into the menu.
TEST_F(Screens, LogoFadesInHoldsAndGivesWayToTheStartScreen)
{
    frame();
    EXPECT_EQ(brightness(), 0) << "the first frame is black";
    for (int i = 0; i < 11; i++)
        step(50);
    int half = brightness();
    for (int i = 0; i < 11; i++)
        step(50);
    screenshot("logo");
    EXPECT_GT(brightness(), half + half / 2);
    EXPECT_GT(half, 0);
    step(1900);  // start + 3 s
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "still holding";
    step(1000);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(steps_of_logo(), 22);
    step();
    EXPECT_GT(brightness(), 0);
}

// A key, or a button's release (not its press), skips the logo from wherever
// its fade stands; the window closed ends the game; key releases and
// modifiers alone reach nothing.
TEST_F(Screens, LogoSkipsOnAKeyOrARelease)
{
    for (int i = 0; i < 11; i++)
        step(50);
    push_button(100, 100, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    push_key(SDLK_ESCAPE, SDL_KEYUP);
    for (SDLKey mod : LONE_MODIFIERS)
        push_key(mod);
    step(50);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "a press, a key release or a modifier alone does nothing";
    push_button(100, 100, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    EXPECT_EQ(steps_of_logo(), 12) << "fading out from the 12th step";
    push_key(SDLK_LSHIFT);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    push_motion(7, 8);
    EXPECT_FALSE(main_turn());
    EXPECT_EQ(engineDone, 1);
    EXPECT_EQ(mouse_x, 7) << "every event is still routed";
}

TEST_F(Screens, MenuOpensThePanelsAndQuits)
{
    to_start_screen();
    EXPECT_LT(differs(menu_ref), 0.001);
    push_button(300, 250, SDL_MOUSEBUTTONDOWN);
    push_button(100, 100, SDL_MOUSEBUTTONUP);
    step();
    EXPECT_LT(differs(menu_ref), 0.001) << "pressed on Play, released elsewhere";
    sound_spy_clear();
    click(422, 257, SDL_BUTTON_RIGHT);  // any button, edges included
    EXPECT_LT(differs(panel_ref), 0.001);
    EXPECT_TRUE(played(SFX_CLICK));
    key(SDLK_ESCAPE);
    click(254, 306);
    EXPECT_LT(differs(options_ref), 0.01);
    key(SDLK_ESCAPE);
    EXPECT_LT(differs(menu_ref), 0.001);
    click(254, 345);
    EXPECT_EQ(engineDone, 0) << "a pixel above Quit";
    click(422, 377);
    EXPECT_EQ(engineDone, 1);
    engineDone = 0;
    key(SDLK_ESCAPE);
    EXPECT_EQ(engineDone, 1) << "Escape in the menu quits";

    // By keys: the first Down or Up shows the highlight where it is (Play, or
    // OK on the panel), the next go round the buttons, Return presses one.
    engineDone = 0;
    key(SDLK_DOWN);
    EXPECT_GT(differs(menu_ref), 0.002) << "the highlight shows";
    key(SDLK_DOWN), key(SDLK_DOWN), key(SDLK_DOWN), key(SDLK_DOWN);  // your pictures, options, quit, round to play
    key(SDLK_RETURN);
    EXPECT_LT(differs(panel_ref), 0.001) << "the panel, its highlight hidden";
    key(SDLK_UP), key(SDLK_UP), key(SDLK_UP);  // OK, new game, round to back
    key(SDLK_RETURN);
    EXPECT_LT(differs(menu_ref), 0.001);
    key(SDLK_RETURN);  // shows the highlight on Play
    key(SDLK_UP);
    EXPECT_EQ(engineDone, 0);
    key(SDLK_RETURN);
    EXPECT_EQ(engineDone, 1) << "Quit";

    // By pad: B never quits; the hat moves the highlight, A presses it, and
    // B leaves the options; Start presses the highlight where it rests.
    engineDone = 0;
    pad(1);
    EXPECT_EQ(engineDone, 0) << "B in the menu";
    hat(SDL_HAT_DOWN), hat(SDL_HAT_DOWN), hat(SDL_HAT_DOWN), pad(0);  // shown on Play, your pictures, options
    EXPECT_LT(differs(options_ref), 0.01);
    pad(1);
    EXPECT_LT(differs(menu_ref), 0.001);
    pad(PAD_START);
    EXPECT_LT(differs(panel_ref), 0.001) << "Play";
    pad(1);
    hat(SDL_HAT_UP), hat(SDL_HAT_UP), pad(0);
    EXPECT_EQ(engineDone, 1) << "Quit";
}

// The panel opens empty with a cursor blinking every 500 ms, centred with the
// text; only letters and space type, within 290 pixels; Backspace cuts; a wrong
// password stays silently; a right one starts the level after its own.
TEST_F(Screens, PasswordPanelTypesAndStartsTheLevel)
{
    to_start_screen();
    click(300, 250);
    auto cursor = line();
    ASSERT_GE(cursor[2], 0) << "the cursor shows from the first frame";
    EXPECT_NEAR((cursor[0] + cursor[2]) / 2, 320, 2);
    step(500);
    EXPECT_GE(line()[2], 0) << "500 ms is not more than 500 ms";
    step(1);
    EXPECT_LT(line()[2], 0) << "hidden after more than 500 ms";
    step(501);
    int empty = line_width();
    for (SDLKey k : {SDLK_1, SDLK_PERIOD, SDLK_KP5, SDLK_HOME, SDLK_F1, SDLK_TAB, SDLK_LSHIFT})
        key(k);
    EXPECT_EQ(line_width(), empty);
    type("wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww");
    EXPECT_LE(line_width(), 290);
    EXPECT_GT(line_width(), 200);
    for (int i = 0; i < 40; i++)
        push_key(SDLK_BACKSPACE);
    type("o1w.le");
    screenshot("start_password_typed");
    EXPECT_NEAR((line()[0] + line()[2]) / 2, 320, 2) << "text and cursor centred together";
    sound_spy_clear();
    key(SDLK_RETURN);
    click(320, 340);  // OK
    EXPECT_EQ(engineMode, MODE_START) << "owle is no password";
    EXPECT_TRUE(sound_spy.effects.empty());
    int typed = line_width();
    EXPECT_GT(typed, empty * 2) << "the input stays";
    key(SDLK_ESCAPE);
    click(300, 250);
    EXPECT_EQ(line_width(), empty) << "the panel opens empty";
    type("lantern");
    key(SDLK_BACKSPACE);
    type("n");
    click(363, 356);  // OK at its corner
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 3);
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_GAME]);
    engineMode = MODE_START;  // as the game returns
    step();
    EXPECT_LT(differs(menu_ref), 0.001) << "back to the menu, not the panel";
    click(300, 250);
    click(350, 416);  // Back
    EXPECT_LT(differs(menu_ref), 0.001);
    click(300, 250);
    click(182, 95);  // New game
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 1) << "a new game begins with the opening images and level 1";

    // By pad: Up and Down choose the last letter, Right keeps it, B takes the
    // last back, Start tries.
    engineMode = MODE_START;
    pad(PAD_START);
    for (char c : std::string("lanterq"))
        pad_letter(c);
    pad(1), pad_letter('n', false);
    screenshot("start_password_pad");
    pad(PAD_START);
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 3) << "lantern";
    // On an empty line A shows the highlight; Up and A press New game, or
    // Down and A Back; B on an empty line goes back to the menu too.
    engineMode = MODE_START;
    pad(PAD_START), pad(0), hat(SDL_HAT_DOWN), pad(0);
    EXPECT_LT(differs(menu_ref), 0.001) << "Back";
    pad(PAD_START), pad(1);
    EXPECT_LT(differs(menu_ref), 0.001) << "B";
    pad(PAD_START), pad(0), hat(SDL_HAT_UP), pad(0);
    EXPECT_EQ(GameLevel, 1) << "New game";
}

// Full screen on this 1024 x 768 display shows the frame at 1.6x, from the art
// drawn at twice the size; back in the window, the 1x art draws the very frame
// it drew before. Where a 2x file is cut short, or OpenGL holds textures too
// small for the 2x art (one pixel short of its largest side), the 1x art
// stands in, read at the first draw after the switch or at once by the
// loader: the frame is the one drawn without the 2x file, and one line says why.
// The words on the art are the language's in use; an image whose words that
// language lacks shows English's, and only that image.
TEST_F(Screens, TheArtSaysTheLanguageInUseElseEnglish)
{
    auto shown = [&](Uint32 id, int x, int y) {
        main_reload_images();
        return reference([&] { ot_blit(id, x, y, nullptr); });
    };
    const std::vector<rgba8> start_en = shown(3, 0, 0), options_en = shown(7, 64, 48);
    translate_use(catalog{}, "qps");
    shown(3, 0, 0);
    EXPECT_GT(differing(start_en, 30, 254, 226, 423, 378), 500) << "the buttons' words";
    EXPECT_EQ(differing(start_en, 30, 20, 220, 200, 460), 0) << "the candle, which has none";
    std::filesystem::remove("data/words/qps/base/StartScreen.webp");
    shown(3, 0, 0);
    EXPECT_EQ(differing(start_en, 6), 0) << "English's words where the language has none";
    shown(7, 64, 48);
    EXPECT_GT(differing(options_en, 30, 64, 48, 576, 432), 500) << "the other images keep theirs";
    translate_use(catalog{}, "");
}

TEST_F(Screens, FullScreenDrawsThe2xArtOrWhereItCannotThe1xArt)
{
    to_start_screen();
    const std::vector<rgba8> window = last_frame;
    auto full_screen = [&](bool at_once) {  // its lower left 640 x 480
        key(SDLK_F11);
        if (at_once)
            sdl_loadimg(3, 1024, 512, "data/base/StartScreen.png");
        step();
        std::vector<rgba8> frame = last_frame;
        key(SDLK_F11);
        EXPECT_EQ(differing(window, 0), 0) << "the window as before";
        return frame;
    };
    auto differ = [](const std::vector<rgba8>& a, const std::vector<rgba8>& b) {
        return std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(), [](rgba8 p, rgba8 q) { return !near(p, q, 0); });
    };
    const std::string file = "data/base/StartScreen@2x.png", art = slurp(file.c_str());
    const std::vector<rgba8> art2x = full_screen(false);
    std::filesystem::remove(file);
    const std::vector<rgba8> art1x = full_screen(false);
    ASSERT_GT(differ(art2x, art1x), 640 * 480 / 10) << "the 2x art is no enlargement of the 1x art";
    std::ofstream(file, std::ios::binary) << art.substr(0, art.size() / 2);
    for (bool at_once : {false, true}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(differ(full_screen(at_once), art1x), 0) << "at once: " << at_once;
        EXPECT_NE(testing::internal::GetCapturedStderr().find(file + " could not be read: drawing"), std::string::npos);
    }
    std::ofstream(file, std::ios::binary) << art;
    for (auto [limit, expected] : {std::pair{2047, &art1x}, {2048, &art2x}}) {
        max_texture_size_stub = limit;
        testing::internal::CaptureStdout();
        EXPECT_EQ(differ(full_screen(false), *expected), 0) << limit;
        EXPECT_EQ(testing::internal::GetCapturedStdout().find("OpenGL holds textures of 2047 pixels") == 0, limit == 2047);
    }
}

// The knobs show the volumes; a release on a track or a drag (only x counts)
// sets its slider and the mixer; Escape keeps the volume but writes nothing;
// Back writes the file, which the next start reads back.
TEST_F(Screens, OptionsSetTheVolumesAndBackSavesThem)
{
    to_start_screen();
    click(300, 320);
    EXPECT_NEAR(knob(188), 483, 1);
    EXPECT_NEAR(knob(270), 429.5, 1);
    click(376, 188);
    EXPECT_FLOAT_EQ(soundSFX, 0.5f);
    EXPECT_EQ(Mix_Volume(0, -1), 64);
    click(376, 208);  // below the band of the 38-pixel knob
    click(484, 188);  // beyond the track
    EXPECT_FLOAT_EQ(soundSFX, 0.5f);
    push_button(420, 251, SDL_MOUSEBUTTONDOWN);  // the music knob's corner
    push_motion(100, 20);
    step();
    EXPECT_FLOAT_EQ(soundMusic, 0.0f);
    push_motion(600, 470);
    step();
    EXPECT_NEAR(knob(270), 483, 1);
    push_motion(300, 10);
    push_button(300, 450, SDL_MOUSEBUTTONUP);
    push_motion(500, 270);
    step();
    EXPECT_FLOAT_EQ(soundMusic, 31.0f / 214) << "let go: motion moves nothing";
    EXPECT_EQ(Mix_VolumeMusic(-1), 18);
    EXPECT_FLOAT_EQ(soundSFX, 0.5f) << "the other slider stays";
    click(376, 270);
    EXPECT_FLOAT_EQ(soundMusic, 0.5f) << "a release on the music track";
    push_button(376, 188, SDL_MOUSEBUTTONDOWN);  // the effects knob, held as Escape closes the panel
    push_motion(300, 188);
    step();
    EXPECT_FLOAT_EQ(soundSFX, 31.0f / 214);
    key(SDLK_ESCAPE);
    EXPECT_FALSE(std::ifstream(SETTINGS_FILE).good()) << "Escape writes nothing";
    click(300, 320);
    click(383, 188);  // 0.5327
    click(357, 416);  // Back, at its corner
    EXPECT_EQ(slurp(SETTINGS_FILE), "0.53\n0.50\n");
    EXPECT_LT(differs(menu_ref), 0.001);
    // By keys: Left and Right move the highlighted slider a twentieth (the
    // effects slider first; held, they repeat: Pads below), Down goes on to
    // the music, the language and Back, and Space presses it.
    click(300, 320);
    key(SDLK_LEFT);
    key(SDLK_DOWN), key(SDLK_RIGHT), key(SDLK_RIGHT);
    EXPECT_NEAR(soundSFX, 0.4827f, 1e-4);
    EXPECT_FLOAT_EQ(soundMusic, 0.6f);
    key(SDLK_DOWN);
    push_key(SDLK_DOWN);  // held, the highlight goes on once only, to Back
    for (int i = 0; i < 20; i++)
        step(50);
    key(SDLK_SPACE);
    EXPECT_EQ(slurp(SETTINGS_FILE), "0.48\n0.60\n");
    EXPECT_LT(differs(menu_ref), 0.001);

    // A second start reads it, and a hand-edited file is applied, drawn and
    // hit within 0..1 and saved as read.
    std::ofstream(SETTINGS_FILE) << "2.5\nnan\n0\n-1\n";
    main_exit();
    ASSERT_EQ(main_start(), 0);
    EXPECT_EQ(randomize_board, -1);
    EXPECT_EQ(Mix_Volume(0, -1), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    to_start_screen();
    click(300, 320);
    screenshot("options_clamped");
    EXPECT_NEAR(knob(188), 483, 1);
    EXPECT_NEAR(knob(270), 269, 1);
    push_button(270, 270, SDL_MOUSEBUTTONDOWN);
    push_motion(376, 270);
    step();
    click(320, 400);
    EXPECT_EQ(slurp(SETTINGS_FILE), "2.50\n0.50\n0\n-1\n");
}

// Right held on the options panel, where every Right, a repeat too, clicks:
// a source's release ends only its own repeat, and a pad that stops reporting
// with Right held repeats it for a few seconds only.
class Pads : public Screens {};

TEST_F(Pads, EachSourcesReleaseEndsOnlyItsOwnRepeat)
{
    to_start_screen();
    click(300, 320);
    auto clicks = [&](Uint32 ms) {
        sound_spy_clear();
        for (Uint32 t = 0; t < ms; t += 100)
            step(100);
        return std::count(sound_spy.effects.begin(), sound_spy.effects.end(), SFX_CLICK);
    };
    using source = std::function<void(bool)>;  // Right pressed (true) or let go
    const source keyboard = [&](bool d) { push_key(SDLK_RIGHT, d ? SDL_KEYDOWN : SDL_KEYUP); },
                 stick = [&](bool d) { push_axis(0, d ? 32767 : 0); },
                 hat = [&](bool d) { push_hat(d ? SDL_HAT_RIGHT : SDL_HAT_CENTERED); },
                 pad1 = [&](bool d) { push_hat(d ? SDL_HAT_RIGHT : SDL_HAT_CENTERED, 1); };
    int n = 0;  // held on one, pressed and let go on another: the first repeats on
    for (auto [held, other] : {std::pair{keyboard, stick}, {pad1, keyboard}, {stick, pad1}, {hat, stick}}) {
        SCOPED_TRACE(n++);
        held(true), step();
        other(true), other(false), step();
        EXPECT_GT(clicks(1000), 0);
        held(false), step();
        EXPECT_EQ(clicks(600), 0) << "let go";
    }
    hat(true), step();
    clicks(3500);
    EXPECT_GT(clicks(1000), 0) << "held for 4.5 s";
    clicks(500);
    EXPECT_EQ(clicks(1500), 0) << "past 5 s";
    hat(false), hat(true);
    EXPECT_EQ(clicks(100), 1) << "pressed again";
}

class ScreensWithoutSoundFiles : public EngineTest {
protected:
    std::vector<std::string> left_out() const override { return {"sounds/Effect2.wav", "sounds/Music1.ogg"}; }
};

// Effects and music fill their slots only; a missing file leaves its slot
// silent; ids outside the slots play nothing.
TEST_F(ScreensWithoutSoundFiles, MissingSoundsAreSilent)
{
    for (int i = 0; i < SOUND_SLOTS; i++) {
        EXPECT_EQ(SOUNDS[i] != nullptr, i == 1 || i == 3 || i == 4) << "effect slot " << i;
        EXPECT_EQ(MUSIC[i] != nullptr, i == 2) << "music slot " << i;
    }
    for (int id : {0, 2, 5, 10, -1, 100000})
        play_sound(id);
    EXPECT_EQ(Mix_Playing(-1), 0);
    play_sound(SFX_SWAP);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

// The game speaks the language its environment asks for where a catalog is
// found (the pseudo-language, every word changed), English where none is;
// a language chosen on the options panel speaks from the next screen on
// and is there again after a restart. "de" here holds the pseudo-language's
// words, so that a change is seen.
class Languages : public Screens {
protected:
    void SetUp() override
    {
        const std::filesystem::path mo = std::filesystem::path(CRYPT_BUILD_DIR) / "locale/qps/LC_MESSAGES/cryptsliders.mo";
        for (const char* code : {"qps", "de"}) {
            std::filesystem::create_directories(locale / code / "LC_MESSAGES");
            std::filesystem::copy_file(mo, locale / code / "LC_MESSAGES/cryptsliders.mo");
        }
        setenv("CRYPTSLIDERS_LOCALEDIR", locale.c_str(), 1);
        setenv("LANG", "en_GB.UTF-8", 1);
        setenv("LANGUAGE", "qps", 1);
        Screens::SetUp();
    }
    void TearDown() override
    {
        Screens::TearDown();
        for (const char* name : {"CRYPTSLIDERS_LOCALEDIR", "LANG", "LANGUAGE"})
            unsetenv(name);
        std::filesystem::remove_all(locale);
    }
    const std::filesystem::path locale = std::filesystem::temp_directory_path() / ("cryptsliders-locale-" + std::to_string(getpid()));
};

TEST_F(Languages, TheEnvironmentsOrThePlayersChoiceSpeaksAndIsKept)
{
    EXPECT_EQ(translate_language(), "qps");
    const std::string english = "Help screen (1/";
    EXPECT_EQ(std::string(help_caption()).find(english), std::string::npos) << help_caption();
    main_exit();
    unsetenv("LANGUAGE");
    ASSERT_EQ(main_start(), 0);
    EXPECT_EQ(std::string(help_caption()).find(english), 0u) << "en_GB has no catalog: English";
    to_start_screen();
    click(338, 280);  // the "Your pictures" panel, its words in English
    const std::vector<rgba8> before = last_frame;
    key(SDLK_ESCAPE);

    // System's, English, Deutsch: the right arrow twice, then Back. A text
    // standing from before (a level's title in a paused game) is made anew.
    font_s standing{};
    font_say(&standing, FONT1, "Press a key or button to continue ...", SDL_Color{});
    click(300, 320);
    click(475, 353), click(475, 353);
    EXPECT_EQ(translate_language(), "") << "not before the panel closes";
    click(320, 405);
    EXPECT_EQ(translate_language(), "de");
    EXPECT_STREQ(standing.text.c_str(), tr("Press a key or button to continue ..."));
    EXPECT_STRNE(standing.text.c_str(), "Press a key or button to continue ...");
    font_free(&standing);
    click(338, 280);
    EXPECT_GT(differs(before), 0.005) << "the panel's words changed";
    key(SDLK_ESCAPE);
    EXPECT_EQ(slurp(SETTINGS_FILE), "1.00\n0.75\n0\n0\n0\nde\n");
    main_exit();
    ASSERT_EQ(main_start(), 0);
    EXPECT_EQ(translate_language(), "de") << "kept after a restart";
    EXPECT_EQ(std::string(help_caption()).find(english), std::string::npos) << help_caption();
}
