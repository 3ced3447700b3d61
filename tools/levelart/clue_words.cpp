// clue_words.cpp -- a level's rules in words, as its clue image states them; free of SDL
#include "clue_words.h"

#include "rules/board.h"
#include "rules/level_file.h"

namespace {

int entries(const std::array<matchfail, GOAL_SLOTS>& list)
{
    int n = 0;
    for (const matchfail& e : list)
        n += e.id != 0;
    return n;
}

// The rules count a counter of 0 like 1.
int at_least_one(std::uint8_t counter) { return counter == 0 ? 1 : counter; }

std::string match_rule(int goals)
{
    switch (MatchType) {
    case 1:
        return goals == 1 ? "Complete this picture" : "Complete all of these";
    case 2:
        return "Complete at least " + std::to_string(at_least_one(MatchCounter)) + " of these";
    case 3:
        return goals == 1 ? "Complete this picture" : "Complete these in this order";
    default:
        return "These pictures do not open the door";  // no match rule: the level is never won
    }
}

std::string fail_rule(int fails)
{
    switch (FailType) {
    case 1:
        return fails == 1 ? "Never complete this picture" : "Never complete any of these";
    case 2: {
        const int n = at_least_one(FailCounter);
        if (fails == 1 && n == 1)
            return "Never complete this picture";
        return n == 1 ? "Never complete any of these" : "Never complete " + std::to_string(n) + " of these";
    }
    case 3:
        return fails == 1 ? "Never complete this picture" : "Never complete all of these";
    default:
        return "Completing these loses nothing";  // no fail rule: forbidden in name only
    }
}

}  // namespace

std::string orientation_words(int code)
{
    switch (code) {
    case 2:
        return "turned right";
    case 3:
        return "upside down";
    case 0:
        return "turned left";
    default:
        return "";
    }
}

std::string time_words(int seconds)
{
    const int s = seconds < 0 ? 0 : seconds;
    const int sec = s % 60;
    return "Time: " + std::to_string(s / 60) + (sec < 10 ? ":0" : ":") + std::to_string(sec);
}

ClueWords clue_words()
{
    ClueWords w;
    const int goals = entries(Match), fails = entries(Fail);
    w.match_rule = match_rule(goals);
    int number = 0;
    for (const matchfail& e : Match) {
        if (e.id == 0)
            continue;
        std::string note = orientation_words(e.direction);
        if (MatchType == 3 && goals > 1)
            note = std::to_string(++number) + (note.empty() ? "" : ". " + note);
        w.match_notes.push_back(note);
    }
    if (fails > 0) {
        w.fail_rule = fail_rule(fails);
        for (const matchfail& e : Fail)
            if (e.id != 0)
                w.fail_notes.push_back(orientation_words(e.direction));
    }
    w.turning = GameRotate ? "Tiles lie turned: the right mouse button turns them" : "Every tile lies upright";
    w.time = time_words(GameTimeTotal);
    return w;
}
