// files_test.cpp -- the text files the game reads and writes: what a level leaves
// to the next, the password list and the typed password, the help schedule,
// the settings and progress files
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "rules/help_config.h"
#include "rules/level_file.h"
#include "rules/password_line.h"
#include "rules/passwords.h"
#include "rules/progress.h"
#include "rules/progress_file.h"
#include "rules/random.h"
#include "rules/settings_file.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

template <class Table, class Parse>
Table parse_lines(const std::string& text, Parse parse)
{
    Table t{};
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        parse(t, (line + "\n").c_str());
    return t;
}

// What a reader makes of text as a file ("" as a file of no lines).
template <class Read>
auto read_text(const std::string& text, Read read)
{
    std::FILE* f = text.empty() ? std::fopen("/dev/null", "r") : fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    auto v = read(f);
    std::fclose(f);
    return v;
}

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// What leveldump's golden files cannot show: what one level leaves to the
// next, and that start orientations are drawn, one per stored cell, only
// when rotate= comes before data=.
TEST(LevelFile, ResetKeepsRotateAndTimeAndOrientationsNeedRotateFirst)
{
    std::vector<level_picture> pics;
    GameRotate = 0;
    for (const char* l : {"data=101,102,103,\n", "rotate=1\n", "time=300\n", "mtype=3\n", "match=1\n", "name=First\n"})
        level_parse_line(l, 1, pics);
    EXPECT_EQ(Grid[0].direction, DIR_UPRIGHT) << "rotate= after data= turns nothing";
    level_reset();
    EXPECT_EQ(MatchType, 1);
    EXPECT_EQ(Match[0].id, 0);
    EXPECT_STREQ(GameName, "");
    EXPECT_EQ(GameRotate, 1) << "a level without rotate= keeps the one before";
    EXPECT_EQ(GameTimeTotal, 300);
    random_seed(11);
    int expected[3];
    for (int& e : expected)
        e = random_below(4);
    random_seed(11);
    level_parse_line("data=101,102,103,\n", 1, pics);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(Grid[static_cast<size_t>(i)].direction, expected[i]);
}

TEST(PasswordFile, LinesAndLookUps)
{
    pws = parse_lines<password_table>("level=1,owlet\nLEVEL=2,bat\nLevel=0x3,rat\nlevel=010,cat\nlevel= 5,dog\n"
                                      "level=4,first\nlevel=4,second word\nlevel=50,fifteencharacte\n"
                                      "level=0,zero\nlevel=51,over\nlevel=-1,neg\nlevel=6,sixteencharacter\n"
                                      "level=x,junk\nlevel=7\nlevel=7,\n level=6,indented\nlevel=19,Effigy\n"
                                      "level=20,owlet\n",
                                      levels_parse_line);
    const char* expected[] = {"owlet", "bat", "rat", "second", "dog", "", "", "cat"};  // 010 is octal
    for (int level = 1; level <= 8; level++)
        EXPECT_STREQ(pws[static_cast<size_t>(level - 1)].data(), expected[level - 1]) << level;
    EXPECT_STREQ(pws[49].data(), "fifteencharacte");
    int filled = 0;
    for (const auto& e : pws)
        filled += e[0] != 0;
    EXPECT_EQ(filled, 9) << "bad lines leave no trace";
    const struct {
        const char* typed;
        int found;
    } finds[] = {{"OWLET", 0}, {"effigy", 18}, {"owl", -1}, {"owlets", -1}, {"owl et", -1}, {"", -1}, {nullptr, -1}};
    for (const auto& f : finds)
        EXPECT_EQ(levels_find(f.typed), f.found) << (f.typed ? f.typed : "null");
    pws = password_table{};
    EXPECT_EQ(levels_find("owlet"), -1);
}

