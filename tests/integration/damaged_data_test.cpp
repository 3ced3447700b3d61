// damaged_data_test.cpp -- every shipped data file cut short and with bytes
// flipped, through the game's own loaders: nothing crashes, nothing hangs, and
// what is read stays within what the game can hold
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine_fixture.h"
#include "game_fixture.h"

#include "game/level.h"
#include "help_config.h"
#include "main.h"
#include "settings_file.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

fs::path built_data()
{
    return fs::path(CRYPT_BUILD_DIR) / "data";
}

std::vector<fs::path> shipped(const std::string& extension)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(built_data()))
        if (e.is_regular_file() && e.path().extension() == extension)
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The variants of a file's text: every prefix, then byte flips from a fixed seed.
std::vector<std::string> damaged(const std::string& text, int flips)
{
    std::vector<std::string> out;
    for (size_t n = 0; n <= text.size(); n++)
        out.push_back(text.substr(0, n));
    std::uint32_t seed = 12345;
    for (int i = 0; i < flips && !text.empty(); i++) {
        std::string t = text;
        seed = seed * 1664525u + 1013904223u;
        size_t at = (seed >> 8) % t.size();
        seed = seed * 1664525u + 1013904223u;
        t[at] = static_cast<char>(t[at] ^ (1 << ((seed >> 12) % 8)));
        out.push_back(t);
    }
    return out;
}

// Parses text as a level file, as the game reads one from disk.
void parse_level(const std::string& text, std::vector<level_picture>& pics)
{
    std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    ASSERT_NE(f, nullptr);
    level_reset();
    level_parse_file(f, 1, pics);
    std::fclose(f);
}

void expect_level_in_bounds(const std::vector<level_picture>& pics, const std::string& what)
{
    EXPECT_LT(std::strlen(GameName), sizeof GameName) << what;
    for (const level_picture& p : pics) {
        EXPECT_TRUE(p.n >= 1 && p.n <= PICTURE_SLOTS) << what;
        EXPECT_TRUE(p.w >= 1 && p.w <= BOARD_SIDE && p.h >= 1 && p.h <= BOARD_SIDE) << what;
        EXPECT_LT(std::strlen(p.filename), sizeof p.filename) << what;
    }
    for (const auto* list : {&Match, &Fail})
        for (const matchfail& e : *list)
            EXPECT_LE(e.id, PICTURE_SLOTS) << what;
}

}  // namespace

// The parsers alone: every truncation and 300 flips of every shipped text file.
TEST(DamagedText, LevelPasswordHelpAndSettingsFilesStayWithinBounds)
{
    int variants = 0;
    for (const fs::path& file : shipped(".dat")) {
        std::string text = read_file(file);
        std::string name = file.filename().string();
        for (const std::string& t : damaged(text, 300)) {
            variants++;
            if (name == "level.dat") {
                std::vector<level_picture> pics;
                parse_level(t, pics);
                expect_level_in_bounds(pics, file.string());
            } else if (name == "levels.dat" || name == "help.dat") {
                password_table passwords{};
                help_table help{};
                std::istringstream lines(t);
                std::string line;
                while (std::getline(lines, line)) {
                    levels_parse_line(passwords, line.c_str());
                    help_parse_line(help, line.c_str());
                }
                for (const auto& pw : passwords)
                    EXPECT_LT(std::strlen(pw.data()), PASSWORD_SIZE) << file;
                for (const help_info& h : help)
                    EXPECT_LE(h.screens, HELP_PAGES) << file;
            }
        }
    }
    // The settings file as the game writes it, damaged likewise.
    settings_values v;
    v.randomize = -1;
    v.full_screen = 1;
    char text[256];
    settings_format(v, text, sizeof text);
    for (const std::string& t : damaged(text, 300)) {
        std::FILE* f = fmemopen(const_cast<char*>(t.data()), t.size(), "r");
        ASSERT_NE(f, nullptr);
        settings_values read = settings_read(f);
        std::fclose(f);
        float sfx = settings_volume_clamp(read.sfx), music = settings_volume_clamp(read.music);
        EXPECT_TRUE(sfx >= 0.0f && sfx <= 1.0f && music >= 0.0f && music <= 1.0f) << t;
        variants++;
    }
    EXPECT_GT(variants, 10000) << "every shipped level, password and help file was damaged";
}

using DamagedFiles = GameDriver;

// Damaged level files through the real loader and a frame of play each.
TEST_F(DamagedFiles, LevelFilesCutShortStillLoadAndDraw)
{
    for (int level = 1; level <= 20; level++) {
        std::string dir = "data/level" + std::to_string(level);
        std::string text = read_file(built_data() / ("level" + std::to_string(level)) / "level.dat");
        ASSERT_FALSE(text.empty()) << level;
        for (size_t cut : {text.size() / 5, text.size() / 2, text.size() - 7}) {
            write_text(dir + "/level.dat", text.substr(0, cut));
            enter_level(level);
            step();
            for (int i = 0; i < 5 && engineMode == MODE_GAME; i++)
                step();
            GameMode = GM_PLAY;  // the board as the damaged file left it, drawn
            engineMode = MODE_GAME;
            step();
        }
    }
}

// Every shipped image cut at a few points through the image loader, and every
// sound through the mixer: a failure to load is an answer, never a crash.
TEST_F(DamagedFiles, ImagesAndSoundsCutShortFailCleanly)
{
    fs::create_directories("cut");
    int images = 0;
    for (const fs::path& png : shipped(".png")) {
        std::string bytes = read_file(png);
        for (size_t cut : {size_t{8}, size_t{40}, bytes.size() / 2, bytes.size() - 1}) {
            if (cut >= bytes.size())
                continue;
            write_text("cut/image.png", bytes.substr(0, cut));
            Uint8 loaded = sdl_loadimg(1, 1024, 512, "%s", "cut/image.png");
            EXPECT_LE(loaded, 1);
            images++;
        }
    }
    EXPECT_GT(images, 40);
    for (const fs::path& wav : shipped(".wav")) {
        std::string bytes = read_file(wav);
        for (size_t cut : {size_t{12}, size_t{44}, bytes.size() / 3}) {
            SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(cut));
            Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
            if (chunk)
                Mix_FreeChunk(chunk);
            write_text("cut/music.wav", bytes.substr(0, cut));
            Mix_Music* music = Mix_LoadMUS("cut/music.wav");
            if (music)
                Mix_FreeMusic(music);
        }
    }
    // The game still draws after all of it.
    engineMode = MODE_START;
    step();
    EXPECT_FALSE(near(pixel(320, 100), {0, 0, 0, 255}, 4));
}
