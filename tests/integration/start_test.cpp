// start_test.cpp -- the start screen: its menu, the password panel and the options over it
#include "engine_fixture.h"

#include <cstdlib>

#include "common.h"
#include "game/game.h"
#include "main.h"
#include "options.h"

namespace {

const ot_rgba DIM = {127, 127, 127, 255};

enum class shown { menu, panel, options, other };

// The start screen, entered as the logo hands over, with the clocks held.
class Start : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        engineMode = MODE_START;
        menu_ref = reference([] { ot_blit(3, 0, 0, nullptr); });
        panel_ref = reference([] {
            ot_blit(3, 0, 0, &DIM);
            ot_blit(6, 64, 48, nullptr);
        });
        frame();
    }

    std::vector<rgba8> reference(const std::function<void()>& blits)
    {
        draw(blits);
        return last_frame;
    }

    // A press and a release at one point (any button), then a frame.
    void click(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
    {
        push_button(x, y, SDL_MOUSEBUTTONDOWN, button);
        push_button(x, y, SDL_MOUSEBUTTONUP, button);
        main_events();
        frame();
    }
    void key(SDLKey k)
    {
        push_key(k);
        main_events();
        frame();
    }
    void type(const char* text)
    {
        for (const char* c = text; *c; c++)
            push_key(static_cast<SDLKey>(*c));
        main_events();
        frame();
    }

    // Share of pixels away from the password line that differ from ref.
    double difference(const std::vector<rgba8>& ref) const
    {
        int differ = 0, total = 0;
        for (int y = 0; y < 480; y += 4)
            for (int x = 0; x < 640; x += 4) {
                if (y >= 240 && y <= 335)
                    continue;
                total++;
                if (!near(last_frame[static_cast<size_t>(y * 640 + x)], ref[static_cast<size_t>(y * 640 + x)], 6))
                    differ++;
            }
        return static_cast<double>(differ) / total;
    }

    // Which sub-screen the last frame shows, judged against the images themselves.
    shown screen()
    {
        std::vector<rgba8> frame_pixels = last_frame;
        std::vector<rgba8> options_ref = reference([] {
            ot_blit(3, 0, 0, &DIM);
            OptionsDisplay();
        });
        last_frame = frame_pixels;
        if (difference(menu_ref) < 0.001)
            return shown::menu;
        if (difference(panel_ref) < 0.001)
            return shown::panel;
        if (difference(options_ref) < 0.001)
            return shown::options;
        return shown::other;
    }

    // The bounding box of what the panel shows beyond its image around the
    // password line: the typed text and the cursor.
    struct box {
        int x0 = 640, x1 = -1, y0 = 480, y1 = -1;
        bool empty() const { return x1 < 0; }
        int width() const { return x1 - x0 + 1; }
        int centre_x() const { return (x0 + x1) / 2; }
    };
    box line() const
    {
        box b;
        for (int y = 230; y < 345; y++)
            for (int x = 0; x < 640; x++) {
                size_t i = static_cast<size_t>(y * 640 + x);
                if (near(last_frame[i], panel_ref[i], 40))
                    continue;
                b.x0 = std::min(b.x0, x);
                b.x1 = std::max(b.x1, x);
                b.y0 = std::min(b.y0, y);
                b.y1 = std::max(b.y1, y);
            }
        return b;
    }

    // Opens the panel from the menu; its first frame shows the cursor.
    void open_panel()
    {
        click(300, 250);
        ASSERT_EQ(screen(), shown::panel);
    }

    std::vector<rgba8> menu_ref, panel_ref;
};

TEST_F(Start, MenuShowsTheStartScreen)
{
    EXPECT_EQ(screen(), shown::menu);
    screenshot("start_menu");
}

// The menu's buttons, each at its far corner and one pixel beyond it.
TEST_F(Start, MenuButtonsActOnReleaseWithTheirEdgesIncluded)
{
    click(423, 267);
    click(422, 268);
    click(253, 232);
    EXPECT_EQ(screen(), shown::menu);
    Mix_HaltChannel(-1);
    click(422, 267, SDL_BUTTON_RIGHT);
    EXPECT_EQ(screen(), shown::panel);
    EXPECT_EQ(Mix_Playing(-1), 1) << "the button clicks";

    key(SDLK_ESCAPE);
    click(254, 279, SDL_BUTTON_MIDDLE);
    EXPECT_EQ(screen(), shown::options);
    key(SDLK_ESCAPE);
    EXPECT_EQ(screen(), shown::menu);

    click(422, 313);
    click(254, 325);
    EXPECT_EQ(engineDone, 0);
    click(422, 360);
    EXPECT_EQ(engineDone, 1) << "quit";
}

TEST_F(Start, PressAndReleaseInDifferentPlaces)
{
    push_button(300, 250, SDL_MOUSEBUTTONDOWN);
    push_button(100, 100, SDL_MOUSEBUTTONUP);
    main_events();
    frame();
    EXPECT_EQ(screen(), shown::menu) << "pressed on play, released elsewhere";
    push_button(100, 100, SDL_MOUSEBUTTONDOWN);
    push_button(300, 250, SDL_MOUSEBUTTONUP);
    main_events();
    frame();
    EXPECT_EQ(screen(), shown::panel) << "pressed elsewhere, released on play";
}

TEST_F(Start, EscapeInTheMenuQuits)
{
    key(SDLK_a);
    EXPECT_EQ(engineDone, 0);
    key(SDLK_ESCAPE);
    EXPECT_EQ(engineDone, 1);
}

