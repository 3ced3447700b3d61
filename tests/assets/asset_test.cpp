// asset_test.cpp -- the generated data tree: image sizes and channels, button labels, sounds, determinism
#include <cairo.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "png_check.h"

namespace fs = std::filesystem;

static const fs::path BUILD = CRYPT_BUILD_DIR;
static const fs::path DATA = BUILD / "data";

namespace {

struct ImageSpec {
    const char* name;
    std::uint32_t w, h;
    bool alpha;
};

const ImageSpec IMAGES[] = {
    {"base/BrassOwl.png", 640, 480, false},      {"base/GameBoard.png", 640, 480, false},
    {"base/StartScreen.png", 640, 480, false},   {"base/LoseScreen.png", 512, 384, false},
    {"base/WinScreen.png", 512, 384, false},     {"base/ContinueScreen.png", 512, 384, false},
    {"base/OptionsScreen.png", 512, 384, false}, {"base/OptionSlider.png", 19, 38, true},
    {"base/Frame.png", 640, 480, true},          {"base/MenuScreen.png", 314, 342, false},
    {"base/CoverScreen.png", 326, 340, true},    {"base/Success.png", 348, 75, true},
    {"base/Fail.png", 217, 68, true},            {"base/GameWon.png", 512, 384, false},
    {"base/TimesUp.png", 416, 68, true},         {"help/helpbase.png", 512, 384, false},
    {"help/help1.png", 512, 384, true},          {"help/help2.png", 512, 384, true},
    {"help/help3.png", 512, 384, true},          {"help/help4.png", 512, 384, true},
    {"help/help5.png", 512, 384, true},
};

// A rectangle in window pixels, bounds inclusive, as the game tests clicks.
struct Box {
    int x0, x1, y0, y1;
};

// Button rectangles of each image in window pixels, and where the image lies.
struct ButtonImage {
    const char* debug_name;
    int ox, oy;
    std::vector<Box> buttons;
};

const ButtonImage BUTTONS[] = {
    {"base_StartScreen", 0, 0, {{254, 422, 232, 267}, {254, 422, 279, 312}, {254, 422, 326, 360}}},
    {"base_ContinueScreen", 64, 48, {{182, 451, 95, 140}, {275, 363, 324, 356}, {292, 350, 394, 416}}},
    {"base_OptionsScreen", 64, 48, {{296, 357, 394, 416}}},
    {"base_GameBoard", 0, 0, {{608, 640, 0, 31}, {11, 182, 436, 480}, {461, 632, 436, 480}}},
    {"base_MenuScreen", 164, 69, {{204, 432, 113, 161}, {204, 432, 180, 229}, {204, 432, 246, 295}, {204, 432, 313, 361}}},
    {"base_LoseScreen", 64, 48, {{219, 307, 395, 416}, {367, 425, 394, 416}}},
    {"base_WinScreen", 64, 48, {{296, 354, 394, 416}}},
    {"base_GameWon", 64, 48, {{296, 354, 394, 416}}},
    {"help_helpbase", 64, 48, {{130, 174, 339, 398}, {470, 515, 339, 398}, {296, 354, 394, 416}}},
};

}  // namespace

TEST(AssetImages, ExactSizesAndAlphaOnlyWhereBlended)
{
    for (const ImageSpec& s : IMAGES) {
        SCOPED_TRACE(s.name);
        PngInfo info = png_info(DATA / s.name);
        EXPECT_EQ(info.w, s.w);
        EXPECT_EQ(info.h, s.h);
        EXPECT_EQ(info.colour_type, s.alpha ? 6 : 2) << "6 is RGBA, 2 is RGB without alpha";
        EXPECT_EQ(std::count(info.chunks.begin(), info.chunks.end(), "tIME"), 0) << "no time stamp in the file";
        Pixels px = load(DATA / s.name);
        ASSERT_EQ(px.w, int(s.w));
        long black = 0, clear = 0;
        for (int y = 0; y < px.h; y++)
            for (int x = 0; x < px.w; x++) {
                black += px.a(x, y) == 255 && px.r(x, y) == 0 && px.g(x, y) == 0 && px.b(x, y) == 0;
                clear += px.a(x, y) == 0;
            }
        if (!s.alpha)
            EXPECT_EQ(black, 0) << "the loader would make pure black transparent";
        else
            EXPECT_GT(clear, 0) << "a blended image with nothing transparent hides what lies under it";
    }
}

