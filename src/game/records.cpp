// records.cpp -- best times on screen: the time of a won level on the win
// screen, and the level's best time on its clue images
#include <cstdio>

#include "engine/engine.h"
#include "game/game.h"
#include "game/state.h"
#include "rules/level_file.h"
#include "rules/picture_set.h"
#include "rules/progress.h"
#include "rules/translate.h"

font_s GameWonTime{};          // "Time 2:14 - best 1:58" under the password
static font_s GameClueBest{};  // "Best time 1:58" above the prompt
static const SDL_Color RECORD_COLOUR = {0, 255, 255, 255};  // the clock's and the password's colour
constexpr int CLUE_RECORD_Y = 404;  // above the prompt, in the clue images' dark band

// The timer has stopped on a win: the seconds used (as the clock counted them
// down) are recorded, and the line under the password says how they compare,
// or that the record could not be written (stderr says why).
void game_record_win()
{
    Uint32 total_ms = GameTimeTotal * 1000u;
    Uint32 used = (GameTimeRemaining < total_ms ? total_ms - GameTimeRemaining : 0) / 1000;
    progress_result r = picture_set_active()
                            ? progress_record_set(picture_set_key().c_str(), picture_set_difficulty(), used)
                            : progress_record(GameLevel, used);
    if (r.saved)
        storage_saved(PROGRESS_FILE, progress_save);

    // TRANSLATORS: the win panel's line under the password; %s is the time the level took, as 2:14
    const char* english = N_("Time %s");
    if (!r.saved)
        english = N_("Time %s - could not be saved");
    else if (r.had_best && r.new_best)
        english = N_("Time %s - New best time!");
    else if (r.had_best)
        // TRANSLATORS: the time the level took, then the best time before it, both as 2:14
        english = N_("Time %s - best %s");
    char now[16], best[16], line[160];
    game_clock_text(used, now, sizeof now);
    game_clock_text(r.best_before, best, sizeof best);
    std::snprintf(line, sizeof line, tr(english), now, best);
    font_free(&GameWonTime);
    font_make_for(&GameWonTime, FONT1, line, english, RECORD_COLOUR);
}

// A level loads: its clue images name its best time, when it has one.
void game_record_level()
{
    font_free(&GameClueBest);
    Uint32 seconds = 0;
    bool has = picture_set_active() ? progress_set_time(picture_set_key().c_str(), picture_set_difficulty(), &seconds)
                                    : progress_best_time(GameLevel, &seconds);
    if (!has)
        return;
    char best[16], line[128];
    game_clock_text(seconds, best, sizeof best);
    // TRANSLATORS: on a level's clue image; %s is the level's best time, as 1:58
    std::snprintf(line, sizeof line, tr("Best time %s"), best);
    font_make_for(&GameClueBest, FONT1, line, "Best time %s", RECORD_COLOUR);
}

void game_record_win_draw(int y)
{
    game_display_centred(&GameWonTime, 320, y);
}

void game_record_clue_draw()
{
    if (GameClueBest.texture != 0)
        game_display_centred(&GameClueBest, 320, CLUE_RECORD_Y);
}
