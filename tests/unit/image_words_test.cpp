// image_words_test.cpp -- an image's words laid over it from the overlay of the language
// in use, English's where that language has none, as ImageMagick composes them
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "rules/image_words.h"

namespace fs = std::filesystem;

namespace {

struct Overlays : testing::Test {
    fs::path dir = fs::temp_directory_path() / ("cryptsliders-words-" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir / "data/words"); }
    void TearDown() override { fs::remove_all(dir); }
    bool run(const std::string& cmd) const
    {
        return std::system(("cd '" + dir.string() + "' && (" + cmd + ") >/dev/null 2>&1").c_str()) == 0;
    }
    image_rgba read(const std::string& name) const
    {
        image_rgba image;
        EXPECT_EQ(image_decode_file((dir / name).c_str(), &image), nullptr) << name;
        return image;
    }
};

// Pixels of 3 x 2 whose channels and alphas all differ, under and over.
const char* const BASE = "-size 3x2 xc:none -fill 'rgba(200,100,50,1)' -draw 'point 0,0' "
                         "-fill 'rgba(40,80,160,0.4)' -draw 'point 1,0' -fill 'rgba(9,250,120,1)' -draw 'point 2,0' "
                         "-fill 'rgba(255,255,255,1)' -draw 'point 0,1' -fill 'rgba(70,20,230,0.8)' -draw 'point 1,1'";
const char* const SHEET = "-size 3x2 xc:none -fill 'rgba(10,20,240,0.5)' -draw 'point 0,0' "
                          "-fill 'rgba(250,10,0,0.78)' -draw 'point 1,0' -fill 'rgba(30,200,90,1)' -draw 'point 0,1' "
                          "-fill 'rgba(120,60,30,0.1)' -draw 'point 1,1' -fill 'rgba(5,6,7,0.3)' -draw 'point 2,1'";

}  // namespace

// The overlay laid over an image (opaque and half-transparent pixels under
// half-transparent and opaque ones) gives ImageMagick's composite of the two files.
TEST_F(Overlays, LaidOverAsImageMagickComposesThem)
{
    ASSERT_TRUE(run(std::string("convert ") + BASE + " PNG32:base.png && convert " + SHEET +
                    " -define webp:lossless=true -define webp:exact=true sheet.webp && "
                    "convert base.png sheet.webp -composite PNG32:want.png"));
    image_rgba image = read("base.png");
    ASSERT_TRUE(image_words_blend(&image, read("sheet.webp")));
    const image_rgba want = read("want.png");
    for (std::size_t i = 0; i < want.rgba.size(); i++)
        EXPECT_NEAR(image.rgba[i], want.rgba[i], 1) << "pixel " << i / 4 << " channel " << i % 4;
    image_rgba small;
    small.w = small.h = 1;
    small.rgba = {1, 2, 3, 255};
    const image_rgba before = image;
    EXPECT_FALSE(image_words_blend(&image, small));
    EXPECT_EQ(image.rgba, before.rgba);
}

// Each image takes the words of the language in use where they are there and
// read at its size, else English's, else none; a language with a country
// tries its language too.
TEST_F(Overlays, EachImageFallsBackToEnglishAlone)
{
    const struct {
        const char* overlay;
        const char* size;
    } files[] = {{"en/base/A.webp", "2x2"}, {"de/base/A.webp", "2x2"}, {"en/base/B@2x.webp", "2x2"},
                 {"pt/base/B@2x.webp", "2x2"}, {"en/base/E.webp", "2x2"}, {"de/base/E.webp", "1x1"}};
    for (const auto& f : files)
        ASSERT_TRUE(run("mkdir -p $(dirname data/words/" + std::string(f.overlay) + ") && convert -size " + f.size +
                        " xc:'rgba(10,200,30,0.5)' -define webp:lossless=true data/words/" + f.overlay));
    const std::string data = (dir / "data").string();
    const struct {
        const char *file, *lang, *laid;
    } cases[] = {
        {"/base/A.png", "de", "de/base/A.webp"},
        {"/base/B@2x.png", "de", "en/base/B@2x.webp"},  // de has A's words, not B's
        {"/base/B@2x.webp", "pt_BR", "pt/base/B@2x.webp"},
        {"/base/E.png", "de", "en/base/E.webp"},  // de's is not the image's size
        {"/base/A.png", "", "en/base/A.webp"},     // English in use
        {"/base/C.png", "de", ""},                // an image without words
    };
    for (const auto& c : cases) {
        image_rgba image;
        image.w = image.h = 2;
        image.rgba.assign(16, 100);
        const std::string laid = image_words_add(data + c.file, c.lang, &image);
        EXPECT_EQ(laid, *c.laid ? data + "/words/" + c.laid : "") << c.file << " in " << c.lang;
        EXPECT_EQ(image.rgba[1] != 100, *c.laid != '\0') << c.file << " in " << c.lang;
    }
    EXPECT_EQ(image_words_path("levels/base/A.png", "de"), "");  // outside a data tree
}
