// settings_test.cpp -- reading and writing the settings file
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings_file.h"

namespace fs = std::filesystem;

static settings_values read_text(const std::string& text)
{
    std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    if (text.empty())
        f = std::fopen("/dev/null", "r");
    settings_values v = settings_read(f);
    std::fclose(f);
    return v;
}

TEST(SettingsFile, MissingLinesKeepTheirDefaults)
{
    settings_values v = read_text("");
    EXPECT_FLOAT_EQ(v.sfx, 1.0f);
    EXPECT_FLOAT_EQ(v.music, 0.75f);
    EXPECT_EQ(v.full_screen, 0);
    EXPECT_EQ(v.randomize, 0);

    v = read_text("0.30\n");
    EXPECT_FLOAT_EQ(v.sfx, 0.3f);
    EXPECT_FLOAT_EQ(v.music, 0.75f);
}

TEST(SettingsFile, AllFourLinesAreReadAsWritten)
{
    settings_values v = read_text("0.53\n0.00\n1\n-1\n");
    EXPECT_FLOAT_EQ(v.sfx, 0.53f);
    EXPECT_FLOAT_EQ(v.music, 0.0f);
    EXPECT_EQ(v.full_screen, 1);
    EXPECT_EQ(v.randomize, -1);
}

TEST(SettingsFile, NonNumbersGiveZeroAndFlagsKeepEightBits)
{
    settings_values v = read_text("loud\n2.5\n258\n200\n");
    EXPECT_FLOAT_EQ(v.sfx, 0.0f);
    EXPECT_FLOAT_EQ(v.music, 2.5f) << "taken as read; the mixer clamps it";
    EXPECT_EQ(v.full_screen, 2);
    EXPECT_EQ(v.randomize, -56);

    // Beyond what the types hold: an infinity, and the 8 bits of a saturated number.
    v = read_text("1e39\n-1e39\n99999999999999999999\n-99999999999999999999\n");
    EXPECT_TRUE(std::isinf(v.sfx) && v.sfx > 0);
    EXPECT_TRUE(std::isinf(v.music) && v.music < 0);
    EXPECT_EQ(v.full_screen, 255);
    EXPECT_EQ(v.randomize, 0);
}

// ---------------------------------------------------------------- writing

