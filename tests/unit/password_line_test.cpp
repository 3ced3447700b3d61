// password_line_test.cpp -- the password line: which keys type, its width and length limits
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "password_line.h"

namespace {

// Every character 10 pixels wide, the cursor included.
bool ten_per_char(const char* text, int* width)
{
    *width = 10 * static_cast<int>(std::strlen(text));
    return true;
}
bool no_width(const char*, int* width)
{
    *width = 0;
    return true;
}
bool cannot_measure(const char*, int*)
{
    return false;
}

std::string typed(const char* keys, pw_measure_fn measure)
{
    char line[PW_INPUT_SIZE] = "";
    for (const char* k = keys; *k; k++)
        pw_line_add(line, *k, measure);
    return line;
}

}  // namespace

TEST(PasswordLine, LettersAndSpaceTypeEverythingElseDoesNot)
{
    EXPECT_EQ(pw_key_char('a'), 'a');
    EXPECT_EQ(pw_key_char('z'), 'z');
    EXPECT_EQ(pw_key_char(' '), ' ');
    for (int sym : std::initializer_list<int>{0, '0', '9', 'A', 'Z', '`', '{', '.', 8, 13, 27, 127, 256, 273, 282, 304, -1})
        EXPECT_EQ(pw_key_char(sym), 0) << sym;
}

// 290 pixels with the cursor: 28 characters of 10 pixels and the cursor make 290.
TEST(PasswordLine, WidthIncludingTheCursorStopsTheLine)
{
    std::string line = typed("abcdefghijklmnopqrstuvwxyzabcdef", ten_per_char);
    EXPECT_EQ(line, "abcdefghijklmnopqrstuvwxyzab");
    EXPECT_EQ(typed("abc", cannot_measure), "") << "a line that cannot be measured takes nothing";
}

// Even where the width allows it, the 32-byte buffer holds 30 characters.
TEST(PasswordLine, BufferHoldsThirtyCharacters)
{
    std::string line = typed("                                        ", no_width);
    EXPECT_EQ(line.size(), 30u);
    char full[PW_INPUT_SIZE];
    std::memset(full, 'a', 30);
    full[30] = 0;
    EXPECT_FALSE(pw_line_add(full, 'b', no_width));
    EXPECT_EQ(full[30], 0);
    EXPECT_FALSE(pw_line_add(full, 0, no_width));
}

TEST(PasswordLine, BackspaceCutsOneCharacterAndStopsWhenEmpty)
{
    char line[PW_INPUT_SIZE] = "abc";
    pw_line_backspace(line);
    EXPECT_STREQ(line, "ab");
    pw_line_backspace(line);
    pw_line_backspace(line);
    pw_line_backspace(line);
    EXPECT_STREQ(line, "");
}
