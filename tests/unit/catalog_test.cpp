// catalog_test.cpp -- message catalogs as msgfmt writes them, read by the game:
// words and plurals looked up, English where a word is missing, damaged files
// refused whole, plural rules of other languages, and the languages the
// environment asks for
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "rules/catalog.h"

// The .mo msgfmt makes of po (in the byte order asked for), as bytes.
static std::vector<unsigned char> msgfmt(const std::string& po, const char* endianness = "little")
{
    std::string dir = testing::TempDir();
    std::ofstream(dir + "/t.po") << po;
    std::string cmd = "msgfmt --endianness=" + std::string(endianness) + " -o " + dir + "/t.mo " + dir + "/t.po";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    std::ifstream in(dir + "/t.mo", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const char* const POLISH = R"(msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"
"Plural-Forms: nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);\n"

msgid "Options"
msgstr "Opcje"

msgid "Back"
msgstr ""

msgid "%d picture"
msgid_plural "%d pictures"
msgstr[0] "%d obraz"
msgstr[1] "%d obrazy"
msgstr[2] "%d obrazów"

msgid "%d level"
msgid_plural "%d levels"
msgstr[0] "%d poziom"
msgstr[1] ""
msgstr[2] ""

msgid "Time %s - best %s"
msgstr "Najlepszy %2$s, czas %1$s"

msgid "Best time %s"
msgstr "Najlepszy czas %s %s"

msgid "and %zu more"
msgstr "i %s wiecej"
)";

TEST(Catalog, WordsAndPluralsAsMsgfmtWritesThemInEitherByteOrder)
{
    for (const char* order : {"little", "big"}) {
        std::vector<unsigned char> mo = msgfmt(POLISH, order);
        catalog c;
        ASSERT_TRUE(catalog_parse(mo.data(), mo.size(), &c)) << order;
        EXPECT_STREQ(catalog_text(c, "Options"), "Opcje");
        EXPECT_STREQ(catalog_text(c, "Back"), "Back") << "an empty translation is English";
        EXPECT_STREQ(catalog_text(c, "Quit"), "Quit") << "a missing one too";
        const std::pair<unsigned long, const char*> counts[] = {
            {1, "%d obraz"}, {2, "%d obrazy"}, {4, "%d obrazy"}, {5, "%d obrazów"}, {12, "%d obrazów"},
            {22, "%d obrazy"}, {0, "%d obrazów"}, {112, "%d obrazów"}};
        for (const auto& [n, form] : counts)
            EXPECT_STREQ(catalog_plural(c, "%d picture", "%d pictures", n), form) << n;
        EXPECT_STREQ(catalog_plural(c, "%d level", "%d levels", 1), "%d poziom");
        EXPECT_STREQ(catalog_plural(c, "%d level", "%d levels", 3), "%d levels") << "a missing form is English's";
        EXPECT_STREQ(catalog_plural(c, "%d tile", "%d tiles", 3), "%d tiles");
        // A format's translation may reorder its arguments, never read more or read one as another kind.
        EXPECT_STREQ(catalog_text(c, "Time %s - best %s"), "Najlepszy %2$s, czas %1$s");
        EXPECT_STREQ(catalog_text(c, "Best time %s"), "Best time %s");
        EXPECT_STREQ(catalog_text(c, "and %zu more"), "and %zu more");
    }
}

// A damaged file is no catalog at all, never a read outside it: cut short
// anywhere, or with a table or string pointing past its end.
TEST(Catalog, DamagedFilesAreRefusedWhole)
{
    std::vector<unsigned char> mo = msgfmt(POLISH);
    catalog c;
    for (std::size_t cut = 0; cut < mo.size(); cut++) {
        std::vector<unsigned char> part(mo.begin(), mo.begin() + static_cast<long>(cut));
        EXPECT_FALSE(catalog_parse(part.data(), part.size(), &c)) << "cut at " << cut;
        EXPECT_TRUE(c.texts.empty());
    }
    for (std::size_t at : {8u, 12u, 16u}) {  // the count and the two tables' offsets
        std::vector<unsigned char> bad = mo;
        bad[at + 3] = 0x7f;
        EXPECT_FALSE(catalog_parse(bad.data(), bad.size(), &c)) << "word at " << at;
        EXPECT_TRUE(c.texts.empty());
    }
    std::vector<unsigned char> bad = mo;
    bad[0] ^= 1;
    EXPECT_FALSE(catalog_parse(bad.data(), bad.size(), &c)) << "magic";
    EXPECT_FALSE(catalog_read("/nonexistent/t.mo", &c));
}

TEST(Catalog, PluralRulesOfOtherLanguages)
{
    const struct {
        const char* rule;
        int plurals;
        std::vector<int> forms;  // for n = 0, 1, 2, 3, 5, 11, 21, 101
    } rules[] = {
        {"n != 1", 2, {1, 0, 1, 1, 1, 1, 1, 1}},
        {"(n > 1)", 2, {0, 0, 1, 1, 1, 1, 1, 1}},
        {"n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2", 3,
         {2, 0, 1, 1, 2, 2, 0, 0}},
        {"n==0 ? 0 : n==1 ? 1 : n==2 ? 2 : n%100>=3 && n%100<=10 ? 3 : n%100>=11 ? 4 : 5", 6,
         {0, 1, 2, 3, 3, 4, 4, 5}},
        {"0", 1, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"!(n/2)", 2, {1, 1, 0, 0, 0, 0, 0, 0}},
    };
    const unsigned long ns[] = {0, 1, 2, 3, 5, 11, 21, 101};
    for (const auto& r : rules)
        for (std::size_t i = 0; i < std::size(ns); i++)
            EXPECT_EQ(catalog_plural_index(r.rule, ns[i], r.plurals), r.forms[i]) << r.rule << " n=" << ns[i];
    // What does not read, divides by zero or picks a form past the last is the first form.
    const std::string deep(200, '(');
    for (const char* bad : {"", "n ==", "(n", "n ? 1", "1 + 2 / (n - 3)", "x", "n > 1)", "5", deep.c_str()})
        EXPECT_EQ(catalog_plural_index(bad, 3, 2), 0) << bad;
}

TEST(Catalog, LanguagesFromTheEnvironment)
{
    using v = std::vector<std::string>;
    EXPECT_EQ(catalog_languages(nullptr, nullptr, nullptr, "de_DE.UTF-8"), (v{"de_DE", "de"}));
    EXPECT_EQ(catalog_languages(nullptr, "fr_CA.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8"), (v{"fr_CA", "fr"}));
    EXPECT_EQ(catalog_languages(nullptr, "", "es_ES.UTF-8", "de_DE.UTF-8"), (v{"es_ES", "es"}));
    EXPECT_EQ(catalog_languages("fr:de_AT", nullptr, nullptr, "en_GB.UTF-8"), (v{"fr", "de_AT", "de"}));
    EXPECT_EQ(catalog_languages("fr", nullptr, nullptr, "C.UTF-8"), v{}) << "LANGUAGE needs a locale that is not C";
    EXPECT_EQ(catalog_languages(nullptr, nullptr, nullptr, "POSIX"), v{});
    EXPECT_EQ(catalog_languages(nullptr, nullptr, nullptr, nullptr), v{});
    EXPECT_EQ(catalog_languages("../../etc:sr@latin", nullptr, nullptr, "de_DE"), (v{"sr"})) << "no way out of the folder";
}
