// real_levels_test.cpp -- shipped levels from the built data tree loaded by the game, shuffled on its screen as a player sees them
//
// Saves build/screenshots/level<N>_shuffled.png to be looked at.
#include "engine_fixture.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common.h"
#include "game/board.h"
#include "game/level.h"
#include "game/level_file.h"
#include "game/state.h"

namespace {

// A picture file's pixels, 0xRRGGBB, row by row.
struct Picture {
    int w = 0, h = 0;
    std::vector<std::uint32_t> rgb;
};

Picture read_picture(const std::string& path)
{
    Picture p;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        p.w = cairo_image_surface_get_width(s);
        p.h = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++)
                p.rgb.push_back(reinterpret_cast<const std::uint32_t*>(data + y * stride)[x] & 0xffffff);
    }
    cairo_surface_destroy(s);
    return p;
}

}  // namespace

class RealLevel : public EngineTest {
protected:
    // Mean difference per channel between board cell (bx, by) on screen and
    // cell (c, r) of the picture, at the best of the four turns and of the
    // placements a pixel either way (a turned tile may land a pixel off).
    double cell_on_screen(int bx, int by, const Picture& pic, int c, int r) const
    {
        double best = 1e9;
        for (int shift = 0; shift < 9; shift++)
        for (int turns = 0; turns < 4; turns++) {
            const int dx = shift % 3 - 1, dy = shift / 3 - 1;
            double sum = 0;
            for (int y = 2; y < 31; y++)  // the cell's rim is left out: filtering blurs it
                for (int x = 2; x < 31; x++) {
                    int sx = x, sy = y;
                    for (int t = 0; t < turns; t++) {
                        const int nx = sy, ny = 32 - sx;
                        sx = nx;
                        sy = ny;
                    }
                    const rgba8 s = pixel(BOARD_LEFT + CELL_SIZE * bx + x + dx, BOARD_TOP + CELL_SIZE * by + y + dy);
                    const std::uint32_t v = pic.rgb[static_cast<size_t>((r * 33 + sy) * pic.w + c * 33 + sx)];
                    sum += std::abs(int(s.r) - int(v >> 16)) + std::abs(int(s.g) - int((v >> 8) & 0xff)) +
                           std::abs(int(s.b) - int(v & 0xff));
                }
            best = std::min(best, sum / (29.0 * 29.0 * 3.0));
        }
        return best;
    }
};

// Every tile on the shuffled board shows its own cell of its picture file,
// cut at 33 pixels, whichever way the shuffle turned it.
TEST_F(RealLevel, ShuffledBoardsShowEachTileAsItsPictureCell)
{
    for (int level : {1, 9, 15, 20}) {
        SCOPED_TRACE(level);
        GameLevel = static_cast<Uint8>(level);
        ASSERT_EQ(level_load(), 1);
        draw([] { DisplayGameScreen(nullptr); });
        screenshot("level" + std::to_string(level) + "_shuffled");
        int tiles = 0;
        for (int by = 0; by < BOARD_SIDE; by++)
            for (int bx = 0; bx < BOARD_SIDE; bx++) {
                const gridtile& g = Grid[static_cast<size_t>(by * BOARD_SIDE + bx)];
                if (g.id == 0)
                    continue;
                const int n = g.id / 100, k = g.id % 100 - 1;
                const pictures& p = Pictures[static_cast<size_t>(n - 1)];
                const Picture pic = read_picture("data/level" + std::to_string(level) + "/" + p.filename);
                ASSERT_EQ(pic.w, 33 * p.w) << p.filename;
                // Close to its own cell, and closer to it than to any other cell of the picture.
                const double own = cell_on_screen(bx, by, pic, k % p.w, k / p.w);
                EXPECT_LT(own, 20.0) << "tile " << g.id << " at board cell " << bx << "," << by;
                for (int other = 0; other < p.w * p.h; other++)
                    if (other != k) {
                        EXPECT_LT(own, cell_on_screen(bx, by, pic, other % p.w, other / p.w))
                            << "tile " << g.id << " looks like cell " << other;
                    }
                tiles++;
            }
        EXPECT_GT(tiles, 3);
    }
}