TEST(AssetImages, IconIsOpaqueWithMagentaForTransparency)
{
    PngInfo info = png_info(DATA / "base/CryptSLIDERS.png");
    EXPECT_EQ(info.w, 32u);
    EXPECT_EQ(info.h, 32u);
    EXPECT_EQ(info.colour_type, 2);
    Pixels px = load(DATA / "base/CryptSLIDERS.png");
    ASSERT_EQ(px.w, 32);
    auto magenta = [&](int x, int y) { return px.r(x, y) == 255 && px.g(x, y) == 0 && px.b(x, y) == 255; };
    EXPECT_TRUE(magenta(0, 0) && magenta(31, 0) && magenta(0, 31) && magenta(31, 31)) << "rounded corners are see-through";
    EXPECT_FALSE(magenta(16, 16));
    int pinkish = 0;  // half-blended edge pixels would show as a pink fringe
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++)
            pinkish += !magenta(x, y) && px.r(x, y) > 180 && px.b(x, y) > 180 && px.g(x, y) < 100;
    EXPECT_EQ(pinkish, 0);
}

// The desktop icons: every size of the hicolor theme, square, (nearly)
// see-through in the rounded corners and solid in the middle, and the drawing itself as the
// scalable one. They lie outside the data tree, which holds what the game reads.
TEST(AssetImages, DesktopIconsInEveryThemeSize)
{
    const fs::path icons = BUILD / "icons/hicolor";
    const std::string file = "apps/io.github.cryptsliders.CryptSLIDERS";
    for (unsigned size : {16u, 22u, 24u, 32u, 48u, 64u, 128u, 256u}) {
        SCOPED_TRACE(size);
        const fs::path p = icons / (std::to_string(size) + "x" + std::to_string(size)) / (file + ".png");
        PngInfo info = png_info(p);
        EXPECT_EQ(info.w, size);
        EXPECT_EQ(info.h, size);
        EXPECT_EQ(info.colour_type, 6) << "RGBA";
        Pixels px = load(p);
        ASSERT_EQ(px.w, int(size));
        const int last = int(size) - 1, mid = int(size) / 2;
        // At 16 pixels the rounded corner's edge still grazes the corner pixel.
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_LT(px.a(x, y), 64u) << "corner " << x << "," << y;
        EXPECT_EQ(px.a(mid, mid), 255u);
    }
    EXPECT_EQ(bytes(icons / "scalable" / (file + ".svg")), bytes(fs::path(ASSET_ART_DIR) / "icon.svg"));
    EXPECT_FALSE(fs::exists(DATA / "icons"));
}

// Help pages are blended over the frame: its arrows, close button and caption
// band must show through them.
TEST(AssetImages, HelpPagesLeaveTheFramesControlsVisible)
{
    const Box controls[] = {{130, 174, 339, 398}, {470, 515, 339, 398}, {296, 354, 394, 416}, {200, 440, 362, 382}};
    for (int n = 1; n <= 5; n++) {
        SCOPED_TRACE(n);
        Pixels px = load(DATA / ("help/help" + std::to_string(n) + ".png"));
        ASSERT_EQ(px.w, 512);
        for (const Box& b : controls) {
            unsigned worst = 0;
            for (int y = b.y0 - 48; y <= std::min(383, b.y1 - 48); y++)
                for (int x = b.x0 - 64; x <= std::min(511, b.x1 - 64); x++)
                    worst = std::max(worst, px.a(x, y));
            EXPECT_EQ(worst, 0u) << "covered near (" << b.x0 << ", " << b.y0 << ")";
        }
    }
}

