// clue_words.h -- a level's rules in words, as its clue image states them; free of SDL
#pragma once

#include <string>
#include <vector>

// What the clue image says about the level the parser read last.
struct ClueWords {
    std::string match_rule;          // e.g. "Complete at least 2 of these"
    std::vector<std::string> match_notes;  // one per goal: its number in an ordered list, its orientation
    std::string fail_rule;           // empty when the level has no forbidden picture
    std::vector<std::string> fail_notes;
    std::string turning;             // whether tiles can be turned
    std::string time;                // "Time: 2:30"
};

// Reads the rules from the parser's globals (MatchType, MatchCounter,
// FailType, FailCounter, Match, Fail, GameRotate, GameTimeTotal).
ClueWords clue_words();

// "" for upright (1), "turned right" (2), "upside down" (3), "turned left" (0).
std::string orientation_words(int code);
// "Time: 2:30"; whole minutes and seconds.
std::string time_words(int seconds);
