// clue_words_test.cpp -- the rules of a level file in the words its clue image shows
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "clue_words.h"
#include "rules/level_file.h"

// Each case words a match rule and a fail rule, read with the game's parser as
// a fresh load reads them; a goal's note gives its orientation and, in an
// ordered list, its place.
TEST(ClueWords, EveryRuleInWords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"match=1", "Complete this picture / "},
        {"match=1 match=2,3 fail=3", "Complete all of these / Never complete this picture [upside down]"},
        {"mtype=2 mcounter=2 match=1 match=2 fail=4 fail=5",
         "Complete at least 2 of these / Never complete any of these"},
        {"mtype=2 mcounter=0 match=1 ftype=2 fcounter=0 fail=3 fail=4",  // a count of 0 counts as 1
         "Complete at least 1 of these / Never complete any of these"},
        {"mtype=3 match=4,3 match=2 match=7,0 ftype=2 fcounter=2 fail=1 fail=3 fail=5,2",
         "Complete these in this order / Never complete 2 of these [1. upside down] [2] [3. turned left] [turned right]"},
        {"mtype=3 match=1 ftype=3 fail=2 fail=3", "Complete this picture / Never complete all of these"},
        {"mtype=0 match=1 ftype=3 fail=2", "These pictures do not open the door / Never complete this picture"},
        {"match=1 ftype=0 fail=2", "Complete this picture / Completing these loses nothing"},
    };
    for (const auto& [lines, words] : cases) {
        level_reset();
        std::vector<level_picture> pics;
        std::istringstream in(lines);
        for (std::string line; in >> line;)
            level_parse_line(line.c_str(), 1, pics);
        const ClueWords w = clue_words();
        std::string said = english(w.match_rule) + " / " + english(w.fail_rule);
        for (const auto* notes : {&w.match_notes, &w.fail_notes})
            for (const Said& note : *notes)
                said += english(note).empty() ? "" : " [" + english(note) + "]";
        EXPECT_EQ(said, words) << lines;
    }
}