// The texts the game writes onto these images read against what lies under them.
TEST(AssetImages, TextsHaveTheBackgroundTheirColourNeeds)
{
    struct Area {
        const char* file;
        int ox, oy;
        int cx, cy, half_w, half_h;  // window pixels
        bool dark;                   // true: light text on it; false: black text
    };
    const Area areas[] = {
        {"base/ContinueScreen.png", 64, 48, 320, 287, 145, 22, true},  // typed password, white
        {"base/WinScreen.png", 64, 48, 320, 303, 180, 22, true},       // next password, yellow
        {"base/GameBoard.png", 0, 0, 483, 105, 40, 10, true},          // clock, yellow
        {"base/GameBoard.png", 0, 0, 320, 20, 130, 8, false},          // level name, black
        {"help/helpbase.png", 64, 48, 320, 372, 70, 7, true},          // help caption, yellow
    };
    for (const Area& a : areas) {
        SCOPED_TRACE(std::string(a.file) + " at " + std::to_string(a.cx) + "," + std::to_string(a.cy));
        Pixels px = load(DATA / a.file);
        ASSERT_GT(px.w, 0);
        double lo = 255, hi = 0;
        for (int y = a.cy - a.half_h; y <= a.cy + a.half_h; y++)
            for (int x = a.cx - a.half_w; x <= a.cx + a.half_w; x++) {
                lo = std::min(lo, px.luma(x - a.ox, y - a.oy));
                hi = std::max(hi, px.luma(x - a.ox, y - a.oy));
            }
        if (a.dark)
            EXPECT_LT(hi, 60) << "too light for light text";
        else
            EXPECT_GT(lo, 150) << "too dark for black text";
    }
}

// The labels, rendered alone by assetgen, lie inside their buttons' rectangles
// (taken here from the game's own button tables), clear of the 2-pixel edge.
TEST(AssetImages, EveryButtonLabelStaysInsideItsButton)
{
    for (const ButtonImage& image : BUTTONS) {
        SCOPED_TRACE(image.debug_name);
        const fs::path dir = BUILD / "asset-debug";
        EXPECT_TRUE(fs::exists(dir / (std::string(image.debug_name) + ".debug.png")));
        Pixels px = load(dir / (std::string(image.debug_name) + ".labels.png"));
        ASSERT_GT(px.w, 0);
        std::vector<int> inside(image.buttons.size(), 0);
        int strays = 0;
        for (int y = 0; y < px.h; y++)
            for (int x = 0; x < px.w; x++) {
                if (px.a(x, y) == 0)
                    continue;
                const int wx = x + image.ox, wy = y + image.oy;
                bool in = false;
                for (std::size_t i = 0; i < image.buttons.size(); i++) {
                    const Box& b = image.buttons[i];
                    if (wx >= b.x0 + 2 && wx <= b.x1 - 2 && wy >= b.y0 + 2 && wy <= b.y1 - 2) {
                        inside[i]++;
                        in = true;
                    }
                }
                strays += !in;
            }
        EXPECT_EQ(strays, 0) << "label pixels outside every button";
        for (std::size_t i = 0; i < inside.size(); i++)
            EXPECT_GT(inside[i], 20) << "button " << i << " has no label";
    }
}

// ---------------------------------------------------------------- sounds

namespace {
struct Wav {
    SF_INFO info{};
    std::vector<double> l, r;
    double seconds() const { return double(l.size()) / 44100.0; }
};

Wav read_wav(const fs::path& p)
{
    Wav w;
    SNDFILE* f = sf_open(p.c_str(), SFM_READ, &w.info);
    if (!f)
        return w;
    std::vector<short> buf(std::size_t(w.info.frames) * std::size_t(std::max(1, w.info.channels)));
    sf_readf_short(f, buf.data(), w.info.frames);
    sf_close(f);
    if (w.info.channels == 2)
        for (std::size_t i = 0; i + 1 < buf.size(); i += 2) {
            w.l.push_back(buf[i] / 32768.0);
            w.r.push_back(buf[i + 1] / 32768.0);
        }
    return w;
}

double rms(const std::vector<double>& v, std::size_t from, std::size_t to)
{
    double s = 0;
    for (std::size_t i = from; i < to; i++)
        s += v[i] * v[i];
    return std::sqrt(s / double(std::max<std::size_t>(1, to - from)));
}

double peak(const std::vector<double>& v)
{
    double p = 0;
    for (double x : v)
        p = std::max(p, std::fabs(x));
    return p;
}

double mean(const std::vector<double>& v)
{
    double s = 0;
    for (double x : v)
        s += x;
    return s / double(std::max<std::size_t>(1, v.size()));
}
}  // namespace

