// progress_file.cpp -- the progress file's text: the highest level won and each won level's best time
#include "rules/progress_file.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "rules/file_replace.h"
#include "rules/text_line.h"

// A decimal number within lo..hi at s, followed by one of the stop characters
// (a line end also by the end of the text, for a last line without one); s is
// moved past the number. False for anything else: a sign, overflow, no digits.
static bool progress_number(const char*& s, long lo, long hi, const char* stops, long* out)
{
    if (!std::isdigit(static_cast<unsigned char>(*s)))
        return false;
    errno = 0;
    char* end = nullptr;
    long n = std::strtol(s, &end, 10);
    bool stop = *end == '\0' ? std::strchr(stops, '\n') != nullptr : std::strchr(stops, *end) != nullptr;
    if (errno != 0 || n < lo || n > hi || !stop)
        return false;
    s = end;
    *out = n;
    return true;
}

// Copies a date of the form YYYY-MM-DD at s (then a line end) into out, or
// leaves out empty.
static void progress_date(const char* s, char (&out)[PROGRESS_DATE_SIZE])
{
    out[0] = '\0';
    for (std::size_t i = 0; i < PROGRESS_DATE_SIZE - 1; i++) {
        bool dash = i == 4 || i == 7;
        if (dash ? s[i] != '-' : !std::isdigit(static_cast<unsigned char>(s[i])))
            return;
    }
    if (std::strchr("\r\n", s[PROGRESS_DATE_SIZE - 1]) == nullptr)
        return;
    std::memcpy(out, s, PROGRESS_DATE_SIZE - 1);
    out[PROGRESS_DATE_SIZE - 1] = '\0';
}

// One "best=" line's values, after the key.
static void progress_best_line(progress_values& v, const char* s)
{
    long level = 0, seconds = 0;
    if (!progress_number(s, 1, PROGRESS_LEVELS, ",", &level))
        return;
    s++;
    if (!progress_number(s, 0, PROGRESS_MAX_SECONDS, ",\r\n", &seconds))
        return;
    char date[PROGRESS_DATE_SIZE] = "";
    if (*s == ',')
        progress_date(s + 1, date);
    progress_win(v, static_cast<int>(level), static_cast<std::uint32_t>(seconds), date);
}

