// save_crash_test.cpp -- the settings and progress files killed at every step of their rewrite
//
// This executable is linked with the writer's file calls wrapped: in a forked
// child, each wrapper lets the real call happen and then, after the chosen
// number of calls, kills the process. Wherever the kill (or a power cut) lands,
// the file on disk must be the old one or the new one, whole.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "rules/progress_file.h"
#include "rules/settings_file.h"

namespace {
int kill_after = -1;  // calls to let through before the kill; -1 disarmed
int calls = 0;
void step_done()
{
    if (kill_after >= 0 && ++calls > kill_after)
        raise(SIGKILL);
}
}  // namespace

#define KILL_POINT(ret, name, params, args) extern "C" ret __real_##name params; extern "C" ret __wrap_##name params { ret r = __real_##name args; step_done(); return r; }
KILL_POINT(int, mkstemp, (char* n), (n))
KILL_POINT(int, fchmod, (int fd, mode_t m), (fd, m))
KILL_POINT(size_t, fwrite, (const void* p, size_t s, size_t n, FILE* f), (p, s, n, f))
KILL_POINT(int, fflush, (FILE* f), (f))
KILL_POINT(int, fsync, (int fd), (fd))
KILL_POINT(int, fclose, (FILE* f), (f))
KILL_POINT(int, rename, (const char* from, const char* to), (from, to))

// The writer of the new values killed after each number of file calls in
// turn, until it finishes; the old and new texts are what whole writes leave.
void kill_at_every_step(const char* name, const std::function<bool(const char*, bool)>& write)
{
    auto dir = std::filesystem::temp_directory_path() / ("cryptsliders-kill-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / name).string();
    auto read_all = [&] {
        std::stringstream s;
        s << std::ifstream(path).rdbuf();
        return s.str();
    };
    ASSERT_TRUE(write(path.c_str(), true));
    const std::string new_text = read_all();
    ASSERT_TRUE(write(path.c_str(), false));
    const std::string old_text = read_all();
    ASSERT_NE(old_text, new_text);
    int kills = 0;
    bool finished = false;
    for (int step = 0; step < 20 && !finished; step++) {
        ASSERT_TRUE(write(path.c_str(), false));
        ASSERT_EQ(read_all(), old_text);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            calls = 0;
            kill_after = step;
            _exit(write(path.c_str(), true) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        std::string now = read_all();
        EXPECT_TRUE(now == old_text || now == new_text) << name << " killed after " << step << " calls: \"" << now << "\"";
        finished = WIFEXITED(status);
        if (finished) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            EXPECT_EQ(now, new_text) << "a write that finished left the new file";
        } else {
            kills++;
        }
    }
    EXPECT_TRUE(finished) << name;
    EXPECT_GE(kills, 6) << "temp file, mode, write, flush, sync, close and rename each were a kill point";
    std::filesystem::remove_all(dir);
}

TEST(SavedFilesUnderFaults, KilledAtEveryStepLeaveTheOldFileOrTheNewOne)
{
    const settings_values old_settings = {0.25f, 0.75f, 0, 0}, new_settings = {0.5f, 0.1f, 0, -1};
    kill_at_every_step("CryptSLIDERS.cfg", [&](const char* path, bool second) {
        return settings_write(path, second ? new_settings : old_settings);
    });
    progress_values old_progress, new_progress;
    progress_win(old_progress, 1, 100, "2026-12-01");
    new_progress = old_progress;
    progress_win(new_progress, 2, 80, "2026-12-02");
    kill_at_every_step("CryptSLIDERS.sav", [&](const char* path, bool second) {
        return progress_write(path, second ? new_progress : old_progress);
    });
}