TEST_F(Start, CursorBlinksAndTheLineIsCentred)
{
    open_panel();
    box cursor = line();
    ASSERT_FALSE(cursor.empty()) << "the cursor shows from the first frame";
    EXPECT_NEAR(cursor.centre_x(), 320, 2);
    frames(1, 500);
    EXPECT_FALSE(line().empty()) << "500 ms is not more than 500 ms";
    frames(1, 1);
    EXPECT_TRUE(line().empty()) << "the cursor hides after more than 500 ms";
    frames(1, 501);
    EXPECT_FALSE(line().empty());

    type("owl");
    box typed = line();
    screenshot("start_password_typed");
    EXPECT_GT(typed.width(), cursor.width() * 2);
    EXPECT_NEAR(typed.centre_x(), 320, 2) << "text and cursor centred together";
    EXPECT_NEAR((typed.y0 + typed.y1) / 2, 287, 12);
}

TEST_F(Start, BackspaceCutsTheLastCharacter)
{
    open_panel();
    key(SDLK_BACKSPACE);
    box empty = line();
    type("ab");
    box two = line();
    type("c");
    key(SDLK_BACKSPACE);
    EXPECT_EQ(line().width(), two.width()) << "with three letters typed, Backspace leaves two";
    key(SDLK_BACKSPACE);
    key(SDLK_BACKSPACE);
    key(SDLK_BACKSPACE);
    EXPECT_EQ(line().width(), empty.width()) << "Backspace on an empty line leaves it empty";
}

// Only letters and space type; Shift changes nothing, as the key code is lowercase.
TEST_F(Start, OnlyLowercaseLettersAndSpaceType)
{
    open_panel();
    box empty = line();
    for (SDLKey k : {SDLK_1, SDLK_PERIOD, SDLK_KP5, SDLK_UP, SDLK_F1, SDLK_TAB, SDLK_LSHIFT})
        key(k);
    EXPECT_EQ(line().width(), empty.width());
    key(SDLK_SPACE);
    EXPECT_GT(line().x0, empty.x0) << "a space moves the cursor along";
    key(SDLK_BACKSPACE);
    // The typed "owlet" with digits, a Shift and punctuation between is still owlet.
    push_key(SDLK_LSHIFT);
    type("o1w.l");
    push_key(SDLK_KP_ENTER);
    type("et");
    Mix_HaltChannel(-1);
    key(SDLK_RETURN);
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 2) << "level 1's password starts level 2";
}

TEST_F(Start, LineStopsAt290Pixels)
{
    open_panel();
    type("wwwwwwwwwwwwwwwwwwwwwwwwwwwwww");
    box full = line();
    EXPECT_LE(full.width(), 290);
    EXPECT_GT(full.width(), 200);
    type("w");
    EXPECT_EQ(line().width(), full.width()) << "a wider line is dropped";
    type("i");
    EXPECT_GE(line().width(), full.width()) << "a narrower letter may still fit";
    EXPECT_LE(line().width(), 290);
}

TEST_F(Start, AcceptedPasswordStartsItsLevelWithTheGameMusic)
{
    open_panel();
    type("lantern");
    Mix_HaltChannel(-1);
    key(SDLK_RETURN);
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 3);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    engineMode = MODE_START;  // as the game returns
    frame();
    EXPECT_EQ(screen(), shown::menu) << "back to the menu, not the panel";
}

TEST_F(Start, OkButtonTriesThePasswordAtItsEdges)
{
    open_panel();
    type("OWLET");  // codes of capitals (SDL sends none for letter keys) type nothing
    type("owlet");
    click(274, 340);
    click(364, 340);
    click(300, 323);
    click(300, 357);
    EXPECT_EQ(engineMode, MODE_START);
    click(363, 356);
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameLevel, 2);
}

TEST_F(Start, WrongPasswordChangesNothing)
{
    open_panel();
    click(320, 340);  // OK with nothing typed
    type("owle");
    box typed = line();
    Mix_HaltChannel(-1);
    key(SDLK_RETURN);
    click(320, 340);
    EXPECT_EQ(engineMode, MODE_START);
    EXPECT_EQ(Mix_Playing(-1), 0) << "no sound";
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(screen(), shown::panel);
    EXPECT_EQ(line().width(), typed.width()) << "the input stays";
}

TEST_F(Start, NewGameLeavesTheMusicToTheGame)
{
    open_panel();
    click(181, 120);
    click(452, 120);
    EXPECT_EQ(engineMode, MODE_START);
    Mix_HaltChannel(-1);
    GameLevel = 7;
    Mix_HaltMusic();
    push_button(182, 95, SDL_MOUSEBUTTONUP);
    main_events();
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_EQ(GameMode, 20) << "the opening images, then level 1";
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "the game's first frame starts its music";
    engineMode = MODE_START;
    frame();
    EXPECT_EQ(screen(), shown::menu);
}

TEST_F(Start, PanelClosesByBackOrEscapeAndOpensEmpty)
{
    open_panel();
    box empty = line();
    type("abc");
    Mix_HaltChannel(-1);
    key(SDLK_ESCAPE);
    EXPECT_EQ(screen(), shown::menu);
    EXPECT_EQ(Mix_Playing(-1), 0) << "Escape is silent";
    EXPECT_EQ(engineDone, 0);
    open_panel();
    EXPECT_EQ(line().width(), empty.width()) << "the input is cleared as the panel opens";
    type("abc");
    click(291, 400);
    click(351, 400);
    EXPECT_EQ(screen(), shown::panel);
    Mix_HaltChannel(-1);
    click(350, 416);
    EXPECT_EQ(screen(), shown::menu);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

}  // namespace
