// picture_resample.cpp -- a decoded picture made the size it is shown at: rows laid on
// the board's colour, a strip longer than any picture's shape cropped, the rest
// reduced with an area filter as the rows arrive, then turned upright by the camera's
// orientation; and a picture cut to its cells' proportions and size
#include "rules/picture_resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct tap {
    int i;
    float w;
};

// For each of n_dst samples along one axis, the source samples (from src0,
// n_src of them) it is made of: the area it covers when reducing, the two
// nearest when enlarging.
std::vector<std::vector<tap>> axis_taps(int src0, int n_src, int n_dst)
{
    std::vector<std::vector<tap>> taps(static_cast<std::size_t>(n_dst));
    double scale = static_cast<double>(n_src) / n_dst;
    for (int k = 0; k < n_dst; k++) {
        std::vector<tap>& t = taps[static_cast<std::size_t>(k)];
        if (scale >= 1.0) {
            double a = k * scale, b = a + scale;
            for (int i = static_cast<int>(a); i < n_src && i < b; i++) {
                double cover = std::min<double>(i + 1, b) - std::max<double>(i, a);
                if (cover > 0)
                    t.push_back({src0 + i, static_cast<float>(cover / scale)});
            }
        } else {
            double x = (k + 0.5) * scale - 0.5;
            int i0 = static_cast<int>(std::floor(x));
            float f = static_cast<float>(x - i0);
            int lo = std::clamp(i0, 0, n_src - 1), hi = std::clamp(i0 + 1, 0, n_src - 1);
            t.push_back({src0 + lo, 1 - f});
            t.push_back({src0 + hi, f});
        }
    }
    return taps;
}

// The crop (x0, y0, cw, ch) of the rows resampled to dw x dh, transparency
// laid on the backdrop: each source row is filtered across as it arrives and
// added into the rows of the result it falls in, so no more than one source
// row is held at a time.
intake_image resample(const intake_rows& rows, int x0, int y0, int cw, int ch, int dw, int dh)
{
    std::vector<std::vector<tap>> across = axis_taps(x0, cw, dw), down = axis_taps(y0, ch, dh);
    std::vector<std::vector<tap>> feeds(static_cast<std::size_t>(ch));  // per source row: result rows, weights
    for (int j = 0; j < dh; j++)
        for (const tap& t : down[static_cast<std::size_t>(j)])
            feeds[static_cast<std::size_t>(t.i - y0)].push_back({j, t.w});
    std::vector<float> sum(static_cast<std::size_t>(dh) * dw * 3), wide(static_cast<std::size_t>(dw) * 3);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(rows.w) * 4);
    for (int y = 0; y < ch; y++) {
        rows.row(rows.ctx, y0 + y, line.data());
        for (int x = x0; x < x0 + cw; x++) {
            std::uint8_t* p = &line[static_cast<std::size_t>(x) * 4];
            if (p[3] != 255)
                for (int c = 0; c < 3; c++)
                    p[c] = static_cast<std::uint8_t>((p[c] * p[3] + INTAKE_BACKDROP[c] * (255 - p[3]) + 127) / 255);
        }
        std::fill(wide.begin(), wide.end(), 0.0f);
        for (int k = 0; k < dw; k++)
            for (const tap& t : across[static_cast<std::size_t>(k)])
                for (int c = 0; c < 3; c++)
                    wide[static_cast<std::size_t>(k) * 3 + c] += t.w * line[static_cast<std::size_t>(t.i) * 4 + c];
        for (const tap& f : feeds[static_cast<std::size_t>(y)]) {
            float* out = &sum[static_cast<std::size_t>(f.i) * dw * 3];
            for (std::size_t k = 0; k < wide.size(); k++)
                out[k] += f.w * wide[k];
        }
    }
    intake_image img;
    img.w = dw;
    img.h = dh;
    img.rgba.resize(static_cast<std::size_t>(dw) * dh * 4);
    for (std::size_t i = 0; i < static_cast<std::size_t>(dw) * dh; i++) {
        for (int c = 0; c < 3; c++)
            img.rgba[i * 4 + c] = static_cast<std::uint8_t>(std::clamp(sum[i * 3 + c] + 0.5f, 0.0f, 255.0f));
        img.rgba[i * 4 + 3] = 255;
    }
    return img;
}

// Turns the image as the camera's orientation code says it should stand.
intake_image orient(intake_image s, int o)
{
    if (o <= 1 || o > 8)
        return s;
    bool swap = o >= 5;
    intake_image d;
    d.w = swap ? s.h : s.w;
    d.h = swap ? s.w : s.h;
    d.rgba.resize(s.rgba.size());
    for (int y = 0; y < d.h; y++)
        for (int x = 0; x < d.w; x++) {
            int sx = x, sy = y;
            switch (o) {
            case 2: sx = s.w - 1 - x; break;
            case 3: sx = s.w - 1 - x, sy = s.h - 1 - y; break;
            case 4: sy = s.h - 1 - y; break;
            case 5: sx = y, sy = x; break;
            case 6: sx = y, sy = s.h - 1 - x; break;
            case 7: sx = s.w - 1 - y, sy = s.h - 1 - x; break;
            case 8: sx = s.w - 1 - y, sy = x; break;
            default: break;
            }
            std::memcpy(&d.rgba[(static_cast<std::size_t>(y) * d.w + x) * 4],
                        &s.rgba[(static_cast<std::size_t>(sy) * s.w + sx) * 4], 4);
        }
    return d;
}

void image_row(const void* ctx, int y, std::uint8_t* out)
{
    const intake_image& img = *static_cast<const intake_image*>(ctx);
    std::memcpy(out, img.rgba.data() + static_cast<std::size_t>(y) * img.w * 4, static_cast<std::size_t>(img.w) * 4);
}

}  // namespace

intake_rows intake_image_rows(const intake_image& img)
{
    return intake_rows{img.w, img.h, &img, image_row};
}

void intake_reduced_size(int w, int h, int max_side, int* dw, int* dh)
{
    long cw = std::min<long>(w, static_cast<long>(h) * INTAKE_MAX_ASPECT);
    long ch = std::min<long>(h, static_cast<long>(w) * INTAKE_MAX_ASPECT);
    long shorter = std::min(cw, ch);
    double s = shorter > max_side ? static_cast<double>(max_side) / static_cast<double>(shorter) : 1.0;
    *dw = std::max(1, static_cast<int>(std::lround(static_cast<double>(cw) * s)));
    *dh = std::max(1, static_cast<int>(std::lround(static_cast<double>(ch) * s)));
}

intake_image intake_reduce(const intake_rows& rows, int orientation, int max_side)
{
    int cw = std::min(rows.w, rows.h * INTAKE_MAX_ASPECT), ch = std::min(rows.h, rows.w * INTAKE_MAX_ASPECT);
    int dw = 0, dh = 0;
    intake_reduced_size(rows.w, rows.h, max_side, &dw, &dh);
    return orient(resample(rows, (rows.w - cw) / 2, (rows.h - ch) / 2, cw, ch, dw, dh), orientation);
}

intake_image intake_fit(const intake_image& src, int dw, int dh)
{
    // The largest centred area of the wanted proportions.
    int cw = src.w, ch = src.h;
    if (static_cast<long>(src.w) * dh > static_cast<long>(src.h) * dw)
        cw = std::max(1, static_cast<int>(static_cast<long>(src.h) * dw / dh));
    else
        ch = std::max(1, static_cast<int>(static_cast<long>(src.w) * dh / dw));
    return resample(intake_image_rows(src), (src.w - cw) / 2, (src.h - ch) / 2, cw, ch, dw, dh);
}
