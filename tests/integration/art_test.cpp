// art_test.cpp -- every fixed image drawn by the game's renderer where its screen places it, with sample texts
//
// Each scene is saved to build/screenshots/art_*.png to be looked at. The
// checks are the ones a player would notice: texts landing on the plates,
// slots and bands drawn for them, the knob on its track, the prompt band free.
#include "engine_fixture.h"

#include <functional>

#include "common.h"
#include "main.h"

namespace {
const ot_rgba DIM{127, 127, 127, 255};
const SDL_Color WHITE{255, 255, 255, 0}, BLACK{0, 0, 0, 0};
const SDL_Color YELLOW{0, 255, 255, 0};  // red and blue trade places on upload

constexpr int OWL = 1, BOARD = 2, START = 3, LOSE = 4, WIN = 5, CONTINUE = 6, OPTIONS = 7, KNOB = 8, FRAME = 9,
              MENU = 30, COVER = 31, SUCCESS = 32, FAIL = 33, GAME_WON = 34, TIMES_UP = 35, HELP_FRAME = 20;
constexpr int SAMPLE_TILE = 101;  // a 6 x 6 picture cut from the logo, 33-pixel cells

struct Box {
    int x0 = 640, y0 = 480, x1 = -1, y1 = -1;
    bool empty() const { return x1 < 0; }
    bool inside(int ax0, int ay0, int ax1, int ay1) const { return !empty() && x0 >= ax0 && y0 >= ay0 && x1 <= ax1 && y1 <= ay1; }
};
std::ostream& operator<<(std::ostream& os, const Box& b)
{
    return os << "(" << b.x0 << ", " << b.y0 << ") to (" << b.x1 << ", " << b.y1 << ")";
}
}  // namespace

class Art : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        for (int r = 0; r < 6; r++)
            for (int c = 0; c < 6; c++)
                ot_build_tile(SAMPLE_TILE + r * 6 + c, OWL, 221.0f + 33 * c, 40.0f + 33 * r, 33, 33);
    }
    void TearDown() override
    {
        for (font_s* f : {&a_, &b_})
            font_free(f);
        EngineTest::TearDown();
    }
    // The text centred on (cx, cy) as the game centres its texts.
    static void centred(font_s* f, int cx, int cy) { font_display(f, cx - f->tw / 2, cy - f->th / 2); }

    // A sample board: the owl picture, two of its tiles exchanged and one
    // turned, plus stray tiles.
    static void sample_board()
    {
        for (int i = 0; i < 9; i++)
            for (int j = 0; j < 9; j++) {
                int id = 0, dir = 1;
                if (i >= 1 && i <= 6 && j >= 2 && j <= 7)
                    id = SAMPLE_TILE + (i - 1) * 6 + (j - 2);
                else if ((i * 7 + j * 3) % 4 == 0)
                    id = SAMPLE_TILE + (i * 5 + j) % 36, dir = (i + j) % 4;
                if (i == 2 && j == 4)
                    id = SAMPLE_TILE + 5 * 6 + 1;
                else if (i == 6 && j == 3)
                    id = SAMPLE_TILE + 1 * 6 + 2;
                if (i == 3 && j == 6)
                    dir = 2;
                if (id)
                    ot_blit_rotate(static_cast<Uint32>(id), 79 + 33 * j, 104 + 33 * i, nullptr, 90.0f * dir, 0);
            }
    }
    static void dimmed_game()
    {
        ot_blit(BOARD, 0, 0, &DIM);
        ot_blit_trans(COVER, 46, 58, &DIM);
    }
    // Draws the scene without and then with its texts; the box of the pixels
    // the texts changed.
    Box text_box(const std::function<void()>& scene, const std::function<void()>& texts)
    {
        draw(scene);
        std::vector<rgba8> before = last_frame;
        draw([&] {
            scene();
            texts();
        });
        Box b;
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 640; x++) {
                rgba8 p = before[static_cast<size_t>(y * 640 + x)], q = pixel(x, y);
                if (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) < 40)
                    continue;
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
            }
        return b;
    }
    bool brassy(int x, int y) const
    {
        rgba8 p = pixel(x, y);
        return p.r > 110 && p.r > p.b + 50;
    }
    font_s a_{}, b_{};
};

TEST_F(Art, LogoAndStartScreen)
{
    draw([] { ot_blit(OWL, 0, 0, nullptr); });
    screenshot("art_logo");
    EXPECT_TRUE(brassy(320, 150)) << "the owl stands in the middle";
    draw([] { ot_blit(START, 0, 0, nullptr); });
    screenshot("art_start");
    for (int y : {249, 295, 343})
        EXPECT_TRUE(brassy(300, y)) << "a brass button at y " << y;
}

