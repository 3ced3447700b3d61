// settings_file.cpp -- the settings file's text: reading and writing its four values; free of SDL
#include "settings_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

// A volume line as atof reads it; beyond the float range it becomes an
// infinity instead of an undefined conversion.
static float settings_float(const char* line)
{
    double d = std::strtod(line, nullptr);
    if (d > FLT_MAX)
        return HUGE_VALF;
    if (d < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(d);
}

// A flag line as atoi reads it, kept to its low 8 bits; strtol saturates where
// atoi's overflow would be undefined.
static long settings_long(const char* line)
{
    return std::strtol(line, nullptr, 10);
}

settings_values settings_read(std::FILE* file)
{
    settings_values v;
    char line[1024];
    if (std::fgets(line, sizeof line, file))
        v.sfx = settings_float(line);
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.music = settings_float(line);
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.full_screen = static_cast<std::uint8_t>(settings_long(line));
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.randomize = static_cast<std::int8_t>(settings_long(line));
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.window_scale = static_cast<std::uint8_t>(settings_long(line));
    return v;
}

int settings_format(const settings_values& v, char* buf, std::size_t size)
{
    // A missing line reads back as 0, so the flags are written only as far as
    // the last one that is set, in their order.
    if (v.window_scale != 0)
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n%i\n%i\n", v.sfx, v.music, v.full_screen, v.randomize,
                             v.window_scale);
    if (v.randomize != 0)
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n%i\n", v.sfx, v.music, v.full_screen, v.randomize);
    if (v.full_screen != 0)
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n", v.sfx, v.music, v.full_screen);
    return std::snprintf(buf, size, "%01.02f\n%01.02f\n", v.sfx, v.music);
}

// The directory part of path ("." for a bare file name), and the name after it.
static std::string settings_dir(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

static std::string settings_base(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, through any symbolic links, so that a link the player
// made keeps pointing at the settings (a dangling link names the file to make).
static std::string settings_target(const char* path)
{
    std::string p = path;
    for (int hops = 0; hops < 16; hops++) {
        struct stat st;
        if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        char link[4096];
        ssize_t n = readlink(p.c_str(), link, sizeof link - 1);
        if (n <= 0)
            break;
        link[n] = '\0';
        p = link[0] == '/' ? std::string(link) : settings_dir(p) + "/" + link;
    }
    return p;
}

// A file the player made read-only (or may not write) is theirs to keep.
static bool settings_read_only(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

// Removes temporary files of earlier writes that never reached their rename
// (a crash, a power cut): mkstemp's names, the file's own name, a dot and six
// letters or digits.
static void settings_remove_leftovers(const std::string& path)
{
    std::string dir = settings_dir(path), base = settings_base(path) + ".";
    DIR* d = opendir(dir.c_str());
    if (!d)
        return;
    while (const dirent* e = readdir(d)) {
        const char* name = e->d_name;
        if (std::strlen(name) != base.size() + 6 || std::strncmp(name, base.c_str(), base.size()) != 0)
            continue;
        const char* suffix = name + base.size();
        if (std::all_of(suffix, suffix + 6, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
            unlink((dir + "/" + name).c_str());
    }
    closedir(d);
}

// Permissions for the new file: those of the file it replaces, or what a plain
// fopen would have given (0666 less the umask).
static mode_t settings_mode(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool settings_write(const char* path, const settings_values& v)
{
    // Four short lines; "nan" and large values (up to 3.4e38 with two decimals) still fit.
    char text[256];
    int len = settings_format(v, text, sizeof text);
    if (len < 0 || static_cast<std::size_t>(len) >= sizeof text)
        return false;

    std::string target = settings_target(path);
    if (settings_read_only(target)) {
        std::fprintf(stderr, "%s is read-only: the settings were not saved\n", target.c_str());
        return false;
    }
    settings_remove_leftovers(path);  // earlier versions wrote beside a link, not its target
    if (target != path)
        settings_remove_leftovers(target);
    std::string temp = target + ".XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, settings_mode(target)) == 0;
    std::FILE* file = fdopen(fd, "w");
    if (!file) {
        close(fd);
        unlink(temp.c_str());
        return false;
    }
    // Every step is checked: a full disk shows up at the write, the flush or the sync.
    ok = ok && std::fwrite(text, 1, static_cast<std::size_t>(len), file) == static_cast<std::size_t>(len);
    ok = ok && std::fflush(file) == 0;
    ok = ok && fsync(fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the directory; a failure here
    // leaves a complete file either way, so it is not an error.
    int dir = open(settings_dir(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

float settings_volume_clamp(float volume)
{
    if (!(volume >= 0.0f))  // also catches NaN
        return 0.0f;
    if (volume > 1.0f)
        return 1.0f;
    return volume;
}
