// settings_test.cpp -- reading the settings file's lines
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings_file.h"

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
}
