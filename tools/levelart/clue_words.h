// clue_words.h -- a level's rules in words, as its clue image states them; free of SDL
#pragma once

#include <string>
#include <vector>

// A sentence of the clue image as the catalogs hold it: English (a msgid,
// with printf conversions), its plural form where a count n picks the form,
// and the arguments of its conversions: numbers, or English looked up too.
struct Said {
    std::string english, plural;
    unsigned long n = 0;
    struct Arg {
        std::string text;
        bool look_up;
    };
    std::vector<Arg> args;
};

// The sentence as English says it.
std::string english(const Said& s);

// What the clue image says about the level the parser read last.
struct ClueWords {
    Said match_rule;               // e.g. "Complete at least 2 of these"
    std::vector<Said> match_notes;  // one per goal: its number in an ordered list, its orientation
    Said fail_rule;                // empty when the level has no forbidden picture
    std::vector<Said> fail_notes;
    Said turning_and_time;         // whether tiles can be turned, and the time
};

// Reads the rules from the parser's globals (MatchType, MatchCounter,
// FailType, FailCounter, Match, Fail, GameRotate, GameTimeTotal).
ClueWords clue_words();

// "" for upright (1), "turned right" (2), "upside down" (3), "turned left" (0).
const char* orientation_words(int code);
