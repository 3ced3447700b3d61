// words_test.cpp -- the words of the images in every language built: each drawn within
// its room, and each overlay's ink where its records say words were drawn
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "rules/image_decode.h"

namespace fs = std::filesystem;

namespace {

const fs::path BUILD = CRYPT_BUILD_DIR, DATA = BUILD / "data";

struct Box {
    double x, y, w, h;
    bool holds(const Box& b, double slack) const
    {
        return b.x >= x - slack && b.y >= y - slack && b.x + b.w <= x + w + slack && b.y + b.h <= y + h + slack;
    }
};

// The rooms recorded for each overlay of one language and set.
std::map<std::string, std::vector<Box>> rooms(const fs::path& tsv, int scale)
{
    std::map<std::string, std::vector<Box>> out;
    std::ifstream in(tsv);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        std::istringstream cells(line);
        for (std::string c; std::getline(cells, c, '\t');)
            f.push_back(c);
        if (f.size() != 12u) {
            ADD_FAILURE() << tsv << ": " << line;
            continue;
        }
        auto box = [&](std::size_t i) {
            return Box{std::stod(f[i]), std::stod(f[i + 1]), std::stod(f[i + 2]), std::stod(f[i + 3])};
        };
        const Box room = box(2), ink = box(6);
        // Rounding to whole pixels may put the ink a pixel beyond its room.
        EXPECT_TRUE(room.holds(ink, 1)) << tsv.filename() << ": \"" << f[1] << "\" in " << f[0];
        EXPECT_GE(std::stod(f[10]), 10.9 * scale) << tsv.filename() << ": \"" << f[1] << "\" is set too small";
        out[f[0]].push_back(room);
    }
    EXPECT_FALSE(out.empty()) << tsv;
    return out;
}

image_rgba decoded(const fs::path& p)
{
    image_rgba image;
    EXPECT_EQ(image_decode_file(p.c_str(), &image), nullptr) << p;
    return image;
}

}  // namespace

// For each language built and each set, every string's ink lies in its
// room, and every pixel an overlay paints lies in a room recorded for its
// image (widened by the shadows the faces cast): the records tell the truth.
// English has an overlay of every image with words.
TEST(ImageWords, EveryOverlayPaintsOnlyInItsRooms)
{
    int languages = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(BUILD / "words")) {
        const std::string name = e.path().stem().string();
        if (e.path().extension() != ".tsv")
            continue;
        const bool twice = name.size() > 3 && name.substr(name.size() - 3) == "@2x";
        const std::string lang = twice ? name.substr(0, name.size() - 3) : name;
        const int scale = twice ? 2 : 1;
        languages += !twice;
        const auto recorded = rooms(e.path(), scale);
        for (const auto& [image, boxes] : recorded) {
            if (lang == "en") {
                EXPECT_TRUE(fs::exists(DATA / "words/en" / image)) << image;
            }
            const fs::path overlay = DATA / "words" / lang / image;
            if (!fs::exists(overlay))
                continue;  // its words are English's
            const image_rgba png = decoded(overlay);
            ASSERT_TRUE(png.own_alpha) << overlay;
            const double shadow = 4 * scale;
            int strays = 0;
            for (int y = 0; y < png.h; y++)
                for (int x = 0; x < png.w; x++) {
                    const Box at{x + 0.5, y + 0.5, 0, 0};
                    const bool painted = png.rgba[(std::size_t(y) * png.w + x) * 4 + 3] != 0;
                    strays += painted && std::none_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.holds(at, shadow); });
                }
            EXPECT_EQ(strays, 0) << overlay << ": pixels outside every room recorded";
        }
        // An overlay without records paints where nobody looked.
        const fs::path dir = DATA / "words" / lang;
        if (!fs::exists(dir))
            continue;
        for (const fs::directory_entry& o : fs::recursive_directory_iterator(dir))
            if (o.is_regular_file() && (o.path().stem().string().find("@2x") != std::string::npos) == twice)
                EXPECT_TRUE(recorded.count(fs::relative(o.path(), dir).string())) << o.path();
    }
    EXPECT_GE(languages, 3) << "English, a language of po/LINGUAS and qps";
}
