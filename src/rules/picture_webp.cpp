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
#include "rules/translate.h"

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
        return N_("a damaged WebP picture");
    options.color_mode = MODE_RGBA;
    options.use_threads = 0;
    WebPAnimDecoder* dec = WebPAnimDecoderNew(&whole, &options);
    WebPAnimInfo info;
    std::uint8_t* frame = nullptr;
    int timestamp = 0;
    const char* why = N_("a damaged or cut WebP picture");
    if (dec && WebPAnimDecoderGetInfo(dec, &info) && static_cast<int>(info.canvas_width) == px->w &&
        static_cast<int>(info.canvas_height) == px->h && WebPAnimDecoderGetNext(dec, &frame, &timestamp)) {
        std::memcpy(px->rgba.data(), frame, px->rgba.size());
        why = nullptr;
    }
    WebPAnimDecoderDelete(dec);
    return why;
}

// The size a still picture is decoded at: its shorter side at most twice what
// the reduction makes of it, for the area filter to finish.
void decoded_size(int w, int h, int max_side, int* dw, int* dh)
{
    int shorter = std::min(w, h), most = 2 * max_side;
    double s = shorter > most ? static_cast<double>(most) / shorter : 1.0;
    *dw = std::max(1, static_cast<int>(w * s + 0.5));
    *dh = std::max(1, static_cast<int>(h * s + 0.5));
}

// A still picture decoded straight to that size by libwebp's own scaler, so
// that a lossy one never holds more than a few rows at full size (a lossless
// one keeps its whole picture inside the decoder all the same).
const char* decode_still(const std::uint8_t* data, std::size_t size, int max_side, intake_image* px)
{
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config) || WebPGetFeatures(data, size, &config.input) != VP8_STATUS_OK)
        return N_("a damaged or cut WebP picture");
    int dw = 0, dh = 0;
    decoded_size(config.input.width, config.input.height, max_side, &dw, &dh);
    px->w = dw;
    px->h = dh;
    px->rgba.resize(static_cast<std::size_t>(dw) * dh * 4);
    config.options.use_threads = 0;
    config.options.use_scaling = dw != config.input.width || dh != config.input.height;
    config.options.scaled_width = dw;
    config.options.scaled_height = dh;
    config.output.colorspace = MODE_RGBA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = px->rgba.data();
    config.output.u.RGBA.stride = dw * 4;
    config.output.u.RGBA.size = px->rgba.size();
    VP8StatusCode status = WebPDecode(data, size, &config);
    WebPFreeDecBuffer(&config.output);
    if (status == VP8_STATUS_OUT_OF_MEMORY)
        return N_("not enough memory to read it");
    return status == VP8_STATUS_OK ? nullptr : N_("a damaged or cut WebP picture");
}

}  // namespace

const char* webp_read_whole(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out, bool* transparent)
{
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK || features.has_animation)
        return N_("a damaged or cut WebP picture");
    if (features.width > max_side || features.height > max_side)
        return N_("too large");
    *transparent = features.has_alpha != 0;
    return decode_still(data, size, max_side, out);
}

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
        return status == VP8_STATUS_NOT_ENOUGH_DATA ? N_("cut short") : N_("a damaged WebP picture");
    if (!extended) {
        *w = f.width;
        *h = f.height;
    }
    // A still picture: the picture at the size it is decoded at, and a few
    // rows at full size; a lossless one (or one not known lossy from its first
    // bytes) keeps its whole picture inside the decoder, and a lossy one its
    // transparency. An animation's first frame is laid on its canvas, kept twice
    // beside the copy taken of it, and decoded through a picture of its own.
    bool lossy = status == VP8_STATUS_OK && f.format == 1;
    bool alpha = status == VP8_STATUS_OK ? f.has_alpha != 0 : true;
    std::uint64_t px = static_cast<std::uint64_t>(*w) * static_cast<std::uint64_t>(*h);
    int dw = 0, dh = 0;
    decoded_size(*w, *h, 2 * INTAKE_MAX_SIDE, &dw, &dh);
    std::uint64_t still = static_cast<std::uint64_t>(dw) * static_cast<std::uint64_t>(dh) * 4 +
                          static_cast<std::uint64_t>(*w) * 64 + (2u << 20);
    if (animated)
        *held = px * (12 + (lossy ? 1 : 5)) + (1u << 20);
    else
        *held = still + px * (lossy ? (alpha ? 1 : 0) : 4);
    return nullptr;
}

const char* webp_read(const std::uint8_t* data, std::size_t size, int max_side, int* orientation, intake_image* out)
{
    WebPBitstreamFeatures f;
    if (WebPGetFeatures(data, size, &f) != VP8_STATUS_OK)
        return N_("a damaged or cut WebP picture");
    intake_image px;
    if (f.has_animation) {
        px.w = f.width;
        px.h = f.height;
        px.rgba.resize(static_cast<std::size_t>(px.w) * px.h * 4);
        if (const char* why = first_frame(data, size, &px))
            return why;
    } else if (const char* why = decode_still(data, size, max_side, &px)) {
        return why;
    }
    *orientation = webp_orientation(data, size);
    *out = intake_reduce(intake_image_rows(px), *orientation, max_side);
    return nullptr;
}
