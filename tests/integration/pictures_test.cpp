// pictures_test.cpp -- the player's own pictures as the player meets them: the
// start screen's panel, photos of three shapes standing upright, a level of them
// won with the solver's moves through the real handlers, its best time kept,
// photos as phones save them, and a machine out of memory
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <new>

#include "engine_fixture.h"
#include "photo_file.h"
#include "rules/picture_set.h"
#include "rules/progress_file.h"
#include "screens/help.h"
#include "screens/pictures.h"

namespace fs = std::filesystem;

// While set, every allocation of at least this many bytes fails, as on a
// machine out of memory.
static std::atomic<std::size_t> fail_from{0};

void* operator new(std::size_t n)
{
    std::size_t limit = fail_from;
    void* p = limit && n >= limit ? nullptr : std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    return p;
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return fail_from && n >= fail_from ? nullptr : std::malloc(n ? n : 1); }
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

class PicturesTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        randomize_board = 0;  // shuffled as a player's pictures always are
        setenv("HOME", fs::current_path().c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        fs::create_directories(folder);
    }
    // The panel from the start screen's menu, once its count stands unless told not to wait.
    void open_panel(bool wait = true)
    {
        engineMode = MODE_START;
        step();
        click(330, 280);  // Your pictures
        for (int i = 0; i < 2000 && wait && pictures_panel_reading(); i++)
            usleep(1000), step();
    }
    // Up from the start screen's menu, through the panel's difficulty and Play, to the clue image.
    void open_level(int difficulty_x)
    {
        open_panel();
        screenshot("pictures_panel");
        click(difficulty_x, 300);
        click(266, 400);  // Play
        for (int i = 0; i < 20 && GameMode != GM_CLUE; i++)
            step();
    }
    // Per thousand of its lit pixels, how many of the panel's line (0 to 2)
    // differ from the text (well-formed UTF-8) as the game's font draws it,
    // centred as the panel centres it.
    int line_mismatch(int line, const std::string& text)
    {
        text_coverage s = typeface_draw(*FONT1, text);
        int left = std::max(70, 320 - s.w / 2), top = 158 + 30 * line - s.h / 2, lit = 0, wrong = 0;
        for (int y = top; y < top + s.h; y++)
            for (int x = 82, sx = x - left; x < 558; x++, sx++) {
                bool want = sx >= 0 && sx < s.w && s.alpha[static_cast<size_t>((y - top) * s.w + sx)] >> 7;
                lit += want, wrong += want != (pixel(x, y).r > 120);
            }
        return wrong * 1000 / std::max(lit, 1);
    }
    // Picture n's texture: warm above and cool below, as the photo stands.
    void expect_upright(int n, const char* name)
    {
        const pictures& p = Pictures[static_cast<size_t>(n - 1)];
        draw([n] { ot_blit(static_cast<Uint32>(n + 9), 0, 0, nullptr); });
        int w = p.w * 33, h = p.h * 33;
        rgba8 top = pixel(w / 2, h / 8), bottom = pixel(w / 2, h * 7 / 8);
        EXPECT_TRUE(top.r > top.b + 80 && bottom.b > bottom.r + 80) << name << ": " << top << " over " << bottom;
    }
    const std::string folder = "Pictures/CryptSLIDERS";
};

