// file_replace.cpp -- replacing a small file of the player's whole, so that it is never seen half written
#include "rules/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

// The directory part of path ("." for a bare file name), and the name after it.
static std::string file_dir(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

static std::string file_base(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, through any symbolic links, so that a link the player
// made keeps pointing at the settings (a dangling link names the file to make).
static std::string file_target(const char* path)
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
        p = link[0] == '/' ? std::string(link) : file_dir(p) + "/" + link;
    }
    return p;
}

// A file the player made read-only (or may not write) is theirs to keep.
static bool file_read_only(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

// The temporary file of a write: hidden, the file's name with a word no
// player puts in a name of their own, and mkstemp's six letters or digits.
static const char TEMP_MARK[] = ".unfinished-";

static std::string temp_prefix(const std::string& path)
{
    return "." + file_base(path) + TEMP_MARK;
}

// Removes the temporary files of earlier writes that never reached their
// rename (a crash, a power cut). Only under the lock: no other game is then
// in the middle of a write, so every such file is a leftover.
static void file_remove_leftovers(const std::string& path)
{
    std::string dir = file_dir(path), prefix = temp_prefix(path);
    DIR* d = opendir(dir.c_str());
    if (!d)
        return;
    while (const dirent* e = readdir(d)) {
        const char* name = e->d_name;
        if (std::strlen(name) != prefix.size() + 6 || std::strncmp(name, prefix.c_str(), prefix.size()) != 0)
            continue;
        const char* suffix = name + prefix.size();
        if (std::all_of(suffix, suffix + 6, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
            unlink((dir + "/" + name).c_str());
    }
    closedir(d);
}

// Permissions for the new file: those of the file it replaces, or what a plain
// fopen would have given (0666 less the umask).
static mode_t file_mode(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A game holds the lock for the few milliseconds of a write (and a read and
// merge before it); one that holds it far longer is stuck (stopped, its disk
// hung), and no save waits for it: past this the write goes on without the
// lock, as it does where the directory cannot be locked at all.
constexpr int LOCK_WAIT_MS = 2000, LOCK_POLL_MS = 10;

static double monotonic_ms()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

file_lock::file_lock(const char* path)
{
    std::string dir = file_dir(file_target(path));
    fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    double start = monotonic_ms();
    while (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool held = errno == EWOULDBLOCK || errno == EINTR;
        if (held && monotonic_ms() - start < LOCK_WAIT_MS) {
            usleep(LOCK_POLL_MS * 1000);
        } else {
            if (held)
                std::fprintf(stderr, "%s: another game has held the lock on %s for %d s: saving without it\n", path,
                             dir.c_str(), LOCK_WAIT_MS / 1000);
            close(fd);
            fd = -1;
        }
    }
}

file_lock::~file_lock()
{
    if (fd >= 0)
        close(fd);  // closing releases the lock
}

// One step of a write failed: why, on stderr, for the player to act on.
static bool write_failed(const std::string& path, const char* step)
{
    std::fprintf(stderr, "%s was not saved: %s: %s\n", path.c_str(), step, std::strerror(errno));
    return false;
}

bool file_replace_locked(const file_lock& lock, const char* path, const char* text, std::size_t len)
{
    std::string target = file_target(path);
    if (file_read_only(target)) {
        std::fprintf(stderr, "%s is read-only: it was not saved\n", target.c_str());
        return false;
    }
    if (lock.fd >= 0)
        file_remove_leftovers(target);
    std::string temp = file_dir(target) + "/" + temp_prefix(target) + "XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return write_failed(target, "a temporary file beside it");
    bool ok = fchmod(fd, file_mode(target)) == 0;
    std::FILE* file = fdopen(fd, "w");
    if (!file) {
        close(fd);
        unlink(temp.c_str());
        return write_failed(target, "a temporary file beside it");
    }
    // Every step is checked: a full disk shows up at the write, the flush or the sync.
    const char* failed = ok ? nullptr : "its permissions";
    if (!failed && std::fwrite(text, 1, len, file) != len)
        failed = "writing";
    if (!failed && (std::fflush(file) != 0 || fsync(fileno(file)) != 0))
        failed = "writing";
    if (std::fclose(file) != 0 && !failed)
        failed = "writing";
    if (!failed && std::rename(temp.c_str(), target.c_str()) != 0)
        failed = "putting the new file in place";
    if (failed) {
        int error = errno;
        unlink(temp.c_str());
        errno = error;
        return write_failed(target, failed);
    }
    // The rename itself reaches the disk with the directory; a failure here
    // leaves a complete file either way, so it is not an error.
    int dir = open(file_dir(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool file_replace(const char* path, const char* text, std::size_t len)
{
    file_lock lock(path);
    return file_replace_locked(lock, path, text, len);
}