TEST_F(Art, PasswordPanelAndOptions)
{
    font_make(&a_, FONT3, "sarcophagus", WHITE);
    font_make(&b_, FONT3, "_", WHITE);
    auto panel = [] {
        ot_blit(START, 0, 0, &DIM);
        ot_blit(CONTINUE, 64, 48, nullptr);
    };
    Box typed = text_box(panel, [&] {
        const int x = (640 - a_.tw - b_.tw) / 2, y = 287 - b_.th / 2;
        font_display(&a_, x, y);
        font_display(&b_, x + a_.tw, y);
    });
    screenshot("art_password");
    EXPECT_TRUE(typed.inside(155, 257, 485, 317)) << "typed password " << typed << " leaves its field";

    draw([] {
        ot_blit(START, 0, 0, &DIM);
        ot_blit(OPTIONS, 64, 48, nullptr);
        const float w = ot_tiles[KNOB].width, h = ot_tiles[KNOB].height;
        ot_blit_trans(KNOB, 269 + 214 * 1.0f - w / 2, 188 - h / 2, nullptr);
        ot_blit_trans(KNOB, 269 + 214 * 0.75f - w / 2, 270 - h / 2, nullptr);
    });
    screenshot("art_options");
    EXPECT_TRUE(brassy(483, 180)) << "effects knob at full volume";
    EXPECT_TRUE(brassy(429, 262)) << "music knob at three quarters";
}

TEST_F(Art, GameBoardWithTilesNameAndClock)
{
    font_make(&a_, FONT1, "The Owl's Vigil", BLACK);
    font_make(&b_, FONT1, "2:05", YELLOW);
    auto scene = [] {
        ot_blit(BOARD, 0, 0, nullptr);
        sample_board();
    };
    Box name = text_box(scene, [&] { centred(&a_, 320, 20); });
    EXPECT_TRUE(name.inside(174, 8, 466, 33)) << "level name " << name << " off its plate";
    Box clock = text_box(scene, [&] {
        centred(&a_, 320, 20);
        centred(&b_, 483, 105);
    });
    screenshot("art_board");
    Box clock_only = text_box(
        [&] {
            scene();
            centred(&a_, 320, 20);
        },
        [&] { centred(&b_, 483, 105); });
    EXPECT_TRUE(clock_only.inside(428, 86, 538, 124)) << "clock " << clock_only << " off its plaque";
    EXPECT_FALSE(clock.empty());
}

TEST_F(Art, MenuLoseWinAndGameWonPanels)
{
    draw([] {
        dimmed_game();
        ot_blit(MENU, 164, 69, nullptr);
    });
    screenshot("art_menu");
    draw([] {
        dimmed_game();
        ot_blit(LOSE, 64, 48, nullptr);
    });
    screenshot("art_lose");
    font_make(&a_, FONT3, "catacomb", YELLOW);
    Box pw = text_box(
        [] {
            dimmed_game();
            ot_blit(WIN, 64, 48, nullptr);
        },
        [&] { centred(&a_, 320, 303); });
    screenshot("art_win");
    EXPECT_TRUE(pw.inside(120, 272, 520, 334)) << "password " << pw << " off its slot";
    draw([] {
        dimmed_game();
        ot_blit(GAME_WON, 64, 48, nullptr);
    });
    screenshot("art_game_won");
}

TEST_F(Art, BannersOverTheBoard)
{
    const struct {
        int id;
        const char* name;
    } banners[] = {{SUCCESS, "art_banner_success"}, {FAIL, "art_banner_fail"}, {TIMES_UP, "art_banner_times_up"}};
    for (const auto& b : banners) {
        const float w = ot_tiles[b.id].width, h = ot_tiles[b.id].height;
        draw([&] {
            ot_blit(BOARD, 0, 0, nullptr);
            sample_board();
            ot_blit_trans_scale(static_cast<Uint32>(b.id), (640 - w) * 0.5f, (480 - h) * 0.5f, 1.0f);
        });
        screenshot(b.name);
        EXPECT_TRUE(brassy(static_cast<int>(320 - w / 2 + 7), 240)) << b.name << ": brass rim";
    }
}

TEST_F(Art, HelpPagesOverTheirFrame)
{
    for (int n = 1; n <= 5; n++) {
        char caption[32];
        snprintf(caption, sizeof caption, "Help screen (%i/5)", n);
        font_free(&a_);
        font_make(&a_, FONT2, caption, YELLOW);
        Box c = text_box(
            [n] {
                dimmed_game();
                ot_blit(HELP_FRAME, 64, 48, nullptr);
                ot_blit_trans(static_cast<Uint32>(HELP_FRAME + n), 64, 48, nullptr);
            },
            [&] { centred(&a_, 320, 372); });
        screenshot("art_help_" + std::to_string(n));
        EXPECT_TRUE(c.inside(196, 361, 444, 385)) << "caption " << c << " off its band on page " << n;
    }
}

TEST_F(Art, ClueFrameLeavesThePromptBandFree)
{
    font_make(&a_, FONT1, "Press any key to continue ...", YELLOW);
    // The start screen stands in for a level's clue image.
    draw([] { ot_blit(START, 0, 0, nullptr); });
    std::vector<rgba8> bare = last_frame;
    draw([&] {
        ot_blit(START, 0, 0, nullptr);
        ot_blit_trans(FRAME, 0, 0, nullptr);
    });
    int covered = 0;
    for (int y = 416; y <= 444; y++)
        for (int x = 100; x < 540; x++) {
            rgba8 p = bare[static_cast<size_t>(y * 640 + x)], q = pixel(x, y);
            covered += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 6;
        }
    EXPECT_EQ(covered, 0) << "the frame covers the prompt's band";
    EXPECT_TRUE(brassy(4, 240) || brassy(12, 240) || brassy(20, 240)) << "the frame shows at the edge";
    draw([&] {
        ot_blit(START, 0, 0, nullptr);
        ot_blit_trans(FRAME, 0, 0, nullptr);
        centred(&a_, 320, 430);
    });
    screenshot("art_clue_frame");
}
