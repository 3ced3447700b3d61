// levels_test.cpp -- the shipped levels: each tile drawn as its own cell, the
// whole game played from a new game to the closing images, damaged data files
#include <fstream>
#include <sstream>

#include "engine_fixture.h"
#include "game/level.h"

namespace fs = std::filesystem;

using ShippedLevels = EngineTest;

// Mean difference per channel between board cell (bx, by) on screen and cell
// (c, r) of a picture, at the best of four turns and of the placements a pixel
// either way (a turned tile may land a pixel off); the rim is left out.
static double cell_difference(const std::vector<rgba8>& frame, int bx, int by, const std::vector<rgba8>& pic, int pw, int c, int r)
{
    double best = 1e9;
    for (int shift = 0; shift < 9; shift++)
        for (int turns = 0; turns < 4; turns++) {
            double sum = 0;
            for (int y = 2; y < 31; y++)
                for (int x = 2; x < 31; x++) {
                    int sx = x, sy = y;
                    for (int t = 0; t < turns; t++)
                        std::tie(sx, sy) = std::pair{sy, 32 - sx};
                    rgba8 s = frame[static_cast<size_t>((BOARD_TOP + 33 * by + y + shift / 3 - 1) * 640 + BOARD_LEFT + 33 * bx + x + shift % 3 - 1)];
                    rgba8 v = pic[static_cast<size_t>((r * 33 + sy) * pw + c * 33 + sx)];
                    sum += std::abs(s.r - v.r) + std::abs(s.g - v.g) + std::abs(s.b - v.b);
                }
            best = std::min(best, sum / (29.0 * 29.0 * 3.0));
        }
    return best;
}

// Every tile on a shuffled board shows its own cell of its picture file, cut
// at 33 pixels, whichever way it lies; square and other pictures alike.
TEST_F(ShippedLevels, ShuffledBoardsShowEachTileAsItsPictureCell)
{
    for (int level : {1, 9, 15, 20}) {
        SCOPED_TRACE(level);
        GameLevel = static_cast<Uint8>(level);
        ASSERT_EQ(level_load(), 1);
        draw([] { DisplayGameScreen(nullptr); });
        screenshot("level" + std::to_string(level) + "_shuffled");
        int tiles = 0;
        for (int c = 0; c < BOARD_CELLS; c++) {
            const gridtile& g = Grid[static_cast<size_t>(c)];
            if (g.id == 0)
                continue;
            const int n = g.id / 100, k = g.id % 100 - 1;
            const pictures& p = Pictures[static_cast<size_t>(n - 1)];
            int w = 0, h = 0;
            const std::vector<rgba8> pic = read_png("data/level" + std::to_string(level) + "/" + p.filename, &w, &h);
            ASSERT_EQ(w, 33 * p.w) << p.filename;
            const double own = cell_difference(last_frame, c % 9, c / 9, pic, w, k % p.w, k / p.w);
            EXPECT_LT(own, 20.0) << "tile " << g.id << " at cell " << c;
            for (int other = 0; other < p.w * p.h; other++)
                if (other != k) {
                    EXPECT_LT(own, cell_difference(last_frame, c % 9, c / 9, pic, w, other % p.w, other / p.w))
                        << "tile " << g.id << " looks like cell " << other;
                }
            tiles++;
        }
        EXPECT_GT(tiles, 3);
    }
}

// The shipped game as it is, shuffles included.
class Playthrough : public GameTest {
protected:
    std::vector<std::string> left_out() const override { return {}; }
    void SetUp() override { EngineTest::SetUp(); }

    // Steps on, answering every image that waits for the player, until the
    // state is one of the wanted ones or the start screen shows. The first clue
    // of each level, faded in, is saved (tools/docshots.sh takes the README's
    // pictures from these).
    void advance_to(std::initializer_list<Uint8> wanted)
    {
        for (int i = 0; i < 3000 && engineMode == MODE_GAME; i++) {
            if (std::find(wanted.begin(), wanted.end(), GameMode) != wanted.end())
                return;
            if (GameMode == GM_CLUE && clue_shot_ != GameLevel) {
                clue_shot_ = GameLevel;
                for (int k = 0; k < 10; k++)
                    step(60);
                screenshot("playthrough_clue_level" + std::to_string(GameLevel));
            }
            if (GameMode == GM_CLUE || GameMode == GM_SCREEN || GameMode == GM_WIN_IMAGE ||
                GameMode == GM_SEQ_IMAGE || GameMode == GM_HELP)
                press(SDLK_SPACE);
            step(50);
        }
    }
    int clue_shot_ = 0;
};

