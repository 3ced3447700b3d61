// picture_webp.cpp -- a WebP picture, lossy or lossless, still or animated (its first
// frame): its canvas size from the header, its pixels decoded by libwebp, its
// orientation from its EXIF chunk
#include "rules/picture_webp.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <webp/decode.h>
#include <webp/demux.h>

#include "rules/picture_exif.h"

namespace {

std::uint32_t le24(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16); }

// The orientation from the EXIF chunk, if any: it holds the TIFF structure,
// sometimes with the JPEG's "Exif\0\0" before it.
int webp_orientation(const std::uint8_t* data, std::size_t size)
{
    int o = 1;
    WebPData whole = {data, size};
    WebPDemuxer* demux = WebPDemux(&whole);
    if (!demux)
        return o;
    WebPChunkIterator it;
    if (WebPDemuxGetChunk(demux, "EXIF", 1, &it)) {
        const std::uint8_t* e = it.chunk.bytes;
        std::size_t n = it.chunk.size;
        if (n > 6 && std::memcmp(e, "Exif\0\0", 6) == 0) {
            o = exif_orientation(e, n);
        } else {
            std::vector<std::uint8_t> block(6 + n);
            std::memcpy(block.data(), "Exif\0\0", 6);
            std::memcpy(block.data() + 6, e, n);
            o = exif_orientation(block.data(), block.size());
        }
        WebPDemuxReleaseChunkIterator(&it);
    }
    WebPDemuxDelete(demux);
    return o;
}

// An animation's first frame on its canvas, as a viewer first shows it.
const char* first_frame(const std::uint8_t* data, std::size_t size, intake_image* px)
{
    WebPData whole = {data, size};
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return "a damaged WebP picture";
    options.color_mode = MODE_RGBA;
    options.use_threads = 0;
    WebPAnimDecoder* dec = WebPAnimDecoderNew(&whole, &options);
    WebPAnimInfo info;
    std::uint8_t* frame = nullptr;
    int timestamp = 0;
    const char* why = "a damaged or cut WebP picture";
    if (dec && WebPAnimDecoderGetInfo(dec, &info) && static_cast<int>(info.canvas_width) == px->w &&
        static_cast<int>(info.canvas_height) == px->h && WebPAnimDecoderGetNext(dec, &frame, &timestamp)) {
        std::memcpy(px->rgba.data(), frame, px->rgba.size());
        why = nullptr;
    }
    WebPAnimDecoderDelete(dec);
    return why;
}

}  // namespace

const char* webp_probe(intake_cursor& c, int* w, int* h, std::uint64_t* held)
{
    // An extended file gives its canvas in its first chunk, whatever chunks
    // (a colour profile, say) come before the picture's own.
    const std::uint8_t* d = intake_fetch(c, 0, 30);
    bool extended = d && std::memcmp(d + 12, "VP8X", 4) == 0, animated = extended && (d[20] & 0x02) != 0;
    if (extended) {
        *w = static_cast<int>(le24(d + 24) + 1);
        *h = static_cast<int>(le24(d + 27) + 1);
    }
    // Enough for the picture's own header after the usual chunks before it.
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(c.src->size, extended ? 65536 : 64));
    if (!(d = intake_fetch(c, 0, n)))
        return c.why;
    WebPBitstreamFeatures f;
    VP8StatusCode status = WebPGetFeatures(d, n, &f);
    if (!extended && status != VP8_STATUS_OK)
        return status == VP8_STATUS_NOT_ENOUGH_DATA ? "cut short" : "a damaged WebP picture";
    if (!extended) {
        *w = f.width;
        *h = f.height;
    }
    // The RGBA picture; a lossless one (or one not known lossy from its first
    // bytes) decodes through an ARGB picture of its own beside it; an
    // animation's first frame is laid on its canvas, which is kept twice.
    bool lossy = status == VP8_STATUS_OK && f.format == 1;
    std::uint64_t px = static_cast<std::uint64_t>(*w) * static_cast<std::uint64_t>(*h);
    *held = px * (4 + (lossy ? 1 : 5) + (animated ? 8 : 0)) + (1u << 20);
    return nullptr;
}

const char* webp_read(const std::uint8_t* data, std::size_t size, int max_side, int* orientation, intake_image* out)
{
    WebPBitstreamFeatures f;
    if (WebPGetFeatures(data, size, &f) != VP8_STATUS_OK)
        return "a damaged or cut WebP picture";
    intake_image px;
    px.w = f.width;
    px.h = f.height;
    px.rgba.resize(static_cast<std::size_t>(px.w) * px.h * 4);
    if (f.has_animation) {
        if (const char* why = first_frame(data, size, &px))
            return why;
    } else if (!WebPDecodeRGBAInto(data, size, px.rgba.data(), px.rgba.size(), px.w * 4)) {
        return "a damaged or cut WebP picture";
    }
    *orientation = webp_orientation(data, size);
    *out = intake_reduce(intake_image_rows(px), *orientation, max_side);
    return nullptr;
}