static bool progress_key(const char* s)
{
    for (std::size_t i = 0; i < PROGRESS_KEY_SIZE - 1; i++)
        if (!std::isxdigit(static_cast<unsigned char>(s[i])) || std::isupper(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

// One "pictures=" line's values, after the key.
static void progress_set_line(progress_values& v, const char* s)
{
    if (!progress_key(s) || s[PROGRESS_KEY_SIZE - 1] != ',')
        return;
    char key[PROGRESS_KEY_SIZE];
    std::memcpy(key, s, PROGRESS_KEY_SIZE - 1);
    key[PROGRESS_KEY_SIZE - 1] = '\0';
    s += PROGRESS_KEY_SIZE;
    long difficulty = 0, seconds = 0;
    if (!progress_number(s, 0, 2, ",", &difficulty))
        return;
    s++;
    if (!progress_number(s, 0, PROGRESS_MAX_SECONDS, ",\r\n", &seconds))
        return;
    char date[PROGRESS_DATE_SIZE] = "";
    if (*s == ',')
        progress_date(s + 1, date);
    progress_set_win(v, key, static_cast<int>(difficulty), static_cast<std::uint32_t>(seconds), date);
}

progress_values progress_read(std::FILE* file)
{
    progress_values v;
    char line[256];
    bool whole = true;
    while (text_line_read(file, line, sizeof line, &whole)) {
        // None of this file's lines is longer than the buffer: one that is,
        // is damaged and skipped.
        if (!whole)
            continue;
        if (strncasecmp(line, "reached=", 8) == 0) {
            const char* s = line + 8;
            long n = 0;
            if (progress_number(s, 0, PROGRESS_LEVELS, "\r\n", &n) && n > v.reached)
                v.reached = static_cast<int>(n);
        } else if (strncasecmp(line, "best=", 5) == 0) {
            progress_best_line(v, line + 5);
        } else if (strncasecmp(line, "pictures=", 9) == 0) {
            progress_set_line(v, line + 9);
        }
    }
    return v;
}

int progress_format(const progress_values& v, char* buf, std::size_t size)
{
    int total = std::snprintf(buf, size, "# CryptSLIDERS progress: the highest level won, then each won level's best\n"
                                         "# time as best=LEVEL,SECONDS,DATE; sets of your own pictures as\n"
                                         "# pictures=KEY,DIFFICULTY,SECONDS,DATE\nreached=%d\n", v.reached);
    for (int i = 0; i < PROGRESS_LEVELS && total >= 0; i++) {
        const progress_best& b = v.best[static_cast<std::size_t>(i)];
        if (!b.set)
            continue;
        std::size_t used = static_cast<std::size_t>(total) < size ? static_cast<std::size_t>(total) : size;
        int n = std::snprintf(buf + used, size - used, "best=%d,%u,%s\n", i + 1, static_cast<unsigned>(b.seconds), b.date);
        total = n < 0 ? n : total + n;
    }
    for (int i = 0; i < v.set_count && total >= 0; i++) {
        const progress_set& p = v.sets[static_cast<std::size_t>(i)];
        std::size_t used = static_cast<std::size_t>(total) < size ? static_cast<std::size_t>(total) : size;
        int n = std::snprintf(buf + used, size - used, "pictures=%s,%d,%u,%s\n", p.key, p.difficulty,
                              static_cast<unsigned>(p.best.seconds), p.best.date);
        total = n < 0 ? n : total + n;
    }
    return total;
}

// The index of the set's entry at the difficulty, or -1.
static int progress_set_find(const progress_values& v, const char* key, int difficulty)
{
    for (int i = 0; i < v.set_count; i++) {
        const progress_set& p = v.sets[static_cast<std::size_t>(i)];
        if (p.difficulty == difficulty && std::strcmp(p.key, key) == 0)
            return i;
    }
    return -1;
}

const progress_best* progress_set_best(const progress_values& v, const char* key, int difficulty)
{
    int i = progress_set_find(v, key, difficulty);
    return i < 0 ? nullptr : &v.sets[static_cast<std::size_t>(i)].best;
}

bool progress_set_win(progress_values& v, const char* key, int difficulty, std::uint32_t seconds, const char* date)
{
    if (!progress_key(key) || key[PROGRESS_KEY_SIZE - 1] != '\0' || difficulty < 0 || difficulty > 2)
        return false;
    int found = progress_set_find(v, key, difficulty);
    progress_set* p = found < 0 ? nullptr : &v.sets[static_cast<std::size_t>(found)];
    if (p && p->best.seconds <= seconds)
        return false;
    if (!p && v.set_count < PROGRESS_SETS) {
        p = &v.sets[static_cast<std::size_t>(v.set_count++)];
    } else if (!p) {
        // Full: the set won longest ago makes room (an undated one first).
        p = &v.sets[0];
        for (progress_set& q : v.sets)
            if (std::strcmp(q.best.date, p->best.date) < 0)
                p = &q;
    }
    std::memcpy(p->key, key, PROGRESS_KEY_SIZE);
    p->difficulty = difficulty;
    p->best.set = true;
    p->best.seconds = seconds > PROGRESS_MAX_SECONDS ? PROGRESS_MAX_SECONDS : seconds;
    std::snprintf(p->best.date, sizeof p->best.date, "%s", date);
    return true;
}

bool progress_win(progress_values& v, int level, std::uint32_t seconds, const char* date)
{
    if (level < 1 || level > PROGRESS_LEVELS)
        return false;
    if (level > v.reached)
        v.reached = level;
    progress_best& b = v.best[static_cast<std::size_t>(level - 1)];
    if (b.set && b.seconds <= seconds)
        return false;
    b.set = true;
    b.seconds = seconds > PROGRESS_MAX_SECONDS ? PROGRESS_MAX_SECONDS : seconds;
    std::snprintf(b.date, sizeof b.date, "%s", date);
    return true;
}

void progress_merge(progress_values& v, const progress_values& other)
{
    if (other.reached > v.reached)
        v.reached = other.reached;
    for (int level = 1; level <= PROGRESS_LEVELS; level++) {
        const progress_best& b = other.best[static_cast<std::size_t>(level - 1)];
        if (b.set)
            progress_win(v, level, b.seconds, b.date);
    }
    for (int i = 0; i < other.set_count; i++) {
        const progress_set& s = other.sets[static_cast<std::size_t>(i)];
        progress_set_win(v, s.key, s.difficulty, s.best.seconds, s.best.date);
    }
}

bool progress_write(const char* path, const progress_values& v)
{
    char text[PROGRESS_TEXT_SIZE];
    int len = progress_format(v, text, sizeof text);
    if (len < 0 || static_cast<std::size_t>(len) >= sizeof text)
        return false;
    return file_replace(path, text, static_cast<std::size_t>(len));
}
