// clue_words_test.cpp -- the rules of a level file in the words its clue image shows
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "clue_words.h"
#include "game/level_file.h"

namespace {

// Reads level lines with the game's parser, as a fresh load does.
ClueWords words_for(const std::string& text)
{
    level_reset();
    GameRotate = 0;
    GameTimeTotal = 0;
    std::vector<level_picture> pics;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        level_parse_line(line.c_str(), 1, pics);
    return clue_words();
}

struct RuleCase {
    const char* lines;
    const char* match_rule;
    const char* fail_rule;
};

}  // namespace

TEST(ClueWords, MatchAndFailRulesInWords)
{
    const RuleCase cases[] = {
        {"match=1\n", "Complete this picture", ""},
        {"match=1\nmatch=2\n", "Complete all of these", ""},
        {"mtype=2\nmcounter=2\nmatch=1\nmatch=2\nmatch=3\n", "Complete at least 2 of these", ""},
        {"mtype=2\nmcounter=0\nmatch=1\nmatch=2\n", "Complete at least 1 of these", ""},  // 0 counts as 1
        {"mtype=3\nmatch=1\nmatch=2\n", "Complete these in this order", ""},
        {"mtype=0\nmatch=1\n", "These pictures do not open the door", ""},
        {"match=1\nfail=2\n", "Complete this picture", "Never complete this picture"},
        {"match=1\nfail=2\nfail=3\n", "Complete this picture", "Never complete any of these"},
        {"match=1\nftype=2\nfcounter=2\nfail=2\nfail=3\nfail=4\n", "Complete this picture", "Never complete 2 of these"},
        {"match=1\nftype=2\nfcounter=0\nfail=2\nfail=3\n", "Complete this picture", "Never complete any of these"},
        {"match=1\nftype=3\nfail=2\nfail=3\n", "Complete this picture", "Never complete all of these"},
        {"match=1\nftype=3\nfail=2\n", "Complete this picture", "Never complete this picture"},
        {"match=1\nftype=0\nfail=2\n", "Complete this picture", "Completing these loses nothing"},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.lines);
        const ClueWords w = words_for(c.lines);
        EXPECT_EQ(w.match_rule, c.match_rule);
        EXPECT_EQ(w.fail_rule, c.fail_rule);
    }
}

TEST(ClueWords, GoalsInOrderAreNumberedWithTheirOrientation)
{
    const ClueWords w = words_for("mtype=3\nmatch=4,3\nmatch=2\nmatch=7,0\nmatch=1,2\n");
    EXPECT_EQ(w.match_notes, (std::vector<std::string>{"1. upside down", "2", "3. turned left", "4. turned right"}));
    // Other rules name only the orientation, and an eleventh goal line is ignored as the game ignores it.
    std::string lines;
    for (int i = 0; i < 11; i++)
        lines += "match=1,3\n";
    const ClueWords all = words_for(lines);
    EXPECT_EQ(all.match_notes.size(), 10u);
    EXPECT_EQ(all.match_notes.front(), "upside down");
    EXPECT_EQ(words_for("match=1\nfail=2,2\n").fail_notes, (std::vector<std::string>{"turned right"}));
}

TEST(ClueWords, TurningAndTime)
{
    ClueWords w = words_for("rotate=1\ntime=150\nmatch=1\n");
    EXPECT_NE(w.turning.find("right mouse button"), std::string::npos) << w.turning;
    EXPECT_EQ(w.time, "Time: 2:30");
    w = words_for("rotate=0\ntime=65\nmatch=1\n");
    EXPECT_EQ(w.turning, "Every tile lies upright");
    EXPECT_EQ(w.time, "Time: 1:05");
    EXPECT_EQ(time_words(0), "Time: 0:00");
    EXPECT_EQ(time_words(900), "Time: 15:00");
    EXPECT_EQ(time_words(65535), "Time: 1092:15");
}
