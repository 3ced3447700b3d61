// pad_map_test.cpp -- a pad's events as the game's buttons: the numbering of
// the SDL in use, and a cross reported twice (buttons and a hat) as one press
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "rules/pad_map.h"

// Plays a pad's events written as words and answers what the game gets, as
// U D L R A B X Y St Bk with + (pressed) or - (let go). The words: b13+ b13-
// button 13 down, up; h:RU h: hat 0 right and up, centred; h4:U hat 4;
// a1=-32768 axis 1 there; 2:b0+ from pad 2.
static std::string play(uint8_t numbering, const std::string& events)
{
    static const char* const NAMES[] = {"", "A", "B", "X", "Y", "St", "Bk", "U", "D", "L", "R"};
    pad_map_state state;
    state.numbering = numbering;
    std::istringstream in(events);
    std::string w, out;
    while (in >> w) {
        pad_report r{PAD_REPORT_HAT, 0, 0, 0};
        if (w[0] != 'h' && w.find(':') != std::string::npos)
            r.pad = static_cast<uint8_t>(std::stoi(w)), w.erase(0, w.find(':') + 1);
        r.index = static_cast<uint8_t>(w[1] == ':' ? 0 : std::stoi(w.substr(1)));
        if (w[0] == 'b')
            r.kind = w.back() == '+' ? PAD_REPORT_BUTTON_DOWN : PAD_REPORT_BUTTON_UP;
        else if (w[0] == 'a')
            r.kind = PAD_REPORT_AXIS, r.value = std::stoi(w.substr(w.find('=') + 1));
        for (char c : w[0] == 'h' ? w.substr(w.find(':') + 1) : "")
            r.value |= c == 'U' ? PAD_HAT_UP : c == 'D' ? PAD_HAT_DOWN : c == 'L' ? PAD_HAT_LEFT : PAD_HAT_RIGHT;
        const pad_press p = pad_read(state, r);
        if (p.button != PAD_NONE)
            out += (out.empty() ? "" : " ") + std::string(NAMES[p.button]) + (p.down ? "+" : "-");
    }
    return out;
}

// The Xbox 360 wireless receiver gives its cross as buttons (Linux: 11 left,
// 12 right, 13 up, 14 down) and as hat 0, in either order: one press, one
// move, in the pressed direction; two directions held never move two ways.
TEST(PadMap, ACrossReportedTwiceMovesOnceAndNeverDiagonally)
{
    const struct {
        const char *what, *events, *game_gets;
    } linux_cases[] = {
        {"up, its button first", "b13+ h:U b13- h:", "U+ U-"},
        {"up, its hat first", "h:U b13+ h: b13-", "U+ U-"},
        {"a hat's diagonal while a button is down", "b12+ h:R h:RU h:R b12- h:", "R+ R-"},
        {"a hat's diagonal, then a button: none till let go", "h:RU b12+ h:R b12- h: h:R h:", "R+ R-"},
        {"a diagonal let go one side at a time", "b12+ b13+ h:R h:RU b12- h:U b13- h:", "R+ R-"},
        {"a roll on to the next direction", "h:R h:RU h:U h: h:U h:", "R+ R- U+ U-"},
        {"the stick: dead zone, half way, back within a quarter", "a0=9000 a0=20000 a0=10000 a0=5000", "R+ R-"},
        {"the stick and the cross as one", "a1=-32768 h:U a1=0 h: h:L a1=32767 h: a1=0", "U+ U- L+ L-"},
        {"each pad its own direction", "0:h:R 1:b12+ 1:b12- 0:h:", "R+ R+ R- R-"},
        {"Linux's numbering", "b0+ b0- b1+ b2+ b3+ b4+ b5+ b6+ b7+ b8+ b11+ b11- b14+ b14- a6=-32767 a6=0 a7=32767",
         "A+ A- B+ X+ Y+ Bk+ St+ L+ L- D+ D- L+ L- D+"},
        {"beyond what the game knows", "8:b0+ 255:h:U b15+ b255+ h4:U a2=32767 a255=-32768", ""},
    };
    for (const auto& c : linux_cases)
        EXPECT_EQ(play(PAD_NUMBERING_LINUX, c.events), c.game_gets) << c.what;
    EXPECT_EQ(play(PAD_NUMBERING_CONTROLLER, "b0+ b4+ b5+ b6+ b7+ b11+ b11- b14+ b14- a6=-32768 a7=32767"),
              "A+ Bk+ St+ U+ U- R+ R-")
        << "the game controller's numbering";
    EXPECT_EQ(play(PAD_NUMBERING_STANDARD, "b1+ b6+ b7+ b8+ b9+ b12+ b12- b15+ b15- a6=-32768 a1=32767"),
              "B+ Bk+ St+ U+ U- R+ R- D+")
        << "a browser's standard numbering";
}

// sdl12-compat numbers pads as SDL2's game controller from 1.2.54 on, where
// its setting reads as a number other than 0 by atoi; before, and classic
// SDL 1.2 always, as Linux lists them.
TEST(PadMap, TheNumberingOfTheSdlInUse)
{
    const struct {
        int patch;
        const char* setting;
        bool controller;
    } cases[] = {{15, "1", false},  {52, "1", false},    {53, "1", false},  {54, "1", true},     {54, nullptr, false},
                 {60, "true", false}, {60, "yes", false}, {60, "0", false},  {60, "", false},     {60, " 2", true},
                 {60, "1x", true},  {60, "-1", true},    {60, "0x1", false}, {74, "4294967296", false}};
    for (const auto& c : cases)
        EXPECT_EQ(pad_controller_numbering(1, 2, c.patch, c.setting), c.controller)
            << "1.2." << c.patch << " with " << (c.setting ? c.setting : "no setting");
}