// A portrait photo lying on its side with its orientation in EXIF, a wide
// PNG and a square lossless WebP, with a file that is no picture beside them:
// the easy difficulty gives each its own shape, upright, shown on the clue
// image; the solver's moves win the level with the mouse, and its best time
// is kept under the set's name in a line older versions skip.
TEST_F(PicturesTest, ThreeShapesUprightWonAndTheirBestTimeKept)
{
    write_photo_jpeg(folder + "/a_portrait.jpg", 0, 600, 900, 6);
    write_png(folder + "/b_wide.png", 960, 320, false, [](int x, int y) { return photo_pixel(1, x, y, 960, 320); });
    write_photo_webp(folder + "/c_square.webp", 2, 400, 400);
    write_text(folder + "/d_notes.jpg", "not a picture\n");
    testing::internal::CaptureStderr();
    open_level(162);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("d_notes.jpg: not a picture"), std::string::npos) << err;
    ASSERT_EQ(GameMode, GM_CLUE);
    screenshot("pictures_clue");

    // Each picture's texture: its shape's proportions, warm above and cool below.
    const char* names[] = {"portrait", "wide", "square"};
    for (int n = 1; n <= 3; n++)
        expect_upright(n, names[n - 1]);
    EXPECT_GT(Pictures[0].h, Pictures[0].w) << "the portrait stands";
    EXPECT_GE(Pictures[1].w, 2 * Pictures[1].h) << "the wide picture lies";
    EXPECT_EQ(Pictures[2].w, Pictures[2].h);
    EXPECT_EQ(GameRotate, 0) << "easy: upright tiles";

    ASSERT_TRUE(reach_play());
    screenshot("pictures_play");
    play_solution("pictures_half");
    run_while(GM_PLAY);
    for (int i = 0; i < 400 && GameMode != GM_WIN; i++)
        step();
    ASSERT_EQ(GameMode, GM_WIN);
    frame();
    screenshot("pictures_win");
    std::string sav = slurp("CryptSLIDERS.sav");
    size_t at = sav.find("\npictures=");
    char name[PROGRESS_KEY_SIZE] = "";
    unsigned difficulty = 9, seconds = 0;
    ASSERT_NE(at, std::string::npos) << sav;
    EXPECT_EQ(std::sscanf(sav.c_str() + at, "\npictures=%16[0-9a-f],%u,%u,", name, &difficulty, &seconds), 3) << sav;
    EXPECT_EQ(sav.find("\nbest="), std::string::npos) << "no shipped level was won";
    EXPECT_EQ(name, picture_set_key());
    EXPECT_EQ(difficulty, 0u);
    EXPECT_LE(seconds, GameTimeTotal);
}

// A panorama wider than SDL 1.2's surfaces take (by the tests' own writer, as
// ImageMagick caps widths) is read row by row: its one picture lies as a strip
// of the middle of the panorama, warm there and cool at the ends, green above
// and dark below.
TEST_F(PicturesTest, APanoramaWiderThanASurfaceIsPlayedFromItsMiddle)
{
    write_png(folder + "/panorama.png", 20000, 300, false, [](int x, int y) {
        std::uint8_t middle = std::abs(x - 10000) < 1000 ? 190 : 0;
        return rgba8{static_cast<std::uint8_t>(30 + middle), static_cast<std::uint8_t>(y < 150 ? 200 : 40),
                     static_cast<std::uint8_t>(220 - middle), 255};
    });
    open_level(162);
    ASSERT_EQ(GameMode, GM_CLUE);
    EXPECT_TRUE(Pictures[0].w == 9 && Pictures[0].h == 1) << Pictures[0].w << " x " << Pictures[0].h;
    draw([] { ot_blit(10, 0, 0, nullptr); });
    rgba8 above = pixel(148, 6), below = pixel(148, 27), end = pixel(3, 16);
    EXPECT_TRUE(above.r > 180 && above.g > 160 && below.g < 80 && below.r > 180 && end.b > 180)
        << above << ", " << below << ", " << end;
}

