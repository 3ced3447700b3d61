// image_test.cpp -- padding images into textures, and texture coordinates of tiles
#include <gtest/gtest.h>

#include <vector>

#include "main.h"
#include "opengl_tile.h"

static Uint32 px(Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    Uint32 p = 0;
    for (Uint32 mask : {IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK}) {
        Uint8 v = mask == IMG_RMASK ? r : mask == IMG_GMASK ? g : mask == IMG_BMASK ? b : a;
        int shift = 0;
        while (!((mask >> shift) & 1))
            shift++;
        p |= Uint32(v) << shift;
    }
    return p;
}

TEST(ImagePadding, MasksGiveBlueGreenRedAlphaInMemory)
{
    Uint32 p = px(1, 2, 3, 4);
    const auto* bytes = reinterpret_cast<const Uint8*>(&p);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[3], 4);
}

TEST(ImagePadding, OpaqueImageLiesTopLeftWithBlackAndPaddingTransparent)
{
    // 3 x 2 image: black at (1, 0), near-black at (2, 0) stays.
    const Uint32 black = px(0, 0, 0, 255), grey = px(1, 0, 0, 255), red = px(200, 0, 0, 255);
    std::vector<Uint32> src = {red, black, grey, red, red, red};
    std::vector<Uint32> dst(4 * 4, 0);
    loadimg_pad(src.data(), 3, 2, 3, dst.data(), 4, 4, false);
    EXPECT_EQ(dst[0], red);
    EXPECT_EQ(dst[1], 0u) << "pure black becomes transparent";
    EXPECT_EQ(dst[2], grey) << "only pure black is keyed out";
    EXPECT_EQ(dst[3], 0u) << "padding at the right";
    EXPECT_EQ(dst[4 * 2], 0u) << "padding at the bottom";
}

TEST(ImagePadding, OwnAlphaSurvivesAndBlackStaysWhenOpaque)
{
    const Uint32 half_blue = px(0, 0, 255, 128), black = px(0, 0, 0, 255), clear = px(9, 9, 9, 0);
    std::vector<Uint32> src = {half_blue, black, clear};
    std::vector<Uint32> dst(4, 0);
    loadimg_pad(src.data(), 3, 1, 3, dst.data(), 4, 1, true);
    EXPECT_EQ(dst[0], half_blue);
    EXPECT_EQ(dst[1], black);
    EXPECT_EQ(dst[2], clear);
    EXPECT_EQ(dst[3], 0u);
}

TEST(ImagePadding, LargerImageIsCutAtRightAndBottomUsingItsPitch)
{
    // 4 x 3 image with a pitch of 5 pixels, into a 2 x 2 texture.
    std::vector<Uint32> src(5 * 3);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++)
            src[static_cast<size_t>(y * 5 + x)] = px(static_cast<Uint8>(10 * y + x + 1), 0, 0, 255);
    std::vector<Uint32> dst(2 * 2, 0);
    loadimg_pad(src.data(), 4, 3, 5, dst.data(), 2, 2, false);
    EXPECT_EQ(dst, (std::vector<Uint32>{px(1, 0, 0, 255), px(2, 0, 0, 255), px(11, 0, 0, 255), px(12, 0, 0, 255)}));
}

TEST(TileCoords, CutFromTextureFractions)
{
    ot_tile t{};
    t.x_offset = 64;
    t.y_offset = 0;
    t.width = 32;
    t.height = 32;
    ot_tile_coords(&t, 256, 256);
    EXPECT_FLOAT_EQ(t.tex_x_offset, 0.25f);
    EXPECT_FLOAT_EQ(t.tex_width_off, 0.375f);
    EXPECT_EQ(t.tex_y_offset, 0.0f);
    EXPECT_FLOAT_EQ(t.tex_height_off, 0.125f);
}

TEST(TileCoords, TextureWithoutSizeGivesEmptyRectangleNotInfinity)
{
    ot_tile t{};
    t.x_offset = 10;
    t.width = 640;
    t.height = 480;
    ot_tile_coords(&t, 0, 0);
    EXPECT_EQ(t.tex_width, 0.0f);
    EXPECT_EQ(t.tex_x_offset, 0.0f);
    EXPECT_EQ(t.tex_width_off, 0.0f);
    EXPECT_EQ(t.tex_height_off, 0.0f);
}
