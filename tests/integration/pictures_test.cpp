// pictures_test.cpp -- the player's own pictures as the player meets them: the
// start screen's panel, photos of three shapes standing upright, a level of them
// won with the solver's moves through the real handlers, its best time kept,
// photos as phones save them, and a machine out of memory
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <new>

#include "engine_fixture.h"
#include "photo_file.h"
#include "rules/picture_set.h"
#include "rules/progress_file.h"

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
    // Up from the start screen's menu, through the panel's difficulty and Play, to the clue image.
    void open_level(int difficulty_x)
    {
        engineMode = MODE_START;
        step();
        click(330, 280);  // Your pictures
        screenshot("pictures_panel");
        click(difficulty_x, 300);
        click(266, 400);  // Play
        for (int i = 0; i < 20 && GameMode != GM_CLUE; i++)
            step();
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

    // Next: the set had one level, so the start screen; its panel plays it again
    // at another difficulty, with turned tiles.
    key(SDLK_RETURN);
    step();
    EXPECT_EQ(engineMode, MODE_START);
    open_level(478);
    ASSERT_EQ(GameMode, GM_CLUE);
    EXPECT_EQ(GameRotate, 1);
}

// A folder of more than a level holds makes levels played one after the
// other, the won one's Next leading on; a picture that passes its header but
// cannot be decoded sends the player back to the panel, which names it and
// plays the others without it.
TEST_F(PicturesTest, MorePicturesMakeMoreLevelsAndACutOneIsNamedOnThePanel)
{
    for (int k = 0; k < 4; k++) {
        std::string name = folder + "/photo" + std::to_string(k) + ".png";
        write_png(name, 200, 150, false, [k](int x, int y) { return photo_pixel(k, x, y, 200, 150); });
    }
    write_photo_jpeg(folder + "/photo9_cut.jpg", 0, 400, 300, 1);
    fs::resize_file(folder + "/photo9_cut.jpg", fs::file_size(folder + "/photo9_cut.jpg") / 2);
    open_level(162);  // few, large: four pictures a level
    EXPECT_STREQ(GameName, "Your pictures 1 of 2");
    ASSERT_TRUE(reach_play());
    play_solution();
    for (int i = 0; i < 400 && GameMode != GM_WIN; i++)
        step();
    ASSERT_EQ(GameMode, GM_WIN);
    testing::internal::CaptureStderr();
    key(SDLK_RETURN);  // Next
    step();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("photo9_cut.jpg: cut short"), std::string::npos) << err;
    EXPECT_EQ(engineMode, MODE_START);
    step();
    screenshot("pictures_cut");
    click(266, 400);  // Play: the four pictures again, now one level
    for (int i = 0; i < 20 && GameMode != GM_CLUE; i++)
        step();
    EXPECT_EQ(engineMode, MODE_GAME);
    EXPECT_STREQ(GameName, "Your pictures");
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
                           folder + "/b_landscape.heic) >/dev/null").c_str()), 0);
    write_photo_webp(folder + "/c_large.webp", 2, 2000, 1500);
    fail_from = 8 << 20;  // its 12 MB of pixels cannot be had
    testing::internal::CaptureStderr();
    open_level(162);
    fail_from = 0;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("c_large.webp: not enough memory to read it"), std::string::npos) << err;
    ASSERT_EQ(GameMode, GM_CLUE);
    screenshot("pictures_phone");
    EXPECT_GT(Pictures[0].h, Pictures[0].w) << "the portrait stands";
    EXPECT_GT(Pictures[1].w, Pictures[1].h);
    expect_upright(1, "AVIF portrait");
    expect_upright(2, "HEIC");
}
