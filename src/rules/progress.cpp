// progress.cpp -- the player's progress: the highest level won and best times, kept in the progress file
#include "rules/progress.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "rules/file_replace.h"

static progress_values progress{};

// The progress file as it stands now; a missing or unreadable file is no progress.
static progress_values read_file()
{
    progress_values v{};
    if (std::FILE* file = std::fopen(PROGRESS_FILE, "r")) {
        v = progress_read(file);
        std::fclose(file);
    }
    return v;
}

void progress_load()
{
    progress = read_file();
}

// Today's local date as YYYY-MM-DD, or "" when it cannot be had.
static void progress_today(char (&date)[PROGRESS_DATE_SIZE])
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local) || std::strftime(date, sizeof date, "%Y-%m-%d", &local) == 0)
        date[0] = '\0';
}

// A win recorded: another game may have won since this one read the file, so
// under the lock the file is read again, merged, the win applied (by win,
// with today's date) and what is written holds both.
template <class Win>
static progress_result progress_save_win(Win win)
{
    file_lock lock(PROGRESS_FILE);
    progress_values on_disk = read_file();
    progress_merge(progress, on_disk);

    progress_result r{};
    char date[PROGRESS_DATE_SIZE] = "";
    progress_today(date);
    win(r, date);

    char text[PROGRESS_TEXT_SIZE], old_text[PROGRESS_TEXT_SIZE];
    int len = progress_format(progress, text, sizeof text);
    progress_format(on_disk, old_text, sizeof old_text);
    r.saved = std::strcmp(text, old_text) == 0 ||
              (len > 0 && file_replace_locked(lock, PROGRESS_FILE, text, static_cast<std::size_t>(len)));
    return r;
}

progress_result progress_record_set(const char* key, int difficulty, std::uint32_t seconds)
{
    return progress_save_win([&](progress_result& r, const char* date) {
        r.had_best = progress_set_time(key, difficulty, &r.best_before);
        r.new_best = progress_set_win(progress, key, difficulty, seconds, date);
    });
}

bool progress_set_time(const char* key, int difficulty, std::uint32_t* seconds)
{
    const progress_best* b = progress_set_best(progress, key, difficulty);
    *seconds = b ? b->seconds : 0;
    return b != nullptr;
}

progress_result progress_record(int level, std::uint32_t seconds)
{
    return progress_save_win([&](progress_result& r, const char* date) {
        std::uint32_t best = 0;
        r.had_best = progress_best_time(level, &best);
        r.best_before = best;
        r.new_best = progress_win(progress, level, seconds, date);
    });
}

bool progress_save()
{
    return progress_save_win([](progress_result&, const char*) {}).saved;
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
