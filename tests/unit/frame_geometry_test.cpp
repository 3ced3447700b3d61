// frame_geometry_test.cpp -- the frame's place on the screen
#include <gtest/gtest.h>

#include "rules/frame_geometry.h"

// The window scale a desktop takes, and the frame's place in windows and on
// 16:9, 16:10, 4:3 and 5:4 full screens: every logical pixel's centre on the
// screen maps back to that pixel, the border around the frame to none.
TEST(FrameGeometry, ScreenToLogicalAndBack)
{
    const int scales[][3] = {{640, 480, 1}, {1024, 768, 1}, {1920, 1080, 2}, {2560, 1440, 2}, {3840, 2160, 4}};
    for (const auto& s : scales)
        EXPECT_EQ(frame_window_scale(s[0], s[1]), s[2]) << s[0] << "x" << s[1];
    const struct {
        frame_geometry g, expected;
    } frames[] = {
        {frame_in_window(1), {640, 480, 0, 0, 640, 480}},       {frame_in_window(2), {1280, 960, 0, 0, 1280, 960}},
        {frame_in_window(4), {2560, 1920, 0, 0, 2560, 1920}},   {frame_on_screen(1920, 1080), {1920, 1080, 240, 0, 1440, 1080}},
        {frame_on_screen(1920, 1200), {1920, 1200, 160, 0, 1600, 1200}}, {frame_on_screen(1024, 768), {1024, 768, 0, 0, 1024, 768}},
        {frame_on_screen(1280, 1024), {1280, 1024, 0, 32, 1280, 960}},
    };
    for (const auto& f : frames) {
        const frame_geometry& g = f.g;
        const int* got = &g.screen_w;
        const int* want = &f.expected.screen_w;
        ASSERT_TRUE(std::equal(got, got + 6, want)) << g.screen_w << "x" << g.screen_h << " frame at " << g.x << "," << g.y
                                                    << " " << g.w << "x" << g.h;
        int lx = -1, ly = -1;
        for (int y = 0; y < FRAME_H; y += 7)
            for (int x = 0; x < FRAME_W; x += 5) {
                ASSERT_TRUE(frame_to_logical(g, g.x + (2 * x + 1) * g.w / (2 * FRAME_W), g.y + (2 * y + 1) * g.h / (2 * FRAME_H), &lx, &ly));
                ASSERT_TRUE(lx == x && ly == y) << x << "," << y << " came back as " << lx << "," << ly;
            }
        EXPECT_TRUE(frame_to_logical(g, g.x + g.w - 1, g.y + g.h - 1, &lx, &ly) && lx == 639 && ly == 479);
        for (auto [sx, sy] : {std::pair{g.x - 1, g.y}, {g.x + g.w, g.y}, {g.x, g.y - 1}, {g.x, g.y + g.h}})
            EXPECT_FALSE(frame_to_logical(g, sx, sy, &lx, &ly)) << sx << "," << sy;
    }
}
