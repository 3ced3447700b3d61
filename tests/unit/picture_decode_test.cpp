// picture_decode_test.cpp -- the player's pictures decoded: HEIC and AVIF made by
// their own tools and stood up as libheif's own converter shows them, every cut of
// one refused, and the memory budget the decoding threads share; the game's own
// images of every kind read as ImageMagick writes and reads them
#include <gtest/gtest.h>

#include <atomic>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "rules/decode_budget.h"
#include "rules/image_decode.h"
#include "rules/picture_intake.h"
#include "rules/picture_set.h"

namespace fs = std::filesystem;

namespace {

struct PictureFiles : testing::Test {
    fs::path dir = fs::temp_directory_path() / ("cryptsliders-decode-" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    // Runs a command in the scratch directory; false when it fails.
    bool run(const std::string& cmd) const { return std::system(("cd '" + dir.string() + "' && (" + cmd + ") >/dev/null 2>&1").c_str()) == 0; }
    std::vector<std::uint8_t> bytes(const std::string& name) const
    {
        std::ifstream f(at(name), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
    }
};

}  // namespace

// A picture of three colours whose channels all differ, 48 x 32, as AVIF with
// every turn and mirror its encoder writes: the scan's size and the intake's
// pixels are those that libheif's converter makes of the same file.
TEST_F(PictureFiles, AvifTurnsAndMirrorsStandAsLibheifShowsThem)
{
    ASSERT_TRUE(run("convert -size 48x32 xc:'rgb(200,40,40)' -fill 'rgb(40,200,60)' -draw 'rectangle 24,0 47,15' "
                    "-fill 'rgb(30,60,210)' -draw 'rectangle 0,16 23,31' src.png"));
    for (int rot = 0; rot < 4; rot++)
        for (const char* mir : {"", "0", "1"}) {
            std::string name = "r" + std::to_string(rot) + "m" + mir, flags = "--irot " + std::to_string(rot);
            if (*mir)
                flags += std::string(" --imir ") + mir;
            ASSERT_TRUE(run("avifenc -s 10 " + flags + " src.png " + name + ".avif && heif-convert " + name + ".avif " +
                            name + ".png && convert " + name + ".png -depth 8 rgb:" + name + ".rgb")) << name;
            picture_scan scan = picture_scan_paths({at(name + ".avif")});
            ASSERT_EQ(scan.files.size(), 1u) << name;
            int w = rot % 2 ? 32 : 48, h = rot % 2 ? 48 : 32;
            EXPECT_TRUE(scan.files[0].w == w && scan.files[0].h == h) << name;
            std::vector<std::uint8_t> file = bytes(name + ".avif"), want = bytes(name + ".rgb");
            intake_header head;
            intake_image img;
            ASSERT_EQ(intake_read(file.data(), file.size(), &head, &img, 64), nullptr) << name;
            ASSERT_TRUE(img.w == w && img.h == h && want.size() == size_t(w) * h * 3) << name;
            int off = 0;
            for (size_t i = 0; i < want.size(); i++)
                off = std::max(off, std::abs(img.rgba[i / 3 * 4 + i % 3] - want[i]));
            EXPECT_LE(off, 3) << name;
        }
}

// A HEIC cut anywhere, in its boxes or its picture, is refused with a reason.
TEST_F(PictureFiles, CutHeicRefusedWithAReason)
{
    ASSERT_TRUE(run("convert -size 64x48 plasma:red-blue src.png && heif-enc -q 60 src.png -o whole.heic"));
    std::vector<std::uint8_t> file = bytes("whole.heic");
    intake_header head;
    intake_image img;
    ASSERT_EQ(intake_read(file.data(), file.size(), &head, &img), nullptr);
    for (size_t cut = 1; cut < file.size(); cut += std::max<size_t>(1, file.size() / 97)) {
        const char* why = intake_read(file.data(), cut, &head, &img);
        ASSERT_NE(why, nullptr) << cut << " of " << file.size();
        EXPECT_GT(std::strlen(why), 4u);
    }
}

// Shares wait for their turn and never hold more than the budget together; a
// share larger than all of it waits for all of it. The scan refuses a picture
// whose file and decode together take more than the budget, and no picture
// just within it.
TEST_F(PictureFiles, BudgetSharesWaitAndTheScanRefusesWhatCannotFit)
{
    decode_budget_set_total(100);
    std::atomic<std::uint64_t> most{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; i++)
        threads.emplace_back([&most, i] {
            decode_share share(i == 3 ? 1000 : 31 + i);
            std::uint64_t now = decode_budget_in_use();
            for (std::uint64_t m = most; now > m && !most.compare_exchange_weak(m, now);) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_LE(most, 100u);
    EXPECT_EQ(decode_budget_in_use(), 0u);

    ASSERT_TRUE(run("convert -size 640x480 plasma: -define webp:lossless=true photo.webp"));
    decode_budget_set_total(DECODE_BUDGET_BYTES);
    picture_scan scan = picture_scan_paths({at("photo.webp")});
    ASSERT_EQ(scan.files.size(), 1u);
    std::uint64_t need = scan.files[0].size + scan.files[0].decode_bytes;  // the file is held as it is decoded
    decode_budget_set_total(need);
    EXPECT_EQ(picture_scan_paths({at("photo.webp")}).files.size(), 1u);
    decode_budget_set_total(need - 1);
    scan = picture_scan_paths({at("photo.webp")});
    ASSERT_EQ(scan.skipped.size(), 1u);
    EXPECT_EQ(scan.skipped[0].why, "too large to decode in the memory a picture may take");
    decode_budget_set_total(DECODE_BUDGET_BYTES);
}

// The game's own images of each kind ImageMagick writes read to the pixels it
// reads back (16-bit samples rounded to 8). As a texture (B, G, R, A, padded),
// an image without alpha loses its pure black alone and one with a transparent
// palette entry keeps it; one larger than its texture is cut at the texture's
// edge; a PNG that ends before its end chunk is refused.
TEST_F(PictureFiles, GameImagesOfEveryKindReadAsWritten)
{
    ASSERT_TRUE(run("convert -size 24x16 xc:'rgb(200,40,90)' -fill black -draw 'rectangle 0,0 3,3' "
                    "-fill 'rgb(30,160,220)' -draw 'rectangle 12,0 23,15' src.png"));
    const std::pair<const char*, const char*> kinds[] = {
        {"rgb.png", "PNG24:"}, {"rgb16.png", "-depth 16 PNG48:"}, {"grey.png", "-colorspace Gray -define png:color-type=0 "},
        {"palette.png", "-transparent 'rgb(30,160,220)' PNG8:"}, {"interlaced.png", "-interlace PNG -alpha set -channel A -evaluate set 40% +channel PNG32:"},
        {"lossless.webp", "-define webp:lossless=true "}};
    for (const auto& [name, how] : kinds) {
        std::string file = name;
        ASSERT_TRUE(run("convert src.png " + std::string(how) + file + " && convert " + file + " -depth 8 rgba:" + file + ".rgba")) << file;
        image_rgba image;
        ASSERT_EQ(image_decode_file(at(file).c_str(), &image), nullptr) << file;
        EXPECT_EQ(image.rgba, bytes(file + ".rgba")) << file;
        std::vector<std::uint8_t> tex(32 * 32 * 4, 7);
        image_texture_bgra(image, 32, 32, tex.data());
        auto texel = [&](int x, int y) { return std::vector<std::uint8_t>(&tex[(y * 32 + x) * 4], &tex[(y * 32 + x) * 4 + 4]); };
        const std::uint8_t* red = &image.rgba[(8 * 24 + 6) * 4];
        EXPECT_EQ(texel(6, 8), (std::vector<std::uint8_t>{red[2], red[1], red[0], image.own_alpha ? red[3] : std::uint8_t{255}})) << file;
        EXPECT_EQ(texel(1, 1)[3], image.own_alpha ? image.rgba[(1 * 24 + 1) * 4 + 3] : 0) << file << ": pure black";
        EXPECT_EQ(texel(20, 8)[3], file == "palette.png" ? 0 : texel(6, 8)[3]) << file << ": the transparent colour";
        EXPECT_EQ(texel(30, 20), std::vector<std::uint8_t>(4, 0)) << file << ": the padding";
        std::vector<std::uint8_t> cut(16 * 8 * 4);
        image_texture_bgra(image, 16, 8, cut.data());
        EXPECT_EQ(cut[(7 * 16 + 15) * 4 + 1], image.rgba[(7 * 24 + 15) * 4 + 1]) << file << ": cut at the texture's edge";
    }
    std::vector<std::uint8_t> png = bytes("rgb.png");
    image_rgba cut;
    EXPECT_NE(image_decode(png.data(), png.size() - 1, &cut), nullptr);
}
