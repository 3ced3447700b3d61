// picture_tiff.cpp -- a TIFF picture as scanners, image editors and cameras write it:
// its first directory (wherever in the file it lies) read by libtiff, its pixels of
// any kind libtiff turns into RGBA decoded a band of strips or tiles at a time into
// the reduction, turned by its own orientation tag
#include "rules/picture_tiff.h"
#include "rules/translate.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <tiffio.h>

namespace {

// Pixels decoded at once, as RGBA: a band of whole strips or tiles where they
// fit, so that each is decoded once; a larger strip is read in parts.
constexpr std::size_t BAND_BYTES = 64u << 20;

// libtiff's view of the file: a position in it, and whether a read failed or
// went past its end, which tells a cut file from a damaged one.
struct tiff_io {
    intake_cursor* cursor = nullptr;
    std::uint64_t pos = 0;
    bool ended = false;
    bool unreadable = false;
};

tmsize_t io_read(thandle_t h, void* buf, tmsize_t n)
{
    tiff_io& io = *static_cast<tiff_io*>(h);
    std::uint64_t size = io.cursor->src->size;
    std::uint64_t left = io.pos < size ? size - io.pos : 0;
    std::size_t k = static_cast<std::size_t>(std::min<std::uint64_t>(n > 0 ? static_cast<std::uint64_t>(n) : 0, left));
    if (static_cast<tmsize_t>(k) < n)
        io.ended = true;
    if (k == 0)
        return 0;
    const std::uint8_t* p = intake_fetch(*io.cursor, io.pos, k);
    if (!p) {
        io.unreadable = true;
        return -1;
    }
    std::memcpy(buf, p, k);
    io.pos += k;
    return static_cast<tmsize_t>(k);
}

tmsize_t io_write(thandle_t, void*, tmsize_t) { return -1; }

toff_t io_seek(thandle_t h, toff_t off, int whence)
{
    tiff_io& io = *static_cast<tiff_io*>(h);
    std::uint64_t base = whence == SEEK_CUR ? io.pos : whence == SEEK_END ? io.cursor->src->size : 0;
    io.pos = base + off;
    return io.pos;
}

int io_close(thandle_t) { return 0; }
toff_t io_size(thandle_t h) { return static_cast<tiff_io*>(h)->cursor->src->size; }
int io_map(thandle_t, void**, toff_t*) { return 0; }
void io_unmap(thandle_t, void*, toff_t) {}

// libtiff's messages are kept from the terminal: the reason comes back as a result.
int quiet(TIFF*, void*, const char*, const char*, va_list) { return 1; }

// The file opened and its first directory read, with no memory mapped and no
// single allocation beyond what a decode may take.
TIFF* open_tiff(tiff_io& io)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options)
        return nullptr;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, static_cast<tmsize_t>(INTAKE_MAX_DECODE_BYTES));
    TIFFOpenOptionsSetErrorHandlerExtR(options, quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quiet, nullptr);
    TIFF* t = TIFFClientOpenExt("picture", "rm", &io, io_read, io_write, io_seek, io_close, io_size, io_map, io_unmap,
                                options);
    TIFFOpenOptionsFree(options);
    return t;
}

const char* io_failure(const tiff_io& io, const char* otherwise)
{
    return io.unreadable ? N_("not readable") : io.ended ? N_("cut short") : otherwise;
}

// A decode in progress: the reduction pulls rows through a const pointer, and
// pulling one may decode the next band.
struct tiff_decode {
    TIFFRGBAImage* img = nullptr;
    const tiff_io* io = nullptr;
    int w = 0, h = 0, band = 1;
    mutable std::vector<std::uint32_t> raster;
    mutable int band_y = -1;
    mutable const char* why = nullptr;
};

