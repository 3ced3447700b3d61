// settings_crash_test.cpp -- the settings file killed at every step of its rewrite
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
#include <fstream>
#include <sstream>

#include "settings_file.h"

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

TEST(SettingsUnderFaults, KilledAtEveryStepLeavesTheOldFileOrTheNewOne)
{
    auto dir = std::filesystem::temp_directory_path() / ("cryptsliders-kill-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "CryptSLIDERS.cfg").string();
    auto read_all = [&] {
        std::stringstream s;
        s << std::ifstream(path).rdbuf();
        return s.str();
    };
    const settings_values old_values = {0.25f, 0.75f, 0, 0}, new_values = {0.5f, 0.1f, 0, -1};
    const std::string old_text = "0.25\n0.75\n", new_text = "0.50\n0.10\n0\n-1\n";
    int kills = 0;
    bool finished = false;
    for (int step = 0; step < 20 && !finished; step++) {
        ASSERT_TRUE(settings_write(path.c_str(), old_values));
        ASSERT_EQ(read_all(), old_text);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            calls = 0;
            kill_after = step;
            _exit(settings_write(path.c_str(), new_values) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        std::string now = read_all();
        EXPECT_TRUE(now == old_text || now == new_text) << "killed after " << step << " calls: \"" << now << "\"";
        finished = WIFEXITED(status);
        if (finished) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            EXPECT_EQ(now, new_text) << "a write that finished left the new file";
        } else {
            kills++;
        }
    }
    EXPECT_TRUE(finished);
    EXPECT_GE(kills, 6) << "temp file, mode, write, flush, sync, close and rename each were a kill point";
    std::filesystem::remove_all(dir);
}
