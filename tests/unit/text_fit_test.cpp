// text_fit_test.cpp -- the game's words in the room they have: every text drawn
// at run time, in every catalog built, fits its box at the font's floor on the
// lines the box allows; and a text too wide shrinks, then breaks in two
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "rules/catalog.h"
#include "rules/text_fit.h"
#include "rules/typeface.h"

namespace fs = std::filesystem;

namespace {

// The game's font at every size a text may take, as the engine measures it.
struct fonts {
    std::map<int, typeface> at;
    ~fonts()
    {
        for (auto& f : at)
            typeface_close(&f.second);
    }
    int width(int size, const std::string& text)
    {
        if (!at.count(size) && !typeface_open(&at[size], GAME_FONT, size))
            ADD_FAILURE() << "the font at " << size << " px";
        return typeface_width(at[size], text);
    }
    text_layout fit(const std::string& text, text_font font, text_box box)
    {
        return text_fit(text, font, box, [this](int size, const std::string& t) { return width(size, t); });
    }
};

// The level titles of the built data tree.
std::vector<std::string> level_titles()
{
    std::vector<std::string> titles;
    for (const auto& entry : fs::directory_iterator(fs::path(CRYPT_BUILD_DIR) / "data"))
        if (entry.path().filename().string().rfind("level", 0) == 0) {
            std::ifstream in(entry.path() / "level.dat");
            for (std::string line; std::getline(in, line);)
                if (line.rfind("name=", 0) == 0)
                    titles.push_back(line.substr(5));
        }
    return titles;
}

}  // namespace

TEST(TextFit, EveryShownTextFitsItsBoxInEveryCatalog)
{
    fonts f;
    std::vector<fs::path> catalogs;
    for (const auto& entry : fs::directory_iterator(fs::path(CRYPT_BUILD_DIR) / "locale"))
        catalogs.push_back(entry.path() / "LC_MESSAGES" / "cryptsliders.mo");
    ASSERT_GE(catalogs.size(), 4u) << "de, fr, es and the pseudo-language qps";
    const std::vector<std::string> titles = level_titles();
    ASSERT_GE(titles.size(), 20u);
    for (const fs::path& path : catalogs) {
        catalog c;
        ASSERT_TRUE(catalog_read(path.string(), &c)) << path;
        const std::string language = path.parent_path().parent_path().filename().string();
        auto check = [&](const char* english, const std::string& shown, text_font font, text_box box) {
            text_layout l = f.fit(shown, font, box);
            EXPECT_TRUE(l.fits) << language << ": \"" << english << "\" is \"" << shown << "\", too wide for "
                                << box.width << " pixels on " << box.lines << " line(s) even at " << l.size << " px";
        };
        const unsigned long counts[] = {1, 2, 5};  // a form for each in the common plural rules
        for (const shown_text& t : shown_texts())
            for (int i = 0; i < (t.plural ? 3 : 1); i++) {
                const char* words = t.plural ? catalog_plural(c, t.english, t.plural, counts[i]) : catalog_text(c, t.english);
                check(t.english, text_with_sample(words, t.sample), t.font, t.box);
            }
        for (const std::string& title : titles)
            check(title.c_str(), catalog_text(c, title.c_str()), TEXT_SMALL, LEVEL_TITLE_BOX);
    }
}

TEST(TextFit, ATooWideTextShrinksToItsFloorThenTakesTwoLines)
{
    fonts f;
    const std::string text = "Press a key or button to continue ...";
    const int full = f.width(18, text), floor_w = f.width(14, text);
    text_layout l = f.fit(text, TEXT_SMALL, {full, 2});
    EXPECT_TRUE(l.fits && l.size == 18 && l.lines[1].empty()) << "fits as it is";
    l = f.fit(text, TEXT_SMALL, {full - 1, 2});
    EXPECT_TRUE(l.fits && l.size == 17 && l.lines[1].empty()) << "a pixel less: the next size down";
    EXPECT_FALSE(f.fit(text, TEXT_SMALL, {floor_w - 1, 1}).fits) << "one line at the floor";
    l = f.fit(text, TEXT_SMALL, {floor_w - 1, 2});
    EXPECT_TRUE(l.fits && l.size == 18 && l.lines[0] + " " + l.lines[1] == text) << "two lines at the full size";
    EXPECT_LE(std::max(f.width(18, l.lines[0]), f.width(18, l.lines[1])), floor_w - 1);
    EXPECT_EQ(text_with_sample("%1$s, %2$d of %zu: 100%%", "88"), "88, 88 of 88: 100%");
}