// Under the sanitizers the journey plays levels 1, 2, 18, 19 and 20 (a new
// game, the three ways of playing, a level to the next and the closing
// images), which is all it checks of memory; the plain build plays all
// twenty, which checks the shipped data.
#ifdef __SANITIZE_ADDRESS__
constexpr int SLICE_FROM = 2, SLICE_TO = 18;
#else
constexpr int SLICE_FROM = 0, SLICE_TO = 0;
#endif

// The whole game through the real handlers, each level won by the solver's
// moves, made in turn with keys alone, a pad alone and the mouse; each win
// screen shows the password the list stores for its level.
TEST_F(Playthrough, NewGameThroughAllTwentyLevelsToTheClosingImages)
{
    game_new();
    for (int level = 1; level <= 20; level++) {
        by_pad = level % 3 == 2;
        advance_to({GM_PLAY});
        ASSERT_EQ(GameLevel, level);
        ASSERT_EQ(GameMode, GM_PLAY);
        EXPECT_EQ(game_time_left(), GameTimeTotal);
        play_solution("playthrough_level" + std::to_string(level), level % 3 != 0);
        advance_to({GM_WIN, GM_LOSE});
        ASSERT_EQ(GameMode, GM_WIN) << "level " << level;
        if (level < 20) {
            EXPECT_EQ(GameWonPassword.tw, font_width(FONT3, pws[static_cast<size_t>(level - 1)].data())) << "level " << level;
        }
        if (level == SLICE_FROM)
            GameLevel = static_cast<Uint8>(level = SLICE_TO - 1);  // Space goes on at SLICE_TO
        press(SDLK_SPACE);
        step();
    }
    advance_to({});
    EXPECT_EQ(engineMode, MODE_START) << "the closing images lead back to the start screen";
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_START]);
}

using DamagedFiles = GameTest;

// Shipped level files cut short, through the real loader and a frame of play;
// the fixed images, help pages and sounds cut short through the loaders: a
// failure to load is an answer, never a crash or a hang, and the game still
// draws after it all.
TEST_F(DamagedFiles, CutShortTheyFailCleanly)
{
    auto read = [](const fs::path& p) {
        std::stringstream s;
        s << std::ifstream(p, std::ios::binary).rdbuf();
        return s.str();
    };
    const fs::path built = fs::path(CRYPT_BUILD_DIR) / "data";
    for (int level = 3; level <= 19; level += 4) {
        std::string text = read(built / ("level" + std::to_string(level)) / "level.dat");
        for (size_t cut : {text.size() / 5, text.size() / 2, text.size() - 7}) {
            write_text("data/level" + std::to_string(level) + "/level.dat", text.substr(0, cut));
            enter_level(level);
            for (int i = 0; i < 5 && engineMode == MODE_GAME; i++)
                step();
            GameMode = GM_PLAY;  // the board as the damaged file left it, drawn
            engineMode = MODE_GAME;
            step();
        }
    }
    fs::create_directories("cut");
    int images = 0;
    for (const auto& e : fs::recursive_directory_iterator(built)) {
        const fs::path dir = e.path().parent_path().filename(), ext = e.path().extension();
        if (dir != "base" && dir != "help" && dir != "opening" && ext != ".wav" && ext != ".ogg")
            continue;
        std::string bytes = read(e.path());
        for (size_t cut : {size_t{8}, size_t{44}, bytes.size() / 2, bytes.size() - 1})
            if (ext == ".png" || ext == ".webp") {
                write_text("cut/image" + ext.string(), bytes.substr(0, cut));
                images += sdl_loadimg(1, 1024, 512, "cut/image%s", ext.c_str()) == 0;
            } else if (cut > 8) {
                write_text("cut/sound.wav", bytes.substr(0, cut));
                if (Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile("cut/sound.wav", "rb"), 1))
                    Mix_FreeChunk(chunk);
                if (Mix_Music* music = Mix_LoadMUS("cut/sound.wav"))
                    Mix_FreeMusic(music);
            }
    }
    EXPECT_GT(images, 80) << "a cut image is refused, and quickly (the PNG reader may loop on one)";
    engineMode = MODE_START;
    step();
    EXPECT_FALSE(near(pixel(320, 100), {0, 0, 0, 255}, 4));
}