TEST(PasswordLine, KeysWidthAndBuffer)
{
    for (int sym : {'a', 'z', ' '})
        EXPECT_EQ(pw_key_char(sym), sym);
    for (int sym : std::initializer_list<int>{0, '0', '9', 'A', 'Z', '`', '{', '.', 8, 13, 27, 127, 256, 273, 304, -1})
        EXPECT_EQ(pw_key_char(sym), 0) << sym;
    auto typed = [](const char* keys, pw_measure_fn measure) {
        char line[PW_INPUT_SIZE] = "";
        for (const char* k = keys; *k; k++)
            pw_line_add(line, *k, measure);
        return std::string(line);
    };
    auto ten_each = [](const char* text, int* width) { return *width = 10 * static_cast<int>(std::strlen(text)), true; };
    auto no_width = [](const char*, int* width) { return *width = 0, true; };
    // 290 pixels with the cursor: 28 letters of 10 and the cursor.
    EXPECT_EQ(typed("abcdefghijklmnopqrstuvwxyzabcdef", ten_each), "abcdefghijklmnopqrstuvwxyzab");
    EXPECT_EQ(typed("abc", [](const char*, int*) { return false; }), "") << "a line that cannot be measured";
    EXPECT_EQ(typed("                                        ", no_width).size(), 30u) << "the buffer's limit";
    char line[PW_INPUT_SIZE] = "abc";
    for (const char* left : {"ab", "a", "", ""}) {
        pw_line_backspace(line);
        EXPECT_STREQ(line, left);
    }
}

TEST(HelpFile, PagesAndOpenings)
{
    auto t = parse_lines<help_table>("data=1,2\nDATA=4,3\ndata=0,2\ndata=51,2\ndata=x,2\ndata=5\n data=5,4\n",
                                     help_parse_line);
    for (int level = 1; level <= 50; level++) {
        const help_info& h = t[static_cast<size_t>(level - 1)];
        EXPECT_EQ(h.screens, level < 4 ? 2 : 3) << level;
        EXPECT_EQ(h.display, level == 1 || level == 4 ? 1 : 0) << level;
    }
    const int first[] = {0, 1, 0, 0, 3, 0};  // levels 0 to 5: the first page new to the level
    for (int level = 0; level <= 5; level++)
        EXPECT_EQ(help_first_page(t, level), first[level]) << level;
    EXPECT_EQ(help_first_page(t, 51), 0);

    // Levels before the first line have none; counts are held to the five
    // pages there are; a later line that adds no pages never opens past them.
    t = parse_lines<help_table>("data=3,9\ndata=5,-3\ndata=7,2\ndata=8,5\ndata=9,5\n", help_parse_line);
    EXPECT_EQ(t[1].screens, 0);
    EXPECT_EQ(t[2].screens, 5);
    EXPECT_EQ(help_first_page(t, 5), 0) << "no pages: nothing to open";
    EXPECT_EQ(help_first_page(t, 7), 1);
    EXPECT_EQ(help_first_page(t, 9), 5);
}

