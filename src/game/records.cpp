// records.cpp -- best times on screen: the time of a won level on the win
// screen, and the level's best time on its clue images
#include <cstdio>

#include "engine/engine.h"
#include "game/game.h"
#include "game/state.h"
#include "rules/level_file.h"
#include "rules/picture_set.h"
#include "rules/progress.h"

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

    char now[16], best[16], line[64];
    game_clock_text(used, now, sizeof now);
    game_clock_text(r.best_before, best, sizeof best);
    if (!r.saved)
        std::snprintf(line, sizeof line, "Time %s - could not be saved", now);
    else if (r.had_best && r.new_best)
        std::snprintf(line, sizeof line, "Time %s - New best time!", now);
    else if (r.had_best)
        std::snprintf(line, sizeof line, "Time %s - best %s", now, best);
    else
        std::snprintf(line, sizeof line, "Time %s", now);
    font_free(&GameWonTime);
    font_make(&GameWonTime, FONT1, line, RECORD_COLOUR);
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
    char best[16], line[48];
    game_clock_text(seconds, best, sizeof best);
    std::snprintf(line, sizeof line, "Best time %s", best);
    font_make(&GameClueBest, FONT1, line, RECORD_COLOUR);
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
