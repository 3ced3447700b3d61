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
#include "rules/translate.h"

namespace {

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
        return errno == ELOOP ? N_("a loop of links") : errno == EACCES ? N_("not readable") : N_("no such file");
    if (S_ISDIR(st->st_mode))
        return N_("a folder, not a picture");
    if (!S_ISREG(st->st_mode))
        return N_("not a file (a device or a pipe)");
    if (st->st_size == 0)
        return N_("an empty file");
    return nullptr;
}

// The bytes of an open file at any offset, as the intake asks for them.
long read_at(void* ctx, std::uint64_t at, std::size_t n, std::uint8_t* out)
{
    for (;;) {
        ssize_t got = pread(*static_cast<const int*>(ctx), out, n, static_cast<off_t>(at));
        if (got >= 0 || errno != EINTR)
            return static_cast<long>(got);
    }
}

// Opens a regular file only, within the size limit: O_NONBLOCK so that a pipe
// swapped in after the check cannot hang the game, and fstat again on what was
// opened. The file as the intake reads it, through *fd (-1 when not opened),
// or why not.
const char* open_picture(const std::string& path, int* fd, intake_source* file)
{
    struct stat st;
    *fd = -1;
    if (const char* why = stat_problem(path, &st))
        return why;
    *fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (*fd < 0)
        return N_("not readable");
    if (fstat(*fd, &st) != 0 || !S_ISREG(st.st_mode))
        return N_("not a file (a device or a pipe)");
    file->size = static_cast<std::uint64_t>(st.st_size);
    file->read = read_at;
    file->ctx = fd;
    return file->size > INTAKE_MAX_FILE_BYTES ? N_("too large a file") : nullptr;
}

// The header is read where it lies: the probe asks for the bytes it needs,
// a few small reads even where megabytes of metadata come first or a TIFF's
// directory lies at the end of a large file.
void check_file(const std::string& path, picture_scan& scan)
{
    int fd;
    intake_source file;
    const char* why = open_picture(path, &fd, &file);
    intake_header h;
    if (!why)
        why = intake_probe(file, &h);
    if (fd >= 0)
        close(fd);
    // The file is held whole while it is decoded: its bytes count too.
    if (!why && file.size + intake_decode_bytes(h) > decode_budget_total())
        why = N_("too large to decode in the memory a picture may take");
    if (why) {
        scan.skipped.push_back({path, why});
        return;
    }
    picture_file f;
    f.path = path;
    std::size_t slash = path.find_last_of('/');
    f.name = slash == std::string::npos ? path : path.substr(slash + 1);
    f.size = file.size;
    intake_oriented_size(h, &f.w, &f.h);
    f.decode_bytes = intake_decode_bytes(h);
    scan.files.push_back(f);
}

}  // namespace

void picture_scan_finish(picture_scan& scan)
{
    std::vector<picture_file> kept;
    std::vector<std::pair<dev_t, ino_t>> ids;
    for (picture_file& f : scan.files) {
        struct stat st;
        bool known = stat(f.path.c_str(), &st) == 0;
        size_t same = kept.size();
        for (size_t i = 0; i < kept.size() && same == kept.size(); i++)
            if (kept[i].path == f.path || (known && ids[i] == std::make_pair(st.st_dev, st.st_ino)))
                same = i;
        if (same < kept.size()) {
            if (kept[same].path == f.path)
                scan.skipped.push_back({f.path, N_("named twice")});
            else
                // TRANSLATORS: why a picture was passed over; %s is the name of the file it is a link to or from
                scan.skipped.push_back({f.path, N_("the same file as %s"), kept[same].name});
            continue;
        }
        ids.emplace_back(known ? st.st_dev : 0, known ? st.st_ino : 0);
        kept.push_back(std::move(f));
    }
    scan.files = std::move(kept);
}

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

std::vector<picture_entry> picture_list_paths(const std::vector<std::string>& paths)
{
    std::vector<picture_entry> entries;
    for (const std::string& path : paths) {
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            entries.push_back({path});
            continue;
        }
        std::vector<std::string> names;
        if (DIR* dir = opendir(path.c_str())) {
            while (dirent* e = readdir(dir))
                if (e->d_name[0] != '.')
                    names.push_back(e->d_name);
            closedir(dir);
        } else {
            entries.push_back({path, N_("a folder that cannot be read")});
        }
        std::sort(names.begin(), names.end());
        std::string base = path.empty() || path.back() == '/' ? path : path + "/";
        for (const std::string& name : names)
            entries.push_back({base + name});
    }
    return entries;
}

void picture_check_entry(const picture_entry& entry, picture_scan& scan)
{
    if (entry.why)
        scan.skipped.push_back({entry.path, entry.why});
    else
        check_file(entry.path, scan);
}

picture_scan picture_scan_paths(const std::vector<std::string>& paths)
{
    picture_scan scan;
    for (const picture_entry& entry : picture_list_paths(paths))
        picture_check_entry(entry, scan);
    picture_scan_finish(scan);
    return scan;
}

const char* picture_read_file(const std::string& path, std::vector<std::uint8_t>* out)
{
    int fd;
    intake_source file;
    const char* why = open_picture(path, &fd, &file);
    if (!why) {
        out->resize(static_cast<std::size_t>(file.size));
        long got = intake_copy(file, 0, out->size(), out->data());
        why = got < 0 ? N_("not readable") : got == 0 ? N_("an empty file") : nullptr;
        out->resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    }
    if (fd >= 0)
        close(fd);
    return why;
}

std::string picture_skip_reason(const picture_skip& s, bool translated)
{
    std::string why = translated ? tr(s.why.c_str()) : s.why;
    size_t at = why.find("%s");
    if (s.other.empty() || at == std::string::npos)
        return why;
    return why.replace(at, 2, s.other);
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