TEST(SettingsFile, ReadAndFormat)
{
    auto read = [](const std::string& text) { return read_text(text, settings_read); };
    const struct {
        std::string text;
        float sfx, music;
        int full_screen, randomize, scale;
        std::string language = "";
    } cases[] = {
        {"", 1.0f, 0.75f, 0, 0, 0},                 // missing lines keep their defaults
        {"0.30\n", 0.3f, 0.75f, 0, 0, 0},
        {"0.53\n0.00\n1\n-1\n3\n", 0.53f, 0.0f, 1, -1, 3},  // an older version's five lines
        {"loud\n2.5\n258\n200\n", 0.0f, 2.5f, 2, -56, 0},  // no number is 0; volumes as read; flags keep 8 bits
        {"1e39\n-1e39\n99999999999999999999\n-99999999999999999999\n", INFINITY, -INFINITY, 255, 0, 0},
        // a damaged line is read from its start and costs no other line
        {"0.30" + std::string(2000, ' ') + "\n0.40\n1\n", 0.3f, 0.4f, 1, 0, 0},
        {"0.30\0" "9\n0.40\n1\n"s, 0.3f, 0.4f, 1, 0, 0},
        // the language: a code of letters, '_' and '@' up to 15 long; anything else is the system's
        {"1\n1\n0\n0\n0\nde\n", 1, 1, 0, 0, 0, "de"},
        {"1\n1\n0\n0\n0\nsr_RS@latin\nfr\n", 1, 1, 0, 0, 0, "sr_RS@latin"},
        {"1\n1\n0\n0\n0\nabcdefghijklmno", 1, 1, 0, 0, 0, "abcdefghijklmno"},
        {"1\n1\n0\n0\n0\nabcdefghijklmnop\n", 1, 1, 0, 0, 0, ""},
        {"1\n1\n0\n0\n0\nde.UTF-8\n", 1, 1, 0, 0, 0, ""},  // a locale, not a catalog's code
        {"1\n1\n0\n0\n0\nd\0e\n"s, 1, 1, 0, 0, 0, "d"},
    };
    for (const auto& c : cases) {
        settings_values v = read(c.text);
        EXPECT_EQ(v.sfx, c.sfx) << c.text;
        EXPECT_EQ(v.music, c.music) << c.text;
        EXPECT_EQ(v.full_screen, c.full_screen) << c.text;
        EXPECT_EQ(v.randomize, c.randomize) << c.text;
        EXPECT_EQ(v.window_scale, c.scale) << c.text;
        EXPECT_EQ(v.language, c.language) << c.text;
    }
    auto format = [](float sfx, float music, int full_screen, int randomize, int scale = 0, const char* language = "") {
        char buf[256];
        settings_format({sfx, music, static_cast<std::uint8_t>(full_screen), static_cast<std::int8_t>(randomize),
                         static_cast<std::uint8_t>(scale), language},
                        buf, sizeof buf);
        return std::string(buf);
    };
    EXPECT_EQ(format(1.0f, 0.75f, 0, 0), "1.00\n0.75\n") << "flags only as far as the last one set";
    EXPECT_EQ(format(1.0f, 0.75f, 0, -1), "1.00\n0.75\n0\n-1\n");
    EXPECT_EQ(format(0.5327f, 0.1f, 255, 0), "0.53\n0.10\n255\n");
    EXPECT_EQ(format(1.0f, 0.75f, 0, 0, 2), "1.00\n0.75\n0\n0\n2\n");
    EXPECT_EQ(format(1.0f, 0.75f, 0, 0, 0, "pt_BR"), "1.00\n0.75\n0\n0\n0\npt_BR\n");
    EXPECT_EQ(format(1.0f, 0.75f, 0, 0, 0, "de\nfr"), "1.00\n0.75\n") << "no code the reader would refuse";
    EXPECT_EQ(read(format(0.5f, 0.25f, 1, 1, 3, "fr")).language, "fr");
    for (auto [in, out] : {std::pair{0.5f, 0.5f}, {2.5f, 1.0f}, {-0.3f, 0.0f}, {NAN, 0.0f}, {INFINITY, 1.0f}})
        EXPECT_EQ(settings_volume_clamp(in), out) << in;
}

namespace {

// A scratch directory holding an old settings file.
struct settings_dir {
    fs::path dir, file;
    settings_dir()
    {
        char pattern[] = "/tmp/cryptsliders-settings-XXXXXX";
        dir = mkdtemp(pattern);
        file = dir / "CryptSLIDERS.cfg";
        std::ofstream(file) << OLD;
    }
    ~settings_dir()
    {
        chmod(dir.c_str(), 0755);
        fs::remove_all(dir);
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(dir))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    static constexpr const char* OLD = "0.25\n0.50\n1\n-1\n";
};

const settings_values SOME = {0.53271f, 0.0f, 0, 0, 0, ""};

}  // namespace