TEST(AssetSounds, AllAreWav44100Stereo16Bit)
{
    for (const char* name : {"Effect1", "Effect2", "Effect3", "Effect4", "Music1", "Music2"}) {
        SCOPED_TRACE(name);
        Wav w = read_wav(DATA / "sounds" / (std::string(name) + ".wav"));
        EXPECT_EQ(w.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EXPECT_EQ(w.info.samplerate, 44100);
        EXPECT_EQ(w.info.channels, 2);
    }
    EXPECT_TRUE(fs::exists(DATA / "sounds/SOUNDFONT-LICENSE.txt"));
}

TEST(AssetSounds, EffectsAreShortCleanAndStartAndEndInSilence)
{
    for (const char* name : {"Effect1", "Effect2", "Effect3", "Effect4"}) {
        SCOPED_TRACE(name);
        Wav w = read_wav(DATA / "sounds" / (std::string(name) + ".wav"));
        ASSERT_GT(w.l.size(), 1000u);
        EXPECT_LT(w.seconds(), 2.0);
        for (const std::vector<double>* ch : {&w.l, &w.r}) {
            EXPECT_LT(peak(*ch), 32766 / 32768.0) << "clipped";
            EXPECT_GT(peak(*ch), 0.1) << "barely audible";
            EXPECT_LT(std::fabs(mean(*ch)), 0.002) << "DC offset";
            EXPECT_LT(std::fabs(ch->front()), 0.005) << "click at the start";
            EXPECT_LT(std::fabs(ch->back()), 0.005) << "click at the end";
        }
    }
}

TEST(AssetSounds, MusicLoopsSeamlesslyBelowMinusOneDbAtMatchedLoudness)
{
    double loudness[2];
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(i + 1);
        Wav w = read_wav(DATA / "sounds" / ("Music" + std::to_string(i + 1) + ".wav"));
        ASSERT_GT(w.l.size(), 44100u);
        EXPECT_GE(w.seconds(), 60.0);
        const std::size_t n = w.l.size(), second = 44100;
        loudness[i] = 20 * std::log10((rms(w.l, 0, n) + rms(w.r, 0, n)) / 2);
        for (const std::vector<double>* ch : {&w.l, &w.r}) {
            const std::vector<double>& v = *ch;
            EXPECT_LT(20 * std::log10(peak(v)), -1.0);
            // The seam: the step from the last sample to the first is no
            // larger than the steps the music itself makes.
            double step_sq = 0;
            for (std::size_t k = 1; k < n; k++)
                step_sq += (v[k] - v[k - 1]) * (v[k] - v[k - 1]);
            const double step_rms = std::sqrt(step_sq / double(n - 1));
            EXPECT_LT(std::fabs(v.front() - v.back()), std::max(4 * step_rms, 0.002)) << "jump at the loop's seam";
            // No gap: both ends still sound.
            const double whole = rms(v, 0, n);
            EXPECT_GT(rms(v, 0, second), whole * 0.1) << "silent start";
            EXPECT_GT(rms(v, n - second, n), whole * 0.1) << "silent end";
        }
    }
    EXPECT_NEAR(loudness[0], loudness[1], 1.0) << "the two pieces differ in loudness";
}

// ---------------------------------------------------------------- determinism

TEST(AssetDeterminism, TwoRunsWriteTheSameBytesAsTheBuild)
{
    const std::string sample = "base/StartScreen.png,base/OptionSlider.png,help/help4.png,sounds/Effect3.wav,sounds/Music2.wav";
    fs::path dirs[2];
    for (int i = 0; i < 2; i++) {
        char pattern[] = "/tmp/assetgen-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dirs[i] = pattern;
        const std::string cmd = std::string("\"") + ASSETGEN_EXE + "\" --font \"" + GAME_FONT + "\" --soundfont \"" +
                                GAME_SOUNDFONT + "\" --art \"" + ASSET_ART_DIR + "\" --only " + sample + " \"" +
                                dirs[i].string() + "\"";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    std::size_t start = 0;
    while (start < sample.size()) {
        std::size_t comma = sample.find(',', start);
        if (comma == std::string::npos)
            comma = sample.size();
        const std::string name = sample.substr(start, comma - start);
        start = comma + 1;
        SCOPED_TRACE(name);
        const std::vector<unsigned char> a = bytes(dirs[0] / name), b = bytes(dirs[1] / name), built = bytes(DATA / name);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(a == b) << "two runs differ";
        EXPECT_TRUE(a == built) << "a run of a few files differs from the full build";
    }
    for (const fs::path& d : dirs)
        fs::remove_all(d);
}