namespace {

std::string format(const settings_values& v)
{
    char buf[256];
    settings_format(v, buf, sizeof buf);
    return buf;
}

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> names_in(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A scratch directory holding an old settings file.
struct settings_dir {
    fs::path dir, file;
    settings_dir()
    {
        char pattern[] = "/tmp/cryptsliders-settings-XXXXXX";
        dir = mkdtemp(pattern);
        file = dir / "CryptSLIDERS.cfg";
        std::ofstream(file) << OLD_TEXT;
    }
    ~settings_dir()
    {
        chmod(dir.c_str(), 0755);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    static constexpr const char* OLD_TEXT = "0.25\n0.50\n1\n-1\n";
};

settings_values some_values()
{
    settings_values v;
    v.sfx = 0.53271f;
    v.music = 0.0f;
    return v;
}

}  // namespace

TEST(SettingsFile, FlagsAreWrittenOnlyAsFarAsTheLastOneSet)
{
    settings_values v;
    EXPECT_EQ(format(v), "1.00\n0.75\n");
    v.randomize = -1;
    EXPECT_EQ(format(v), "1.00\n0.75\n0\n-1\n");
    v.randomize = 0;
    v.full_screen = 255;
    EXPECT_EQ(format(v), "1.00\n0.75\n255\n");
    v.sfx = 0.5327f;
    v.music = 0.005f;
    v.full_screen = 0;
    EXPECT_EQ(format(v).substr(0, 5), "0.53\n") << "two decimals";
}

TEST(SettingsFile, WrittenValuesReadBackAsSaved)
{
    settings_dir d;
    settings_values v;
    v.sfx = 0.5327f;
    v.music = 0.1f;
    v.full_screen = 1;
    v.randomize = -1;
    ASSERT_TRUE(settings_write(d.file.c_str(), v));
    EXPECT_EQ(slurp(d.file), "0.53\n0.10\n1\n-1\n");
    std::FILE* f = std::fopen(d.file.c_str(), "r");
    ASSERT_NE(f, nullptr);
    settings_values back = settings_read(f);
    std::fclose(f);
    EXPECT_FLOAT_EQ(back.sfx, 0.53f);
    EXPECT_FLOAT_EQ(back.music, 0.1f);
    EXPECT_EQ(back.full_screen, 1);
    EXPECT_EQ(back.randomize, -1);
    EXPECT_EQ(names_in(d.dir), std::vector<std::string>{"CryptSLIDERS.cfg"}) << "no temporary file left";
}

TEST(SettingsFile, NewFileGetsOrdinaryPermissionsAndAReplacedOneKeepsItsOwn)
{
    settings_dir d;
    chmod(d.file.c_str(), 0640);
    ASSERT_TRUE(settings_write(d.file.c_str(), settings_values{}));
    EXPECT_EQ(fs::status(d.file).permissions() & fs::perms::all, fs::perms(0640));
    fs::remove(d.file);
    mode_t mask = umask(022);
    ASSERT_TRUE(settings_write(d.file.c_str(), settings_values{}));
    umask(mask);
    EXPECT_EQ(fs::status(d.file).permissions() & fs::perms::all, fs::perms(0644)) << "not mkstemp's 0600";
}

// The player's choices about the file stand: a file made read-only is left as
// it is, a link keeps pointing at the settings, and the temporary files of a
// write that never finished are cleared away (other names are not touched).
TEST(SettingsFile, ReadOnlyFileLinkAndLeftoversAreHandledAsThePlayerExpects)
{
    settings_dir d;
    chmod(d.file.c_str(), 0444);
    EXPECT_FALSE(settings_write(d.file.c_str(), some_values()));
    EXPECT_EQ(slurp(d.file), settings_dir::OLD_TEXT);
    chmod(d.file.c_str(), 0644);

    fs::path real = d.dir / "real.cfg", link = d.dir / "link.cfg";
    std::ofstream(real) << "old";
    fs::create_symlink("real.cfg", link);
    for (const char* leftover : {"link.cfg.a1B2c3", "real.cfg.Zz9Yy8", "real.cfg.keep", "real.cfg.a1b2c3d"})
        std::ofstream(d.dir / leftover) << "partial";
    ASSERT_TRUE(settings_write(link.c_str(), some_values()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(slurp(real), "0.53\n0.00\n");
    EXPECT_EQ(names_in(d.dir),
              (std::vector<std::string>{"CryptSLIDERS.cfg", "link.cfg", "real.cfg", "real.cfg.a1b2c3d", "real.cfg.keep"}));
}

// A directory the game may not write to: root ignores permissions, so there
// the directory is made read-only by a read-only bind mount of itself.
TEST(SettingsFile, ReadOnlyDirectoryLeavesTheOldFileAsItWas)
{
    settings_dir d;
    bool mounted = false;
    if (geteuid() == 0) {
        if (mount(d.dir.c_str(), d.dir.c_str(), nullptr, MS_BIND, nullptr) != 0)
            GTEST_SKIP() << "running as root without the right to mount";
        mounted = mount(nullptr, d.dir.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (!mounted) {
            umount(d.dir.c_str());
            GTEST_SKIP() << "cannot remount read-only";
        }
    } else {
        chmod(d.dir.c_str(), 0555);
    }
    bool written = settings_write(d.file.c_str(), some_values());
    if (mounted)
        umount(d.dir.c_str());
    EXPECT_FALSE(written);
    EXPECT_EQ(slurp(d.file), settings_dir::OLD_TEXT);
    EXPECT_EQ(names_in(d.dir), std::vector<std::string>{"CryptSLIDERS.cfg"});
}

// A full disk, as a file-size limit the new file runs into.
TEST(SettingsFile, FullDiskLeavesTheOldFileAsItWas)
{
    settings_dir d;
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    void (*old_handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 6;  // the first volume's line and a little more
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = settings_write(d.file.c_str(), some_values());
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(slurp(d.file), settings_dir::OLD_TEXT);
    EXPECT_EQ(names_in(d.dir), std::vector<std::string>{"CryptSLIDERS.cfg"}) << "the partial file is removed";
}

TEST(SettingsFile, VolumesAreClampedWhenApplied)
{
    const struct {
        float in, out;
    } cases[] = {{0.5f, 0.5f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {2.5f, 1.0f}, {-0.3f, 0.0f},
                 {NAN, 0.0f},  {INFINITY, 1.0f}, {-INFINITY, 0.0f}};
    for (const auto& c : cases)
        EXPECT_EQ(settings_volume_clamp(c.in), c.out) << c.in;
}