TEST(SettingsFile, WrittenWholeWithItsPermissionsAndNothingLeftBehind)
{
    settings_dir d;
    chmod(d.file.c_str(), 0640);
    ASSERT_TRUE(settings_write(d.file.c_str(), {0.5327f, 0.1f, 1, -1, 0, ""}));
    EXPECT_EQ(slurp(d.file), "0.53\n0.10\n1\n-1\n");
    EXPECT_EQ(fs::status(d.file).permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_EQ(d.names(), std::vector<std::string>{"CryptSLIDERS.cfg"});
    fs::remove(d.file);
    mode_t mask = umask(022);
    ASSERT_TRUE(settings_write(d.file.c_str(), SOME));
    umask(mask);
    EXPECT_EQ(fs::status(d.file).permissions() & fs::perms::all, fs::perms(0644)) << "not mkstemp's 0600";
}

// The player's choices about the file stand (the settings file's, and the
// progress file's, written alike): a file made read-only is left as
// it is, a link keeps pointing at the settings, and the temporary files of a
// write that never finished are cleared away, while the player's own copies
// beside it, whatever their names, are kept.
TEST(SettingsFile, ReadOnlyFileLinkAndLeftoversAreHandledAsThePlayerExpects)
{
    settings_dir d;
    chmod(d.file.c_str(), 0444);
    EXPECT_FALSE(settings_write(d.file.c_str(), SOME));
    EXPECT_FALSE(progress_write(d.file.c_str(), progress_values{})) << "the progress file alike";
    EXPECT_EQ(slurp(d.file), settings_dir::OLD);
    chmod(d.file.c_str(), 0644);

    fs::path real = d.dir / "real.cfg", link = d.dir / "link.cfg";
    std::ofstream(real) << "old";
    fs::create_symlink("real.cfg", link);
    const std::vector<std::string> players = {"real.cfg.Zz9Yy8", "real.cfg.backup", "real.cfg.before", "real.cfg.old123"};
    for (const std::string& name : players)
        std::ofstream(d.dir / name) << "the player's";
    std::ofstream(d.dir / ".real.cfg.unfinished-a1B2c3") << "partial";
    ASSERT_TRUE(settings_write(link.c_str(), SOME));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(slurp(real), "0.53\n0.00\n");
    std::vector<std::string> expected = {"CryptSLIDERS.cfg", "link.cfg", "real.cfg"};
    expected.insert(expected.end(), players.begin(), players.end());
    EXPECT_EQ(d.names(), expected);
}

// Two games write one progress file at once, each having read it before the
// other's wins: every win of both is kept, whichever writes last, and neither
// disturbs the other's write.
TEST(ProgressFile, TwoGamesWinningAtOnceKeepEveryWin)
{
    settings_dir d;
    const fs::path previous = fs::current_path();
    fs::current_path(d.dir);
    std::vector<pid_t> games;
    for (int first : {1, 2}) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            progress_load();
            bool all = true;
            for (int level = first; level <= PROGRESS_LEVELS; level += 2)
                all = progress_record(level, static_cast<std::uint32_t>(level)).saved && all;
            _exit(all ? 0 : 1);
        }
        games.push_back(pid);
    }
    for (pid_t pid : games) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every write succeeded";
    }
    progress_load();
    fs::current_path(previous);
    EXPECT_EQ(progress_reached(), PROGRESS_LEVELS);
    for (int level = 1; level <= PROGRESS_LEVELS; level++) {
        std::uint32_t seconds = 0;
        EXPECT_TRUE(progress_best_time(level, &seconds) && seconds == static_cast<std::uint32_t>(level)) << level;
    }
}

// A game stuck while it holds the directory's lock holds up no save for
// long: the save goes on without the lock, and says so on stderr.
TEST(SettingsFile, ALockHeldByAStuckGameIsWaitedForOnlyAWhile)
{
    settings_dir d;
    int stuck = open(d.dir.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(stuck, LOCK_EX), 0);
    alarm(20);  // a save that waits for ever ends the test here
    testing::internal::CaptureStderr();
    EXPECT_TRUE(settings_write(d.file.c_str(), SOME));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("saving without it"), std::string::npos);
    alarm(0);
    close(stuck);
    EXPECT_EQ(slurp(d.file), "0.53\n0.00\n");
}

