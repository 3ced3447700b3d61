// random_player_test.cpp -- a careless player: a seeded stream of random keys,
// pad events, clicks, drags, turns, screen switches and lost focus through the real loop,
// from the logo to the closing images, with what must always hold checked
// after every event. A failure names the seed and the events up to it.
//   CRYPT_RANDOM_SEED=N CRYPT_RANDOM_EVENTS=M   another seed, or a longer run
// (one test per process, as ctest runs them: the modules' state outlives a test)
#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

#include "engine_fixture.h"
#include "rules/picture_set.h"
#include "rules/progress.h"
#include "rules/solver.h"

namespace {

// Where a player clicks: every button of every screen and panel, the first
// ones those that get the game on (the start screen's play and OK, which goes
// on from the furthest level won; the panels' close or continue, resume, back
// and retry).
const std::pair<int, int> BUTTONS[] = {{338, 241}, {319, 340}, {325, 405}, {318, 337}, {326, 405}, {263, 405},
                                       {316, 117}, {338, 281}, {338, 321}, {338, 361}, {321, 405}, {376, 188},
                                       {376, 270}, {624, 15},  {96, 458},  {546, 458}, {152, 368}, {492, 368},
                                       {396, 405}, {318, 137}, {318, 204}, {318, 270}, {162, 302}, {320, 302},
                                       {478, 302}, {266, 400}, {374, 400}};
const SDLKey KEYS[] = {SDLK_UP,     SDLK_DOWN,   SDLK_LEFT,     SDLK_RIGHT,    SDLK_SPACE,  SDLK_RETURN, SDLK_KP_ENTER,
                       SDLK_ESCAPE, SDLK_r,      SDLK_DELETE,   SDLK_c,        SDLK_h,      SDLK_F1,     SDLK_a,
                       SDLK_s,      SDLK_BACKSPACE, SDLK_TAB,   SDLK_LSHIFT,   SDLK_LALT,   SDLK_RCTRL,  SDLK_CAPSLOCK};
// Scenes in which the level's clock stands still.
const std::set<Uint8> CLOCK_STOPPED = {GM_HELP, GM_CLUE,     GM_MENU,        GM_OPTIONS,   GM_BANNER,      GM_LOSE,
                                       GM_WIN,  GM_WIN_NEXT, GM_WIN_FADE_IN, GM_WIN_IMAGE, GM_WIN_FADE_OUT};

int env_or(const char* name, int fallback)
{
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

// Only the player's events reach the game: the X server's own (the pointer
// where the window maps, focus and exposure after a screen switch) would make
// a run depend on timing. SDL_PushEvent still queues every kind.
void x_events_ignored()
{
    for (Uint8 type : {SDL_ACTIVEEVENT, SDL_KEYDOWN, SDL_KEYUP, SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP,
                       SDL_VIDEOEXPOSE, SDL_VIDEORESIZE})
        SDL_EventState(type, SDL_IGNORE);
}

// The events waiting in SDL's queue, in words, for the failure's story.
std::string queued()
{
    SDL_Event e[16];
    int n = SDL_PeepEvents(e, 16, SDL_PEEKEVENT, SDL_ALLEVENTS);
    std::string s;
    for (int i = 0; i < n; i++) {
        if (e[i].type == SDL_KEYDOWN || e[i].type == SDL_KEYUP)
            s += (e[i].type == SDL_KEYUP ? " up " : " key ") + std::string(SDL_GetKeyName(e[i].key.keysym.sym));
        else if (e[i].type == SDL_MOUSEBUTTONDOWN || e[i].type == SDL_MOUSEBUTTONUP)
            s += (e[i].type == SDL_MOUSEBUTTONUP ? " release " : " press ") + std::to_string(e[i].button.button) +
                 " at " + std::to_string(e[i].button.x) + "," + std::to_string(e[i].button.y);
        else if (e[i].type >= SDL_JOYAXISMOTION && e[i].type <= SDL_JOYBUTTONUP)
            s += " pad " + std::to_string(e[i].jbutton.which) + ": " + std::to_string(e[i].type) + " " +
                 std::to_string(e[i].jbutton.button) + " " +
                 std::to_string(e[i].type == SDL_JOYAXISMOTION ? e[i].jaxis.value : e[i].jhat.value);
        else
            s += " event " + std::to_string(e[i].type);
    }
    return s;
}

}  // namespace

class RandomPlayer : public GameTest {
protected:
    // Plays events from the seed until the first broken rule.
    void play(unsigned seed, int events)
    {
        rng_.seed(seed);
        x_events_ignored();
        screen_state last = {engineMode, GameMode};
        std::set<screen_state> visited;
        std::string story;
        for (int i = 0; i < events && !HasFailure(); i++) {
            const auto grid = Grid;
            const int loads = levels_loaded;
            const Uint32 remaining = GameTimeRemaining;
            const screen_state before = {engineMode, GameMode};
            keys_handed.clear();
            crossed_ = 0xf;
            const Uint32 ms = act(i / 40 % 2 == 1);  // careless and purposeful by turns
            story += std::to_string(i) + ":" + queued() + (ms ? " wait " + std::to_string(ms) : "") + "\n";
            fake_clock_advance(ms + static_cast<Uint32>(pick(80)));  // besides the loop's own 10 ms
            if (!main_turn()) {  // quit: the game starts again
                main_exit();
                ASSERT_EQ(main_start(), 0);
                cross_ = 0;
                x_events_ignored();
            }
            const screen_state now = {engineMode, GameMode};
            if (levels_loaded == loads && engineMode == MODE_GAME) {
                EXPECT_EQ(tiles(Grid), tiles(grid)) << "the board holds each of the level's tiles once";
                for (size_t c = 0; c < grid.size(); c++)
                    EXPECT_TRUE(!grid[c].locked || (Grid[c].locked && Grid[c].id == grid[c].id &&
                                                    Grid[c].direction == grid[c].direction))
                        << "locked cell " << c << " keeps its tile";
                EXPECT_TRUE(before.first != MODE_GAME || !CLOCK_STOPPED.count(before.second) ||
                            !CLOCK_STOPPED.count(GameMode) || (GamePaused && GameTimeRemaining == remaining))
                    << "the clock ran out of play";
            }
            EXPECT_TRUE(engineMode != MODE_GAME || GameMode != GM_PLAY || !GamePaused) << "the clock stands in play";
            int arrows = 0;  // an arrow the pad did not press counts twice
            for (const handed_key& k : keys_handed)
                arrows += k.button >= PAD_UP && !k.repeat ? 2 - (crossed_ >> (k.button - PAD_UP) & 1) : 0;
            EXPECT_LE(arrows, 1) << "a pad's press, however reported, gives one arrow, the pressed one";
            EXPECT_TRUE(now != last || presented_for == now) << "the screen shown is not the screen the game is in";
            if (GameMode == GM_BANNER && GameNextMode == GM_WIN_NEXT && before != now)
                won_.insert(picture_set_active() ? 0 : GameLevel);
            check_progress_file();
            last = now;
            visited.insert(now);
        }
        if (HasFailure())
            ADD_FAILURE() << "seed " << seed << " fails after these events:\n" << story;
        std::printf("random player: seed %u, %d events, %zu screens, levels won:", seed, events, visited.size());
        for (int level : won_)
            std::printf(" %d", level);
        std::printf("\n");
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    static int px(int c) { return cell_x(c % 9); }
    static int py(int c) { return cell_y(c / 9); }

    // One thing a careless player does, and how long they wait after it; now
    // and then (and always, when purposeful) one that gets the game on.
    Uint32 act(bool purposeful)
    {
        const int roll = purposeful ? pick(25) : pick(100);
        const bool playing = engineMode == MODE_GAME && GameMode == GM_PLAY && ShowingMatch == 0;
        if (roll < 25 && playing) {
            solver_step();
        } else if (roll < 25) {
            auto [x, y] = BUTTONS[engineMode == MODE_START ? pick(2) : 2 + pick(4)];
            if (engineMode != MODE_START && pick(2))
                push_key(SDLK_SPACE);
            else
                push_button(x, y, SDL_MOUSEBUTTONUP);
        } else if (roll < 47) {
            SDLKey k = KEYS[pick(sizeof KEYS / sizeof KEYS[0])];
            push_key(k);
            if (pick(4))  // else held: arrows repeat
                push_key(k, SDL_KEYUP);
        } else if (roll < 55) {  // a pad: pad 0's buttons or stick, pad 1's cross
            const int b = pick(15), kind = pick(4);
            const Uint8 axis = static_cast<Uint8>(pick(2));
            if (kind >= 2)
                cross_twice();
            else if (kind == 0)
                push_pad_button(b), pick(4) ? push_pad_button(b, SDL_JOYBUTTONUP) : void();
            else
                push_axis(axis, pick(65536) - 32768), pick(4) ? push_axis(axis, 0) : void();
        } else if (roll < 70) {
            auto [x, y] = BUTTONS[pick(sizeof BUTTONS / sizeof BUTTONS[0])];
            push_button(x, y, SDL_MOUSEBUTTONDOWN, static_cast<Uint8>(1 + pick(3)));
            push_button(x, y, SDL_MOUSEBUTTONUP, static_cast<Uint8>(1 + pick(3)));
        } else if (roll < 80) {
            int from = pick(BOARD_CELLS), to = pick(BOARD_CELLS);
            push_button(px(from), py(from), SDL_MOUSEBUTTONDOWN, static_cast<Uint8>(1 + 2 * pick(2)));
            push_motion(px(to), py(to));
            if (pick(5))  // else left held
                push_button(px(to), py(to), SDL_MOUSEBUTTONUP, static_cast<Uint8>(1 + 2 * pick(2)));
        } else if (roll < 85) {
            push_motion(pick(640), pick(480));
        } else if (roll < 87) {
            const Uint8 states[] = {SDL_APPINPUTFOCUS, SDL_APPACTIVE, SDL_APPMOUSEFOCUS};
            push_focus_lost(states[pick(3)]);
        } else if (roll < 89) {  // back to the game's window, where pads act again
            SDL_Event e{};
            e.active = {SDL_ACTIVEEVENT, 1, SDL_APPINPUTFOCUS | SDL_APPACTIVE};
            SDL_PushEvent(&e);
        } else if (roll == 89 && pick(5) == 0) {
            push_key(SDLK_F11);
        } else {
            return static_cast<Uint32>(100 + pick(3000));
        }
        return 0;
    }

    // Pad 1 gives its cross as buttons and as hat 0 at once, in either order,
    // as the Xbox 360 wireless receiver does: a direction or now and then a
    // diagonal, mostly let go at once, else held until the next.
    void cross_twice()
    {
        const int d = pick(4), e = pick(4) ? d : (d < 2 ? 2 : 0) + pick(2);  // e: a diagonal's other direction
        crossed_ = static_cast<Uint8>((1 << d | 1 << e) & ~cross_);
        cross_to(1 << d | 1 << e);
        if (pick(4))
            cross_to(0);
    }
    void cross_to(int now)  // the directions held, as bits from up (PAD_CROSS's order)
    {
        const Uint8 hat = static_cast<Uint8>((now & 1 ? SDL_HAT_UP : 0) | (now & 2 ? SDL_HAT_DOWN : 0) |
                                             (now & 4 ? SDL_HAT_LEFT : 0) | (now & 8 ? SDL_HAT_RIGHT : 0));
        auto buttons = [&] {
            for (size_t i = 0; i < 4; i++)
                if ((now ^ cross_) >> i & 1)
                    push_pad(now >> i & 1 ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP, PAD_CROSS[i], 0, 1);
        };
        pick(2) ? (buttons(), push_hat(hat, 1)) : (push_hat(hat, 1), buttons());
        cross_ = static_cast<Uint8>(now);
    }

    // The solver's next move on the board as it lies, made with the mouse.
    void solver_step()
    {
        auto grid = Grid;
        auto match = Match;
        auto fail = Fail;
        solver_result r = solve_board();
        Grid = grid, Match = match, Fail = fail;
        if (r.moves.empty())
            return;
        const solver_move& m = r.moves.front();
        const int to = m.kind == solver_move::TURN ? m.from : m.to;
        const Uint8 button = m.kind == solver_move::TURN ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
        push_button(px(m.from), py(m.from), SDL_MOUSEBUTTONDOWN, button);
        push_motion(px(to), py(to));
        push_button(px(to), py(to), SDL_MOUSEBUTTONUP, button);
    }

    static std::vector<Uint16> tiles(const std::array<gridtile, BOARD_CELLS>& grid)
    {
        std::vector<Uint16> ids;
        for (const gridtile& g : grid)
            ids.push_back(g.id);
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    // The progress file, when there is one, is as the game writes it and holds every win.
    void check_progress_file()
    {
        std::string text = slurp("CryptSLIDERS.sav");
        if (text.empty())
            return;
        std::FILE* f = fmemopen(text.data(), text.size(), "r");
        progress_values v = progress_read(f);
        std::fclose(f);
        char again[PROGRESS_TEXT_SIZE];
        progress_format(v, again, sizeof again);
        EXPECT_EQ(text, again) << "the progress file is whole";
        for (int level : won_) {
            EXPECT_TRUE(level == 0 ? v.set_count > 0 : v.best[static_cast<size_t>(level - 1)].set)
                << "level " << level << "'s win is kept";
        }
    }

    std::mt19937 rng_;
    Uint8 cross_ = 0;    // the directions pad 1's cross holds, as bits from up
    Uint8 crossed_ = 0;  // the arrows a pad may give in this turn: pad 1's, the ones it pressed
    std::set<int> won_;
};

// Small levels won or lost in a move or two, and a player who has won up to
// level 17 before, so that the last levels and the closing images are reached;
// in the player's picture folder a photo under two names and an animation.
class RandomPlayerSmallLevels : public RandomPlayer {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        setenv("HOME", std::filesystem::current_path().c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        const std::string folder = "Pictures/CryptSLIDERS/";
        std::filesystem::create_directories(folder);
        ASSERT_EQ(std::system(("cd " + folder + " && convert -size 90x60 plasma: a.png && convert a.png -flip b.png && img2webp a.png "
                               "b.png -o moving.webp >/dev/null 2>&1 && rm b.png && mv a.png IMG_1.png && cp IMG_1.png 'IMG_1 (1).png'").c_str()), 0);
        for (int level = 2; level <= LAST_LEVEL; level++)
            write_level(level, level % 3 ? "" : "rotate=1\n", 20);
        write_image("data/opening/opnseq1.png", {120, 60, 160, 255});
        write_image("data/closing/closingsq1.png", {200, 180, 120, 255});
        progress_values before;
        before.reached = 17;
        char text[PROGRESS_TEXT_SIZE];
        progress_format(before, text, sizeof text);
        write_text("CryptSLIDERS.sav", text);
        progress_load();
    }
};

class RandomPlayerShippedLevels : public RandomPlayer {
protected:
    std::vector<std::string> left_out() const override { return {}; }
    void SetUp() override { EngineTest::SetUp(); }
};

// Under the sanitizers, a third of the events.
#ifdef __SANITIZE_ADDRESS__
constexpr int EVENTS = 500;
#else
constexpr int EVENTS = 1500;
#endif

// The seeds are ones whose players get far: to the closing images, and through
// five shipped levels.
TEST_F(RandomPlayerSmallLevels, KeepsEveryRuleToTheClosingImages)
{
    play(static_cast<unsigned>(env_or("CRYPT_RANDOM_SEED", 6)), env_or("CRYPT_RANDOM_EVENTS", EVENTS));
}

TEST_F(RandomPlayerShippedLevels, KeepsEveryRule)
{
    play(static_cast<unsigned>(env_or("CRYPT_RANDOM_SEED", 3)), env_or("CRYPT_RANDOM_EVENTS", EVENTS));
}