// libtiff's RGBA carries its transparency premultiplied; the reduction takes it straight.
std::uint8_t straight(std::uint32_t c, std::uint32_t a)
{
    return static_cast<std::uint8_t>(a == 0 || a == 255 ? c : std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
}

void decode_row(const void* ctx, int y, std::uint8_t* out)
{
    const tiff_decode& d = *static_cast<const tiff_decode*>(ctx);
    if (!d.why && (d.band_y < 0 || y < d.band_y || y >= d.band_y + d.band)) {
        d.band_y = y - y % d.band;
        d.img->row_offset = d.band_y;
        d.img->col_offset = 0;
        if (!TIFFRGBAImageGet(d.img, d.raster.data(), static_cast<std::uint32_t>(d.w),
                              static_cast<std::uint32_t>(std::min(d.band, d.h - d.band_y))))
            d.why = io_failure(*d.io, N_("a damaged TIFF"));
    }
    if (d.why) {
        std::memset(out, 0, static_cast<std::size_t>(d.w) * 4);
        return;
    }
    const std::uint32_t* p = d.raster.data() + static_cast<std::size_t>(y - d.band_y) * d.w;
    for (int x = 0; x < d.w; x++, out += 4) {
        std::uint32_t v = p[x], a = TIFFGetA(v);
        out[0] = straight(TIFFGetR(v), a);
        out[1] = straight(TIFFGetG(v), a);
        out[2] = straight(TIFFGetB(v), a);
        out[3] = static_cast<std::uint8_t>(a);
    }
}

// Rows decoded at once: a strip's or a tile's, within BAND_BYTES of RGBA.
int band_rows(TIFF* t, int w, int h)
{
    std::uint32_t rows = 0;
    if (TIFFIsTiled(t))
        TIFFGetField(t, TIFFTAG_TILELENGTH, &rows);
    else
        TIFFGetFieldDefaulted(t, TIFFTAG_ROWSPERSTRIP, &rows);
    std::size_t most = std::max<std::size_t>(1, BAND_BYTES / (static_cast<std::size_t>(std::max(w, 1)) * 4));
    return static_cast<int>(std::clamp<std::size_t>(rows, 1, std::min<std::size_t>(most, std::max(h, 1))));
}

}  // namespace

const char* tiff_probe(intake_cursor& c, int* w, int* h, int* orientation, std::uint64_t* held)
{
    tiff_io io;
    io.cursor = &c;
    TIFF* t = open_tiff(io);
    if (!t)
        return io_failure(io, N_("a damaged TIFF"));
    std::uint32_t tw = 0, th = 0;
    std::uint16_t o = ORIENTATION_TOPLEFT, compression = COMPRESSION_NONE;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &tw);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &th);
    TIFFGetFieldDefaulted(t, TIFFTAG_ORIENTATION, &o);
    TIFFGetFieldDefaulted(t, TIFFTAG_COMPRESSION, &compression);
    *w = static_cast<int>(std::min<std::uint32_t>(tw, 1u << 30));
    *h = static_cast<int>(std::min<std::uint32_t>(th, 1u << 30));
    *orientation = o >= 1 && o <= 8 ? o : 1;
    std::uint16_t photometric = 0, bits = 0;
    TIFFGetFieldDefaulted(t, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &bits);
    // What libtiff can turn into RGBA is known only by trying to begin.
    TIFFRGBAImage img;
    char message[1024];
    const char* why = nullptr;
    // libtiff decodes a strip or a tile whole, however few of its rows are wanted.
    std::uint64_t piece = TIFFIsTiled(t) ? TIFFTileSize64(t) : TIFFStripSize64(t);
    // The band of RGBA rows, and the strip or tile libtiff decodes them from.
    *held = static_cast<std::uint64_t>(*w) * 4 * static_cast<std::uint64_t>(band_rows(t, *w, *h)) + piece + (1u << 20);
    if (!TIFFIsCODECConfigured(compression))
        why = N_("a TIFF compressed in a way this game does not read");
    else if (piece > INTAKE_MAX_DECODE_BYTES)
        why = N_("too large to decode in the memory a picture may take");
    else if (TIFFRGBAImageBegin(&img, t, 1, message))
        TIFFRGBAImageEnd(&img);
    else if (photometric == PHOTOMETRIC_SEPARATED && bits != 8)
        why = N_("a CMYK TIFF of more than 8 bits a sample, which this game does not read");
    else
        why = N_("a kind of TIFF this game does not read");
    TIFFClose(t);
    return why;
}

const char* tiff_read(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out)
{
    intake_source src = intake_memory(data, size);
    intake_cursor cursor;
    cursor.src = &src;
    tiff_io io;
    io.cursor = &cursor;
    TIFF* t = open_tiff(io);
    if (!t)
        return io_failure(io, N_("a damaged TIFF"));
    TIFFRGBAImage img;
    char message[1024];
    const char* why = nullptr;
    if (!TIFFRGBAImageBegin(&img, t, 1, message)) {
        why = N_("a kind of TIFF this game does not read");
    } else {
        // The rows as stored, top to bottom; the reduction turns them as the tag says.
        int orientation = img.orientation >= 1 && img.orientation <= 8 ? img.orientation : 1;
        img.req_orientation = img.orientation;
        tiff_decode d;
        d.img = &img;
        d.io = &io;
        d.w = static_cast<int>(img.width);
        d.h = static_cast<int>(img.height);
        d.band = band_rows(t, d.w, d.h);
        d.raster.resize(static_cast<std::size_t>(d.w) * d.band);
        *out = intake_reduce(intake_rows{d.w, d.h, &d, decode_row}, orientation, max_side);
        why = d.why;
        TIFFRGBAImageEnd(&img);
    }
    TIFFClose(t);
    return why;
}
