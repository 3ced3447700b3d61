// picture_set.cpp -- the player's picture files: where they are looked for, which of
// them can be read (and why the others cannot), and the set being played, a level
// of up to ten of them at a time
#include "rules/picture_set.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rules/decode_budget.h"
#include "rules/picture_intake.h"
#include "rules/picture_level.h"

namespace {

// Bytes read of a file to judge its header: a camera's JPEG puts a thumbnail
// of up to 64 KB before its frame header.
constexpr std::size_t HEAD_BYTES = 256 * 1024;

std::vector<picture_file> set_files;
int set_difficulty = PICTURE_MEDIUM;
int set_level = 0;

// "$HOME/Pictures" and "/abs/path" as user-dirs.dirs writes them.
std::string user_dir_value(const char* value, const std::string& home)
{
    const char* s = std::strchr(value, '"');
    if (!s)
        return "";
    std::string v(s + 1);
    v = v.substr(0, v.find('"'));
    if (v.compare(0, 5, "$HOME") == 0)
        return home + v.substr(5);
    return v.empty() || v[0] != '/' ? "" : v;
}

// Why a path cannot be opened as a picture file, from what stat says.
const char* stat_problem(const std::string& path, struct stat* st)
{
    if (stat(path.c_str(), st) != 0)
        return errno == ELOOP ? "a loop of links" : errno == EACCES ? "not readable" : "no such file";
    if (S_ISDIR(st->st_mode))
        return "a folder, not a picture";
    if (!S_ISREG(st->st_mode))
        return "not a file (a device or a pipe)";
    if (st->st_size == 0)
        return "an empty file";
    return nullptr;
}

// Opens a regular file only: O_NONBLOCK so that a pipe swapped in after the
// check cannot hang the game, and fstat again on what was opened.
const char* read_bytes(const std::string& path, std::size_t limit, std::vector<std::uint8_t>* out,
                       std::uint64_t* file_size)
{
    struct stat st;
    if (const char* why = stat_problem(path, &st))
        return why;
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return "not readable";
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return "not a file (a device or a pipe)";
    }
    *file_size = static_cast<std::uint64_t>(st.st_size);
    std::size_t want = std::min<std::uint64_t>(limit, *file_size);
    out->resize(want);
    std::size_t got = 0;
    while (got < want) {
        ssize_t n = read(fd, out->data() + got, want - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    close(fd);
    out->resize(got);
    if (got == 0)
        return "an empty file";
    return nullptr;
}

void check_file(const std::string& path, picture_scan& scan)
{
    std::vector<std::uint8_t> head;
    std::uint64_t size = 0;
    const char* why = read_bytes(path, HEAD_BYTES, &head, &size);
    intake_header h;
    if (!why && size > INTAKE_MAX_FILE_BYTES)
        why = "too large a file";
    if (!why)
        why = intake_probe(head.data(), head.size(), &h);
    // The file is held whole while it is decoded: its bytes count too.
    if (!why && size + intake_decode_bytes(h, 2 * INTAKE_MAX_SIDE) > decode_budget_total())
        why = "too large to decode in the memory a picture may take";
    if (why) {
        scan.skipped.push_back({path, why});
        return;
    }
    picture_file f;
    f.path = path;
    std::size_t slash = path.find_last_of('/');
    f.name = slash == std::string::npos ? path : path.substr(slash + 1);
    f.size = size;
    intake_oriented_size(h, &f.w, &f.h);
    f.decode_bytes = intake_decode_bytes(h, 2 * INTAKE_MAX_SIDE);
    scan.files.push_back(f);
}

}  // namespace

std::string picture_folder()
{
    const char* home_env = std::getenv("HOME");
    std::string home = home_env ? home_env : "";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string dirs = (config && config[0] == '/' ? std::string(config) : home + "/.config") + "/user-dirs.dirs";
    std::string pictures;
    if (std::FILE* f = std::fopen(dirs.c_str(), "r")) {
        char line[1024];
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, "XDG_PICTURES_DIR=", 17) == 0)
                pictures = user_dir_value(line + 17, home);
        std::fclose(f);
    }
    // A pictures directory set to the home itself means none, as xdg-user-dir treats it.
    if (pictures.empty() || pictures == home || pictures == home + "/")
        pictures = home + "/Pictures";
    return pictures + "/CryptSLIDERS";
}

picture_scan picture_scan_paths(const std::vector<std::string>& paths)
{
    picture_scan scan;
    for (const std::string& path : paths) {
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            check_file(path, scan);
            continue;
        }
        std::vector<std::string> names;
        if (DIR* dir = opendir(path.c_str())) {
            while (dirent* e = readdir(dir))
                if (e->d_name[0] != '.')
                    names.push_back(e->d_name);
            closedir(dir);
        } else {
            scan.skipped.push_back({path, "a folder that cannot be read"});
        }
        std::sort(names.begin(), names.end());
        std::string base = path.empty() || path.back() == '/' ? path : path + "/";
        for (const std::string& name : names)
            check_file(base + name, scan);
    }
    return scan;
}

const char* picture_read_file(const std::string& path, std::vector<std::uint8_t>* out)
{
    std::uint64_t size = 0;
    if (const char* why = read_bytes(path, INTAKE_MAX_FILE_BYTES + 1, out, &size))
        return why;
    if (out->size() > INTAKE_MAX_FILE_BYTES)
        return "too large a file";
    return nullptr;
}

void picture_report(const std::string& path, const char* why)
{
    std::fprintf(stderr, "cryptsliders: %s: %s\n", path.c_str(), why);
}

void picture_set_begin(const std::vector<picture_file>& files, int difficulty)
{
    set_files = files;
    set_difficulty = std::clamp(difficulty, 0, PICTURE_DIFFICULTIES - 1);
    set_level = 0;
}

void picture_set_end()
{
    set_files.clear();
    set_level = 0;
}

bool picture_set_active()
{
    return !set_files.empty();
}

int picture_set_difficulty()
{
    return set_difficulty;
}

int picture_set_level()
{
    return set_level;
}

int picture_set_levels()
{
    int per = PICTURES_PER_LEVEL[set_difficulty];
    return (static_cast<int>(set_files.size()) + per - 1) / per;
}

std::vector<picture_file> picture_set_group()
{
    std::size_t per = static_cast<std::size_t>(PICTURES_PER_LEVEL[set_difficulty]);
    std::size_t first = std::min(set_files.size(), static_cast<std::size_t>(set_level) * per);
    std::size_t last = std::min(set_files.size(), first + per);
    return std::vector<picture_file>(set_files.begin() + static_cast<long>(first), set_files.begin() + static_cast<long>(last));
}

bool picture_set_next()
{
    if (set_level + 1 >= picture_set_levels())
        return false;
    set_level++;
    return true;
}

std::string picture_set_key()
{
    // FNV-1a over each name and size, in the level's order.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    auto mix = [&](const std::string& s) {
        for (unsigned char c : s)
            hash = (hash ^ c) * 0x100000001b3ull;
        hash = (hash ^ 0) * 0x100000001b3ull;
    };
    for (const picture_file& f : picture_set_group()) {
        mix(f.name);
        mix(std::to_string(f.size));
    }
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}
