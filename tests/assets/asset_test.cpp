// asset_test.cpp -- the generated data tree as a player meets it: images of the size and channels the game loads,
// labels inside their buttons, texts on grounds they read on, clean sounds and loops, repeatable runs
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <numeric>
#include <sstream>
#include <string>

#include "png_check.h"

namespace fs = std::filesystem;

static const fs::path BUILD = CRYPT_BUILD_DIR, DATA = BUILD / "data";

// The images the game loads into textures cut at fixed sizes.
TEST(AssetImages, SizesAndChannelsAsTheGameLoadsThem)
{
    std::vector<std::tuple<std::string, int, int, bool>> images = {
        {"base/BrassOwl.png", 640, 480, false},      {"base/GameBoard.png", 640, 480, false},
        {"base/StartScreen.png", 640, 480, false},   {"base/LoseScreen.png", 512, 384, false},
        {"base/WinScreen.png", 512, 384, false},     {"base/ContinueScreen.png", 512, 384, false},
        {"base/OptionsScreen.png", 512, 384, false}, {"base/OptionSlider.png", 19, 38, true},
        {"base/Frame.png", 640, 480, true},          {"base/MenuScreen.png", 314, 342, false},
        {"base/CoverScreen.png", 326, 340, true},    {"base/Success.png", 348, 75, true},
        {"base/Fail.png", 217, 68, true},            {"base/GameWon.png", 512, 384, false},
        {"base/TimesUp.png", 416, 68, true},         {"base/CryptSLIDERS.png", 32, 32, false},
        {"base/PicturesScreen.png", 512, 384, false}, {"base/ClueBackground.png", 640, 480, false},
        {"help/helpbase.png", 512, 384, false},
    };
    for (int n = 1; n <= 5; n++)
        images.emplace_back("help/help" + std::to_string(n) + ".png", 512, 384, true);
    for (const auto& [name, w, h, alpha] : images)
        expect_image(DATA / name, w, h, alpha);
}

// The texts the game writes on these images find the ground their colour
// needs: dark under light text, light under black text.
TEST(AssetImages, TextsHaveTheGroundTheirColourNeeds)
{
    const std::tuple<const char*, int, Box, bool> texts[] = {
        {"base/ContinueScreen.png", 1, {175, 465, 265, 309}, true},  // the typed password, white
        {"base/WinScreen.png", 1, {140, 500, 281, 325}, true},       // the next password, yellow
        {"base/GameBoard.png", 0, {443, 523, 95, 115}, true},        // the clock, yellow
        {"base/GameBoard.png", 0, {190, 450, 12, 28}, false},        // the level's name, black
        {"base/PicturesScreen.png", 1, {90, 550, 150, 250}, true},   // what was found, light
        {"base/OptionsScreen.png", 1, {300, 452, 345, 361}, true},   // the language's name, light
        {"base/ClueBackground.png", 0, {60, 580, 50, 400}, true},    // the clue's words, light
        {"help/helpbase.png", 1, {250, 390, 365, 379}, true},        // the help caption, yellow
    };
    for (const auto& [file, panel, box, light] : texts) {  // a panel lies at (64, 48)
        const Png png = load(DATA / file);
        const auto value = [&, sign = light ? 1.0 : -1.0](int x, int y) { return sign * luma(png.at(x, y)); };
        EXPECT_LT(most(png, 64 * panel, 48 * panel, box, value), light ? 60 : -150) << file << " at " << box.x0 << "," << box.y0;
    }
}