// A full disk (a file-size limit the new file runs into) leaves the old file
// whole and no partial file behind.
TEST(SettingsFile, FullDiskLeavesTheOldFile)
{
    settings_dir d;
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    void (*old_handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 6;  // the first volume's line and a little more
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = settings_write(d.file.c_str(), SOME);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(slurp(d.file), settings_dir::OLD);
    EXPECT_EQ(d.names(), std::vector<std::string>{"CryptSLIDERS.cfg"});
}

// The progress file: whatever a damaged, cut or hand-edited file holds, what
// can be read is used and written back in the file's own form.
TEST(ProgressFile, ReadsWhatItCanAndWritesItBack)
{
    auto reread = [](const std::string& text) {
        progress_values v = read_text(text, progress_read);
        char buf[PROGRESS_TEXT_SIZE];
        progress_format(v, buf, sizeof buf);
        std::string out = buf;
        return out.substr(out.find("reached="));  // past the comment lines
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "reached=0\n"},
        {"reached=3\nbest=1,134,2026-12-07\nbest=3,201,2026-12-08\n",
         "reached=3\nbest=1,134,2026-12-07\nbest=3,201,2026-12-08\n"},
        // keys in any case; the shorter of two times; a bad date dropped, its
        // time kept; a best time is a win; a last line cut short still counts
        {"REACHED=2\nbest=3,200,2026-12-07\nBest=3,150,12-07-2026\nbest=7,12",
         "reached=7\nbest=3,150,\nbest=7,12,\n"},
        // numbers out of range, signed, malformed or missing: the line is skipped
        {"reached=51\nreached=-1\nreached=2x\nbest=0,5,\nbest=51,5,\nbest=4,-3,\nbest=5,65536,\nbest=6,+7,\n"
         "best=8\nbest=9,\nbest=,5,\n",
         "reached=0\n"},
        // a line longer than any the file holds is skipped whole, its tail
        // too; a NUL byte ends its line's text, never the line
        {std::string(255, 'x') + "reached=9\nreached=4\n", "reached=4\n"},
        {"best=2,70\0" "5,x\nbest=3,9\n"s, "reached=3\nbest=2,70,\nbest=3,9,\n"},
        // picture sets: one time per set and difficulty, the shorter kept,
        // no win of a level; a key that is not 16 small hex digits, or a
        // difficulty out of range, skips the line
        {"pictures=0123456789abcdef,1,90,2026-12-07\npictures=0123456789abcdef,1,80\n"
         "pictures=0123456789abcdef,2,300,2026-12-08\npictures=0123456789ABCDEF,1,5,\n"
         "pictures=0123456789abcde,1,5,\npictures=0123456789abcdef0,1,5,\npictures=0123456789abcdef,3,5,\n",
         "reached=0\npictures=0123456789abcdef,1,80,\npictures=0123456789abcdef,2,300,2026-12-08\n"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(reread(text), expected) << text;

    progress_values v;
    EXPECT_TRUE(progress_win(v, 3, 100, "2026-12-07"));
    EXPECT_FALSE(progress_win(v, 3, 100, "2026-12-08")) << "a tie is no new best";
    EXPECT_TRUE(progress_win(v, 3, 99, "2026-12-09"));
    EXPECT_TRUE(progress_win(v, 2, 500, ""));
    EXPECT_FALSE(progress_win(v, 51, 1, "")) << "no such level";
    EXPECT_EQ(v.reached, 3) << "a lower level won later leaves the highest";
    EXPECT_EQ(v.best[2].seconds, 99u);
    EXPECT_STREQ(v.best[2].date, "2026-12-09");

    // A full file of picture sets makes room by forgetting the one won longest ago.
    for (int i = 0; i < PROGRESS_SETS; i++) {
        char key[PROGRESS_KEY_SIZE], date[PROGRESS_DATE_SIZE];
        std::snprintf(key, sizeof key, "%016x", i);
        std::snprintf(date, sizeof date, "2026-%02d-%02d", 1 + i / 28, 1 + i % 28);
        EXPECT_TRUE(progress_set_win(v, key, 0, 60, date));
    }
    EXPECT_TRUE(progress_set_win(v, "ffffffffffffffff", 0, 60, "2027-01-01"));
    EXPECT_EQ(progress_set_best(v, "0000000000000000", 0), nullptr);
    EXPECT_NE(progress_set_best(v, "0000000000000001", 0), nullptr);
    ASSERT_NE(progress_set_best(v, "ffffffffffffffff", 0), nullptr);
    char buf[PROGRESS_TEXT_SIZE];
    EXPECT_LT(progress_format(v, buf, sizeof buf), static_cast<int>(sizeof buf));
}