// A folder of more than a level holds makes levels played one after the
// other, the won one's Next leading on; a level whose pictures pass their
// header but none of which can be decoded is passed over for the next.
TEST_F(PicturesTest, MorePicturesMakeMoreLevelsAndOnesNoneOfWhichReadArePassedOver)
{
    for (int k : {0, 1, 2, 3, 8}) {
        std::string name = folder + "/photo" + std::to_string(k) + ".png";
        write_png(name, 200, 150, false, [k](int x, int y) { return photo_pixel(k, x, y, 200, 150); });
    }
    write_photo_jpeg(folder + "/photo4_cut.jpg", 0, 400, 300, 1);
    fs::resize_file(folder + "/photo4_cut.jpg", fs::file_size(folder + "/photo4_cut.jpg") / 2);
    for (int k : {5, 6, 7})
        fs::copy_file(folder + "/photo4_cut.jpg", folder + "/photo" + std::to_string(k) + "_cut.jpg");
    open_level(162);  // few, large: four pictures a level
    ASSERT_TRUE(reach_play());
    play_solution();
    for (int i = 0; i < 400 && GameMode != GM_WIN; i++)
        step();
    ASSERT_EQ(GameMode, GM_WIN);
    testing::internal::CaptureStderr();
    key(SDLK_RETURN);  // Next
    step();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("photo7_cut.jpg: cut short"), std::string::npos) << err;
    EXPECT_STREQ(GameName, "Your pictures 3 of 3");
}

// The same photo under three names (a copy, and a link to it) makes one
// picture; cells of flat sky stand in for each other, turned or not, at the
// hard difficulty, whose help shows the first level's pages and turning. At
// the set's end the panel lists what was passed over, as many as fit.
TEST_F(PicturesTest, RepeatedAndFlatPicturesPlayAsTheyLook)
{
    write_png(folder + "/sky.png", 480, 320, false,
              [](int x, int y) { return x < 360 || y < 240 ? rgba8{90, 150, 220, 255} : photo_pixel(0, x, y, 480, 320); });
    fs::copy_file(folder + "/sky.png", folder + "/sky copy.png");
    fs::create_hard_link(folder + "/sky.png", folder + "/sky link.png");
    for (const char* name : {"/a.jpg", "/b.png", "/c.gif"})
        write_text(folder + name, "not a picture\n");
    testing::internal::CaptureStderr();
    open_level(478);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("sky.png: the same file as sky link.png"), std::string::npos) << err;
    EXPECT_NE(err.find("sky link.png: the same picture as sky copy.png"), std::string::npos) << err;
    ASSERT_TRUE(reach_play());
    EXPECT_EQ(Match[1].id, 0) << "one picture";
    // The help, last left at a shipped level's fifth page: the turning page,
    // the third of three; back from it the second, and the first at most.
    current_help_screen = 5;
    key(SDLK_h);
    EXPECT_STREQ(help_caption(), "Help screen (3/3)");
    key(SDLK_RIGHT), key(SDLK_LEFT);
    EXPECT_STREQ(help_caption(), "Help screen (2/3)");
    key(SDLK_LEFT), key(SDLK_LEFT);
    EXPECT_STREQ(help_caption(), "Help screen (1/3)");
    key(SDLK_ESCAPE);

    // The picture whole at the top left but for its last tile, its first two
    // (flat sky) exchanged and turned.
    const int w = Pictures[0].w, h = Pictures[0].h;
    Grid = {};
    for (int r = 0; r < h; r++)
        for (int c = 0; c < w; c++)
            Grid[static_cast<size_t>(r * 9 + c)] = {picture_tile_id(1, w, c, r), DIR_UPRIGHT, 0};
    Grid[0] = {102, DIR_RIGHT, 0}, Grid[1] = {101, DIR_UPSIDE, 0};
    std::swap(Grid[static_cast<size_t>((h - 1) * 9 + w - 1)], Grid[80]);
    drag(8, 8, w - 1, h - 1);
    for (int i = 0; i < 400 && GameMode != GM_WIN; i++)
        step();
    ASSERT_EQ(GameMode, GM_WIN);
    key(SDLK_RETURN), step();  // the set's end
    screenshot("pictures_passed_over");
    std::vector<rgba8> listed = last_frame;
    key(SDLK_RIGHT), key(SDLK_LEFT);  // the difficulty, and the panel's usual lines
    EXPECT_GT(differing(listed, 10, 78, 143, 562, 256), 300) << "the list of what was passed over";
}