// The labels, which assetgen also writes alone, lie inside their buttons'
// rectangles as the game's click tables have them, clear of a 2-pixel edge.
TEST(AssetImages, EveryButtonLabelStaysInsideItsButton)
{
    const std::tuple<const char*, int, int, std::vector<Box>> images[] = {
        {"base_StartScreen", 0, 0, {{254, 422, 226, 257}, {254, 422, 266, 297}, {254, 422, 306, 337}, {254, 422, 346, 377}}},
        {"base_PicturesScreen", 64, 48,
         {{96, 228, 284, 320}, {254, 386, 284, 320}, {412, 544, 284, 320}, {226, 306, 384, 416}, {334, 414, 384, 416}}},
        {"base_ContinueScreen", 64, 48, {{182, 451, 95, 140}, {275, 363, 324, 356}, {292, 350, 394, 416}}},
        {"base_OptionsScreen", 64, 48, {{263, 291, 341, 365}, {461, 489, 341, 365}, {296, 357, 394, 416}}},
        {"base_GameBoard", 0, 0, {{608, 640, 0, 31}, {11, 182, 436, 480}, {461, 632, 436, 480}}},
        {"base_MenuScreen", 164, 69,
         {{204, 432, 113, 161}, {204, 432, 180, 229}, {204, 432, 246, 295}, {204, 432, 313, 361}}},
        {"base_LoseScreen", 64, 48, {{219, 307, 395, 416}, {367, 425, 394, 416}}},
        {"base_WinScreen", 64, 48, {{286, 364, 394, 416}}},
        {"base_GameWon", 64, 48, {{286, 364, 394, 416}}},
        {"help_helpbase", 64, 48, {{130, 174, 339, 398}, {470, 515, 339, 398}, {296, 354, 394, 416}}},
    };
    for (const auto& [image, ox, oy, boxes] : images) {
        const Png labels = load(BUILD / "asset-debug" / (std::string(image) + ".labels.png"));
        std::vector<int> inside(boxes.size() + 1, 0);  // the last counts the strays
        for (int y = 0; y < labels.h; y++)
            for (int x = 0; x < labels.w; x++) {
                const int wx = x + ox, wy = y + oy;
                auto in = [&](const Box& b) { return wx >= b.x0 + 2 && wx <= b.x1 - 2 && wy >= b.y0 + 2 && wy <= b.y1 - 2; };
                if (labels.at(x, y) >> 24)
                    inside[std::size_t(std::find_if(boxes.begin(), boxes.end(), in) - boxes.begin())]++;
            }
        EXPECT_EQ(inside.back(), 0) << image << ": label pixels outside every button";
        EXPECT_GT(*std::min_element(inside.begin(), inside.end() - 1), 20) << image << ": a button without its label";
    }
}

static double rms(const std::vector<double>& v, std::size_t from, std::size_t to)
{
    const auto a = v.begin() + long(from), b = v.begin() + long(to);
    return std::sqrt(std::inner_product(a, b, a, 0.0) / double(to - from));
}

// Every sound in the mixer's format, 44100 Hz stereo (the effects 16-bit WAV, the music Ogg Vorbis), audible
// and unclipped (the music below -1 dBFS), without a click: effects start and
// end in silence, the music's last sample steps to its first no further than
// the music itself steps, and both its ends sound, so that it loops unheard.
TEST(AssetSounds, AudibleUnclippedAndWithoutAClick)
{
    for (const std::string name : {"Effect1", "Effect2", "Effect3", "Effect4", "Music1", "Music2"}) {
        const bool music = name[0] == 'M';
        SF_INFO info{};
        SNDFILE* f = sf_open((DATA / "sounds" / (name + (music ? ".ogg" : ".wav"))).c_str(), SFM_READ, &info);
        ASSERT_EQ(std::tuple(info.format, info.samplerate, info.channels),
                  std::tuple(music ? SF_FORMAT_OGG | SF_FORMAT_VORBIS : SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2)) << name;
        std::vector<short> samples(std::size_t(info.frames) * 2);
        sf_readf_short(f, samples.data(), info.frames);
        sf_close(f);
        for (int c = 0; c < 2; c++) {
            std::vector<double> v, steps;
            for (std::size_t i = std::size_t(c); i < samples.size(); i += 2)
                v.push_back(samples[i] / 32768.0);
            const std::size_t n = v.size(), second = 44100;
            ASSERT_GT(n, music ? 2 * second : 1000) << name;
            const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
            const double peak = std::max(-*lo, *hi);
            EXPECT_TRUE(peak > 0.1 && peak < (music ? 0.891 : 32766 / 32768.0)) << name << ": peak " << peak;
            std::adjacent_difference(v.begin(), v.end(), std::back_inserter(steps));
            const double jump = music ? std::fabs(v.front() - v.back()) : std::max(std::fabs(v.front()), std::fabs(v.back()));
            EXPECT_LT(jump, music ? std::max(4 * rms(steps, 1, n), 0.002) : 0.005) << name << ": a click";
            if (music) {
                EXPECT_GT(std::min(rms(v, 0, second), rms(v, n - second, n)), rms(v, 0, n) * 0.1) << name << ": silent end";
            }
        }
    }
}

// assetgen depends on no clock and no changing seed: a run of a few files
// writes the very bytes the full build wrote.
TEST(AssetDeterminism, ARunOfAFewFilesWritesTheBuildsBytes)
{
    char dir[] = "/tmp/assetgen-test-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string sample =
        "base/StartScreen.png,base/OptionSlider.png,help/help4.png,sounds/Effect3.wav,sounds/Music2.ogg";
    const std::string cmd = std::string("\"") + ASSETGEN_EXE + "\" --font \"" + GAME_FONT + "\" --soundfont \"" +
                            GAME_SOUNDFONT + "\" --art \"" + ASSET_ART_DIR + "\" --only " + sample + " " + dir;
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    std::istringstream names(sample);
    for (std::string name; std::getline(names, name, ',');)
        EXPECT_TRUE(bytes(fs::path(dir) / name) == bytes(DATA / name) && fs::file_size(DATA / name) > 0) << name;
    fs::remove_all(dir);
}
