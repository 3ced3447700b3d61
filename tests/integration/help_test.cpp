// help_test.cpp -- the help panel: when it opens, paging, the caption and each page drawn
#include "engine_fixture.h"

#include <filesystem>
#include <fstream>

#include "common.h"
#include "help.h"
#include "game_fixture.h"

namespace {


// What the caption draws: the pixels around its centre (320, 372) that differ
// from the frame and page drawn alone.
struct caption_pixels {
    int count = 0, yellow = 0, x0 = 640, x1 = -1;
};

// A help file of the test's own: data=1,2 data=3,3 data=5,4 data=8,5.
class HelpPanel : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        std::filesystem::remove("data/help/help.dat");  // the shipped file, linked in
        std::ofstream("data/help/help.dat") << "data=1,2\ndata=3,3\ndata=5,4\ndata=8,5\n";
        ASSERT_EQ(help_init(), 1);
    }

    caption_pixels caption()
    {
        Uint8 page = current_help_screen;
        draw([page] {
            ot_blit(20, 64, 48, nullptr);
            ot_blit_trans(20 + page, 64, 48, nullptr);
        });
        std::vector<rgba8> bare = last_frame;
        draw([] { help_display(); });
        caption_pixels c;
        for (int y = 352; y < 392; y++)
            for (int x = 64; x < 576; x++) {
                size_t i = static_cast<size_t>(y * 640 + x);
                if (near(last_frame[i], bare[i], 30))
                    continue;
                c.count++;
                c.x0 = std::min(c.x0, x);
                c.x1 = std::max(c.x1, x);
                const rgba8& p = last_frame[i];
                if (p.r > 200 && p.g > 200 && p.b < 60)
                    c.yellow++;
            }
        return c;
    }
};

TEST_F(HelpPanel, OpensOnTheLevelsTheFileMarksAtTheirFirstNewPage)
{
    const struct {
        int level;
        Uint8 opens, page;
        const char* caption;
    } cases[] = {
        {1, 1, 1, "Help screen (1/2)"}, {2, 0, 1, nullptr}, {3, 1, 3, "Help screen (3/3)"},
        {4, 0, 3, nullptr},             {5, 1, 4, "Help screen (4/4)"}, {8, 1, 5, "Help screen (5/5)"},
        {9, 0, 5, nullptr},             {0, 0, 5, nullptr},             {51, 0, 5, nullptr},
        {256 + 3, 1, 3, "Help screen (3/3)"},  // levels are read as 8 bits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(help_should_display(c.level), c.opens) << c.level;
        EXPECT_EQ(current_help_screen, c.page) << c.level;
        if (c.caption) {
            EXPECT_STREQ(help_caption(), c.caption) << c.level;
        }
    }
}

TEST_F(HelpPanel, PagesStopAtBothEndsWithTheCaptionRebuilt)
{
    EXPECT_STREQ(help_caption(), "Help screen (1/2)") << "as built at start-up";
    help_should_display(3);
    help_next(3);
    EXPECT_EQ(current_help_screen, 3);
    help_prev(3);
    EXPECT_STREQ(help_caption(), "Help screen (2/3)");
    help_prev(3);
    help_prev(3);
    EXPECT_EQ(current_help_screen, 1);
    EXPECT_STREQ(help_caption(), "Help screen (1/3)");
    help_next(3);
    help_next(3);
    help_next(3);
    EXPECT_EQ(current_help_screen, 3);
    EXPECT_STREQ(help_caption(), "Help screen (3/3)");
    help_next(0);  // a level the file cannot hold pages nowhere
    help_next(51);
    EXPECT_EQ(current_help_screen, 3);
}

// Every page over the frame, captioned in yellow and centred on x = 320.
TEST_F(HelpPanel, EachPageShowsWithItsCaption)
{
    ASSERT_EQ(help_should_display(1), 1);
    for (int page = 1; page <= 5; page++) {
        if (page > 1)
            help_next(8);
        ASSERT_EQ(current_help_screen, page);
        caption_pixels c = caption();
        EXPECT_GT(c.count, 100) << "page " << page;
        EXPECT_GT(c.yellow, c.count / 4) << "page " << page;
        EXPECT_NEAR((c.x0 + c.x1) / 2, 320, 3) << "page " << page;
        draw([] { help_display(); });
        screenshot("help_page" + std::to_string(page));
    }
    // Paging back draws the page before (its number differs in the image).
    std::vector<rgba8> fifth = last_frame;
    help_prev(8);
    draw([] { help_display(); });
    int differ = 0;
    for (size_t i = 0; i < fifth.size(); i++)
        differ += !near(fifth[i], last_frame[i], 10);
    EXPECT_GT(differ, 100);
}

class HelpWithFile : public EngineTest {
protected:
    void write_and_load(const char* text)
    {
        std::filesystem::remove("data/help/help.dat");
        std::ofstream("data/help/help.dat") << text;
        ASSERT_EQ(help_init(), 1);
    }
};

TEST_F(HelpWithFile, ExampleLinesOpenOnLevelsOneAndFour)
{
    write_and_load("data=1,2\nData=4,3\n");
    const Uint8 opens[] = {0, 1, 0, 0, 1, 0};
    for (int level = 1; level <= 5; level++)
        EXPECT_EQ(help_should_display(level), opens[level]) << level;
    help_should_display(4);
    EXPECT_STREQ(help_caption(), "Help screen (3/3)");
}

TEST_F(HelpWithFile, EmptyFileLoadsAndNothingOpens)
{
    write_and_load("");
    for (int level = 1; level <= 50; level++)
        EXPECT_EQ(help_should_display(level), 0) << level;
    write_and_load("data=1,3\ndata=51,4\n");
    EXPECT_EQ(help_should_display(1), 1);
    for (int level = 2; level <= 50; level++)
        EXPECT_EQ(help_should_display(level), 0) << level;
    help_next(20);
    help_next(20);
    help_next(20);
    EXPECT_EQ(current_help_screen, 3) << "later levels still offer pages 1 to 3";
}

}  // namespace

// The help opened with its button shows the caption of the level it opens on.
TEST_F(GameTest, HelpButtonCaptionsTheLevelsOwnPages)
{
    enter_level(12);  // reached by password: the help has not opened on the way
    ASSERT_TRUE(reach_play());
    click(620, 10);
    ASSERT_EQ(GameMode, GM_HELP);
    EXPECT_STREQ(help_caption(), "Help screen (1/5)");
}
