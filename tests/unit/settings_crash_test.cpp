// settings_crash_test.cpp -- the settings file killed at every step of its rewrite
//
// This executable is linked with the file calls of the settings writer wrapped:
// in a forked child, the wrapper lets the real call happen and then kills the
// process with SIGKILL after the chosen number of calls. Whatever step the
// power cut (or kill) lands on, the file on disk must be the old one or the new
// one, whole.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

extern "C" {
int __real_mkstemp(char* name);
int __real_fchmod(int fd, mode_t mode);
size_t __real_fwrite(const void* p, size_t size, size_t n, FILE* f);
int __real_fflush(FILE* f);
int __real_fsync(int fd);
int __real_fclose(FILE* f);
int __real_rename(const char* from, const char* to);

int __wrap_mkstemp(char* name)
{
    int r = __real_mkstemp(name);
    step_done();
    return r;
}
int __wrap_fchmod(int fd, mode_t mode)
{
    int r = __real_fchmod(fd, mode);
    step_done();
    return r;
}
size_t __wrap_fwrite(const void* p, size_t size, size_t n, FILE* f)
{
    size_t r = __real_fwrite(p, size, n, f);
    step_done();
    return r;
}
int __wrap_fflush(FILE* f)
{
    int r = __real_fflush(f);
    step_done();
    return r;
}
int __wrap_fsync(int fd)
{
    int r = __real_fsync(fd);
    step_done();
    return r;
}
int __wrap_fclose(FILE* f)
{
    int r = __real_fclose(f);
    step_done();
    return r;
}
int __wrap_rename(const char* from, const char* to)
{
    int r = __real_rename(from, to);
    step_done();
    return r;
}
}

static std::string read_all(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(SettingsUnderFaults, KilledAtEveryStepLeavesTheOldFileOrTheNewOne)
{
    auto dir = std::filesystem::temp_directory_path() / ("cryptsliders-kill-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "CryptSLIDERS.cfg").string();

    settings_values old_values, new_values;
    old_values.sfx = 0.25f;
    new_values.sfx = 0.5f;
    new_values.music = 0.1f;
    new_values.randomize = -1;
    char old_text[256], new_text[256];
    settings_format(old_values, old_text, sizeof old_text);
    settings_format(new_values, new_text, sizeof new_text);

    int steps_seen = 0;
    bool reached_new = false;
    for (int step = 0; step < 20 && !reached_new; step++) {
        ASSERT_TRUE(settings_write(path.c_str(), old_values));
        ASSERT_EQ(read_all(path), old_text);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            calls = 0;
            kill_after = step;
            bool ok = settings_write(path.c_str(), new_values);
            _exit(ok ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        std::string now = read_all(path);
        EXPECT_TRUE(now == old_text || now == new_text) << "killed after " << step << " calls: \"" << now << "\"";
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            EXPECT_EQ(now, new_text) << "a write that finished left the new file";
            reached_new = true;
        } else {
            EXPECT_EQ(WTERMSIG(status), SIGKILL);
            steps_seen++;
        }
    }
    EXPECT_TRUE(reached_new);
    EXPECT_GE(steps_seen, 6) << "temp file, mode, write, flush, sync, close and rename each were a kill point";
    std::filesystem::remove_all(dir);
}
