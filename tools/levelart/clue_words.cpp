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

// The calls that mark English for xgettext (keywords N_ and tr_n:1,2): the
// words are looked up when each language's overlay is painted.
constexpr const char* N_(const char* english) { return english; }
Said tr_n(const char* singular, const char* plural, int n)
{
    return {singular, plural, static_cast<unsigned long>(n), {{std::to_string(n), false}}};
}

Said say(const char* english) { return {english, "", 0, {}}; }

Said match_rule(int goals)
{
    switch (MatchType) {
    case 1:
        return say(goals == 1 ? N_("Complete this picture") : N_("Complete all of these"));
    case 2: {
        const int n = at_least_one(MatchCounter);
        // TRANSLATORS: a clue image's goal: any n of the pictures below win the level.
        return tr_n("Complete at least %d of these", "Complete at least %d of these", n);
    }
    case 3:
        return say(goals == 1 ? N_("Complete this picture") : N_("Complete these in this order"));
    default:
        return say(N_("These pictures do not open the door"));  // no match rule: the level is never won
    }
}

Said fail_rule(int fails)
{
    switch (FailType) {
    case 1:
        return say(fails == 1 ? N_("Never complete this picture") : N_("Never complete any of these"));
    case 2: {
        const int n = at_least_one(FailCounter);
        if (fails == 1 && n == 1)
            return say(N_("Never complete this picture"));
        if (n == 1)
            return say(N_("Never complete any of these"));
        // TRANSLATORS: a clue image's rule: the level is lost when n of the pictures below stand whole.
        return tr_n("Never complete %d of these", "Never complete %d of these", n);
    }
    case 3:
        return say(fails == 1 ? N_("Never complete this picture") : N_("Never complete all of these"));
    default:
        return say(N_("Completing these loses nothing"));  // no fail rule: forbidden in name only
    }
}

}  // namespace

std::string english(const Said& s)
{
    const std::string& form = s.plural.empty() || s.n == 1 ? s.english : s.plural;
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < form.size(); i++) {
        if (form[i] != '%' || i + 1 >= form.size()) {
            out += form[i];
            continue;
        }
        std::size_t j = i + 1;
        std::string width;
        while (j < form.size() && (form[j] == '0' || (form[j] >= '1' && form[j] <= '9')))
            width += form[j++];
        std::string v = next < s.args.size() ? s.args[next++].text : "";
        const std::size_t w = width.empty() ? 0 : static_cast<std::size_t>(std::stoi(width));
        if (v.size() < w)
            v.insert(0, w - v.size(), width[0] == '0' ? '0' : ' ');
        out += v;
        i = j;
    }
    return out;
}

const char* orientation_words(int code)
{
    switch (code) {
    case 2:
        return N_("turned right");
    case 3:
        return N_("upside down");
    case 0:
        return N_("turned left");
    default:
        return "";
    }
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
        const std::string turned = orientation_words(e.direction);
        Said note = say(turned.c_str());
        if (MatchType == 3 && goals > 1) {
            const std::string place = std::to_string(++number);
            // TRANSLATORS: under a goal picture of an ordered list: its place, then how it must lie.
            note = say(!turned.empty() ? N_("%s. %s") : "%s");
            note.args = {{place, false}, {turned, true}};
        }
        w.match_notes.push_back(note);
    }
    if (fails > 0) {
        w.fail_rule = fail_rule(fails);
        for (const matchfail& e : Fail)
            if (e.id != 0)
                w.fail_notes.push_back(say(orientation_words(e.direction)));
    }
    const int s = GameTimeTotal;
    // TRANSLATORS: the last line of a clue image: how the tiles lie, then the level's time in minutes:seconds.
    w.turning_and_time = say(GameRotate ? N_("Tiles lie turned: the right mouse button turns them   -   Time: %d:%02d")
                                        : N_("Every tile lies upright   -   Time: %d:%02d"));
    w.turning_and_time.args = {{std::to_string(s / 60), false}, {std::to_string(s % 60), false}};
    return w;
}
