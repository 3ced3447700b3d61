// progress.cpp -- the player's progress: the highest level won and best times, kept in the progress file
#include "rules/progress.h"

#include <cstdio>
#include <ctime>

static progress_values progress{};

void progress_load()
{
    progress = progress_values{};
    if (std::FILE* file = std::fopen(PROGRESS_FILE, "r")) {
        progress = progress_read(file);
        std::fclose(file);
    }
}

// Today's local date as YYYY-MM-DD, or "" when it cannot be had.
static void progress_today(char (&date)[PROGRESS_DATE_SIZE])
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local) || std::strftime(date, sizeof date, "%Y-%m-%d", &local) == 0)
        date[0] = '\0';
}

progress_result progress_record_set(const char* key, int difficulty, std::uint32_t seconds)
{
    progress_result r{};
    r.had_best = progress_set_time(key, difficulty, &r.best_before);
    char date[PROGRESS_DATE_SIZE] = "";
    progress_today(date);
    r.new_best = progress_set_win(progress, key, difficulty, seconds, date);
    if (r.new_best)
        progress_write(PROGRESS_FILE, progress);
    return r;
}

bool progress_set_time(const char* key, int difficulty, std::uint32_t* seconds)
{
    const progress_best* b = progress_set_best(progress, key, difficulty);
    *seconds = b ? b->seconds : 0;
    return b != nullptr;
}

progress_result progress_record(int level, std::uint32_t seconds)
{
    progress_result r{};
    std::uint32_t best = 0;
    r.had_best = progress_best_time(level, &best);
    r.best_before = best;

    char date[PROGRESS_DATE_SIZE] = "";
    progress_today(date);
    int reached = progress.reached;
    r.new_best = progress_win(progress, level, seconds, date);
    if (r.new_best || progress.reached != reached)
        progress_write(PROGRESS_FILE, progress);  // a file that cannot be written keeps the old record
    return r;
}

int progress_reached()
{
    return progress.reached;
}

bool progress_best_time(int level, std::uint32_t* seconds)
{
    if (level < 1 || level > PROGRESS_LEVELS)
        return false;
    const progress_best& b = progress.best[static_cast<std::size_t>(level - 1)];
    *seconds = b.seconds;
    return b.set;
}