// A folder of hundreds, and a name in another alphabet with a byte that is no
// UTF-8 and an emoji: the panel shows at once that it reads them, and Play
// waits; closed while it reads and opened again, it counts them all and names
// the odd file as the font draws the same text written well (the bad byte as
// U+FFFD, the emoji as a character the font lacks). A name too long for its
// line is shortened to its slot, the same when made again at another scale.
TEST_F(PicturesTest, AFolderOfHundredsIsCountedAndNamesReadAsWritten)
{
    write_photo_jpeg(folder + "/0000.jpg", 0, 64, 48, 1);
    for (int k = 1; k < 600; k++)
        fs::copy_file(folder + "/0000.jpg", folder + "/" + std::to_string(1000 + k) + ".jpg");
    const std::string odd = folder + "/\xD0\x96\xD1\x91\xD0\xBB\xD1\x82\xD1\x8B\xD0\xB5 B\xC3\xBC" "cher\xFF\xF0\x9F\x98\x80.jpg";
    write_text(odd, "");
    open_panel(false);
    EXPECT_LT(line_mismatch(0, "Reading pictures ..."), 30);
    click(266, 400);  // Play
    EXPECT_EQ(engineMode, MODE_START) << "not before the count";
    key(SDLK_ESCAPE);
    open_panel();
    EXPECT_LT(line_mismatch(0, "600 pictures in ~/Pictures/CryptSLIDERS"), 30);
    EXPECT_LT(line_mismatch(2, "Passed over: \u0416\u0451\u043B\u0442\u044B\u0435 B\u00FCcher\uFFFD\u4E2D.jpg (an empty file)"), 30);

    std::string narrow(240, '\x96');  // Cyrillic i, a narrow letter of two bytes: many bytes in the line
    for (size_t i = 0; i < narrow.size(); i += 2)
        narrow[i] = '\xD1';
    fs::rename(odd, folder + "/" + narrow + ".jpg");
    key(SDLK_ESCAPE);
    open_panel();
    EXPECT_LT(box([this](int x, int y) { return pixel(x, y).r > 120; }, 82, 205, 558, 232)[2], 557) << "within its slot";
    const std::vector<rgba8> before = last_frame;
    font_rescale(2.0), font_rescale(1.0), frame();
    EXPECT_EQ(differing(before), 0) << "made again at another scale";
}

// Photos as phones save them: a portrait from the camera as AVIF, stored lying
// with its turn in irot and the same turn in its EXIF, and a HEIC; both stand
// upright, turned once. A large photo whose decoding runs out of memory is
// passed over with its reason, and the level plays the others.
TEST_F(PicturesTest, PhonePhotosStandUprightAndOneOutOfMemoryIsPassedOver)
{
    write_photo_jpeg("portrait.jpg", 0, 600, 900, 6);
    write_photo_jpeg("landscape.jpg", 1, 900, 600, 1);
    ASSERT_EQ(std::system(("(avifenc -s 10 --irot 3 portrait.jpg " + folder + "/a_portrait.avif && heif-enc -q 70 landscape.jpg -o " +
                           folder + "/b_landscape.heic && convert landscape.jpg -resize 2000x1500! -interlace PNG " + folder +
                           "/c_large.png) >/dev/null").c_str()), 0);
    fail_from = 8 << 20;  // the interlaced PNG's 12 MB of pixels, read whole, cannot be had
    testing::internal::CaptureStderr();
    open_level(162);
    fail_from = 0;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("c_large.png: not enough memory to read it"), std::string::npos) << err;
    ASSERT_EQ(GameMode, GM_CLUE);
    screenshot("pictures_phone");
    EXPECT_GT(Pictures[0].h, Pictures[0].w) << "the portrait stands";
    EXPECT_GT(Pictures[1].w, Pictures[1].h);
    expect_upright(1, "AVIF portrait");
    expect_upright(2, "HEIC");
}
