// picture_heif.cpp -- HEIC and AVIF pictures, as phones and browsers save them: the
// size and the turn read from the file's boxes, the pixels decoded by libheif
// as stored, for the intake to reduce and turn upright
#include "rules/picture_heif.h"
#include "rules/translate.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include <libheif/heif.h>

const char* const HEIF_NOT_HEIF = "not HEIF";

namespace {

constexpr std::uint32_t fourcc(const char (&s)[5])
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[0])) << 24 | static_cast<std::uint8_t>(s[1]) << 16 |
           static_cast<std::uint8_t>(s[2]) << 8 | static_cast<std::uint8_t>(s[3]);
}

std::uint32_t be16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] << 8 | p[1]); }
std::uint32_t be32(const std::uint8_t* p) { return be16(p) << 16 | be16(p + 2); }

// One box: its type and its body, which lies wholly inside the bytes given.
struct box {
    std::uint32_t type = 0;
    const std::uint8_t* body = nullptr;
    std::size_t len = 0;
};

enum class next { BOX, END, CUT, BAD };

// The box at the front of [*at, end), moving *at past it. CUT when it runs
// past the bytes there are (the file's head may stop inside a large box).
next next_box(const std::uint8_t** at, const std::uint8_t* end, box* b)
{
    std::size_t left = static_cast<std::size_t>(end - *at);
    if (left == 0)
        return next::END;
    if (left < 8)
        return next::CUT;
    const std::uint8_t* p = *at;
    std::uint64_t size = be32(p), head = 8;
    b->type = be32(p + 4);
    if (size == 1) {
        if (left < 16)
            return next::CUT;
        size = static_cast<std::uint64_t>(be32(p + 8)) << 32 | be32(p + 12);
        head = 16;
    } else if (size == 0) {
        size = left;  // to the end of its parent
    }
    if (size < head)
        return next::BAD;
    if (size > left)
        return next::CUT;
    b->body = p + head;
    b->len = static_cast<std::size_t>(size - head);
    *at = p + size;
    return next::BOX;
}

// What the meta box holds that the probe needs, pointing into the file.
struct meta_boxes {
    std::uint32_t primary = 0;
    bool has_primary = false;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> items;  // id, type
    std::vector<box> properties;                                 // ipco's, 1-based in ipma
    std::vector<box> associations;                               // the ipma boxes
};

const char* const DAMAGED = N_("a damaged HEIC or AVIF picture");

// The infe boxes of an iinf box (item info of version 2 and 3 carry the type).
void read_items(const box& iinf, meta_boxes* m)
{
    std::size_t first = iinf.len > 0 && iinf.body[0] == 0 ? 6 : 8;
    if (iinf.len < first)
        return;
    const std::uint8_t* at = iinf.body + first;
    const std::uint8_t* end = iinf.body + iinf.len;
    box b;
    while (next_box(&at, end, &b) == next::BOX) {
        if (b.type != fourcc("infe") || b.len < 12 || b.body[0] < 2 || (b.body[0] == 3 && b.len < 14))
            continue;
        bool v2 = b.body[0] == 2;
        m->items.emplace_back(v2 ? be16(b.body + 4) : be32(b.body + 4), be32(b.body + (v2 ? 8 : 10)));
    }
}

// The children of the meta box (a full box: its first four bytes are its version).
const char* read_meta(const box& meta, meta_boxes* m)
{
    if (meta.len < 4)
        return DAMAGED;
    const std::uint8_t* at = meta.body + 4;
    const std::uint8_t* end = meta.body + meta.len;
    box b;
    for (next n; (n = next_box(&at, end, &b)) != next::END;) {
        if (n != next::BOX)
            return DAMAGED;
        if (b.type == fourcc("pitm") && b.len >= 6) {
            m->primary = b.body[0] == 0 ? be16(b.body + 4) : b.len >= 8 ? be32(b.body + 4) : 0;
            m->has_primary = true;
        } else if (b.type == fourcc("iinf")) {
            read_items(b, m);
        } else if (b.type == fourcc("iprp")) {
            const std::uint8_t* in = b.body;
            box c;
            while (next_box(&in, b.body + b.len, &c) == next::BOX) {
                if (c.type == fourcc("ipma")) {
                    m->associations.push_back(c);
                } else if (c.type == fourcc("ipco")) {
                    const std::uint8_t* p = c.body;
                    box prop;
                    while (next_box(&p, c.body + c.len, &prop) == next::BOX)
                        m->properties.push_back(prop);
                }
            }
        }
    }
    return nullptr;
}

// The property indexes (1-based, 0 for none) associated with an item, in their order.
std::vector<std::uint32_t> item_properties(const meta_boxes& m, std::uint32_t item)
{
    std::vector<std::uint32_t> found;
    for (const box& a : m.associations) {
        if (a.len < 8)
            continue;
        bool long_ids = a.body[0] >= 1, long_index = (a.body[3] & 1) != 0;
        std::size_t at = 8, end = a.len;
        for (std::uint32_t e = 0, n = be32(a.body + 4); e < n; e++) {
            std::size_t id_len = long_ids ? 4 : 2;
            if (at + id_len + 1 > end)
                break;
            std::uint32_t id = long_ids ? be32(a.body + at) : be16(a.body + at);
            std::size_t count = a.body[at + id_len], step = long_index ? 2 : 1;
            at += id_len + 1;
            if (count * step > end - at)
                break;
            for (std::size_t k = 0; k < count; k++, at += step)
                if (id == item)
                    found.push_back(long_index ? be16(a.body + at) & 0x7fff : a.body[at] & 0x7fu);
        }
    }
    return found;
}

// A turn (f: mirrored left to right first, then r quarter turns clockwise) as
// the EXIF orientation code that makes the stored picture stand so.
int exif_code(bool f, int r)
{
    static const int CODES[2][4] = {{1, 6, 3, 8}, {2, 7, 4, 5}};
    return CODES[f ? 1 : 0][r & 3];
}

// The bits a sample of a codec's configuration or a pixi box says.
int property_depth(const box& p)
{
    if (p.type == fourcc("hvcC") && p.len >= 23)
        return (p.body[17] & 7) + 8;
    if (p.type == fourcc("av1C") && p.len >= 4)
        return (p.body[2] & 0x40) ? ((p.body[2] & 0x20) ? 12 : 10) : 8;
    if (p.type == fourcc("pixi") && p.len >= 5) {
        int d = 0;
        for (std::size_t c = 0; c < p.body[4] && 5 + c < p.len; c++)
            d = std::max<int>(d, p.body[5 + c]);
        return d;
    }
    return 0;
}

// An auxC box naming a transparency picture (other auxiliary pictures, a
// depth map or a gain map, are not decoded with the picture).
bool is_alpha(const box& p)
{
    if (p.type != fourcc("auxC") || p.len < 5)
        return false;
    const char* text = reinterpret_cast<const char*>(p.body + 4);
    std::string urn(text, strnlen(text, p.len - 4));
    return urn == "urn:mpeg:hevc:2015:auxid:1" || urn == "urn:mpeg:mpegB:cicp:systems:auxiliary:alpha";
}

// libheif's decoding options, freed on every way out.
struct decoding_options {
    heif_decoding_options* o = heif_decoding_options_alloc();
    ~decoding_options() { heif_decoding_options_free(o); }
};

const char* damaged(const heif_facts& f)
{
    return f.av1 ? N_("a damaged or cut AVIF picture") : N_("a damaged or cut HEIC picture");
}

const char* unreadable(const heif_facts& f)
{
    return f.av1 ? N_("an AVIF picture coded in a way this game cannot read") : N_("a HEIC picture coded in a way this game cannot read");
}

const char* decode_problem(const heif_error& e, const heif_facts& f)
{
    if (e.code == heif_error_Memory_allocation_error)
        return e.subcode == heif_suberror_Security_limit_exceeded ? N_("too large to decode in the memory a picture may take")
                                                                  : N_("not enough memory to read it");
    if (e.code == heif_error_Unsupported_feature || e.code == heif_error_Unsupported_filetype)
        return unreadable(f);
    return damaged(f);
}

}  // namespace

const char* heif_probe(const std::uint8_t* d, std::size_t size, heif_facts* out)
{
    *out = heif_facts{};
    if (size < 12 || std::memcmp(d + 4, "ftyp", 4) != 0)
        return HEIF_NOT_HEIF;
    const std::uint8_t* at = d;
    box ftyp;
    next n = next_box(&at, d + size, &ftyp);
    if (n == next::CUT)
        return N_("cut short");
    if (n != next::BOX || ftyp.len < 8)
        return HEIF_NOT_HEIF;
    // A still picture's brand, major or compatible; videos and others are not pictures.
    static const std::uint32_t STILL[] = {fourcc("mif1"), fourcc("heic"), fourcc("heix"), fourcc("avif")};
    bool still = false;
    for (std::size_t i = 0; i + 4 <= ftyp.len; i += i == 0 ? 8 : 4)
        still = still || std::find(std::begin(STILL), std::end(STILL), be32(ftyp.body + i)) != std::end(STILL);
    if (!still)
        return HEIF_NOT_HEIF;

    meta_boxes m;
    bool found = false;
    box b;
    while (!found && (n = next_box(&at, d + size, &b)) != next::END) {
        if (n == next::CUT)
            return N_("cut short");
        if (n == next::BAD)
            return DAMAGED;
        if (b.type == fourcc("meta")) {
            if (const char* why = read_meta(b, &m))
                return why;
            found = true;
        }
    }
    if (!found || !m.has_primary)
        return DAMAGED;
    std::uint32_t type = 0;
    for (const auto& item : m.items) {
        if (item.first == m.primary)
            type = item.second;
        out->av1 = out->av1 || item.second == fourcc("av01");
    }
    if (type == fourcc("grid"))
        out->tiled = true;
    else if (type != fourcc("hvc1") && type != fourcc("av01") && type != fourcc("iden") && type != fourcc("iovl"))
        return type == 0 ? DAMAGED : N_("a HEIF picture coded in a way this game cannot read");

    // The size, and the turns in the order they apply.
    bool mirrored = false;
    int quarters = 0;
    for (std::uint32_t index : item_properties(m, m.primary)) {
        if (index == 0 || index > m.properties.size())
            continue;
        const box& p = m.properties[index - 1];
        if (p.type == fourcc("ispe") && p.len >= 12) {
            out->w = static_cast<int>(std::min<std::uint32_t>(be32(p.body + 4), 1u << 30));
            out->h = static_cast<int>(std::min<std::uint32_t>(be32(p.body + 8), 1u << 30));
        } else if (p.type == fourcc("irot") && p.len >= 1) {
            quarters += 4 - (p.body[0] & 3);  // anticlockwise in the file
        } else if (p.type == fourcc("imir") && p.len >= 1) {
            // Mirrored left to right (1) or top to bottom (0, a left-right
            // mirror and a half turn), after the turns so far.
            mirrored = !mirrored;
            quarters = (p.body[0] & 1) ? 4 - quarters % 4 : 6 - quarters % 4;
        }
    }
    out->orientation = exif_code(mirrored, quarters % 4);
    for (const box& p : m.properties) {
        out->depth = std::max(out->depth, property_depth(p));
        out->alpha = out->alpha || is_alpha(p);
    }
    return nullptr;
}

const char* heif_probe(intake_cursor& c, heif_facts* out)
{
    // A meta box holds the items' names and properties: kilobytes, or a few
    // hundred of them with a large EXIF block; no real one comes near this.
    constexpr std::uint64_t MOST_META = 16u << 20;
    std::vector<std::uint8_t> boxes;
    std::uint64_t at = 0, size = c.src->size;
    for (int n = 0; n < 256 && at < size; n++) {
        std::uint64_t left = size - at;
        const std::uint8_t* h = intake_fetch(c, at, static_cast<std::size_t>(std::min<std::uint64_t>(16, left)));
        if (!h)
            return c.why;
        if (left < 8)
            return N_("cut short");
        std::uint64_t len = be32(h);
        std::uint32_t type = be32(h + 4);
        if (len == 1) {
            if (left < 16)
                return N_("cut short");
            len = static_cast<std::uint64_t>(be32(h + 8)) << 32 | be32(h + 12);
        } else if (len == 0) {
            len = left;  // to the file's end
        }
        if (len < 8)
            return DAMAGED;
        if (n == 0 || type == fourcc("meta")) {
            if (len > MOST_META)
                return DAMAGED;
            if (len > left)
                return N_("cut short");
            const std::uint8_t* b = intake_fetch(c, at, static_cast<std::size_t>(len));
            if (!b)
                return c.why;
            boxes.insert(boxes.end(), b, b + len);
            // The file type alone says whether this is a still picture at all.
            const char* why = heif_probe(boxes.data(), boxes.size(), out);
            if (n > 0 || why == HEIF_NOT_HEIF)
                return why;
        }
        at += len;
    }
    return DAMAGED;  // no meta box
}

std::uint64_t heif_decode_bytes(const heif_facts& f)
{
    std::uint64_t px = static_cast<std::uint64_t>(f.w) * static_cast<std::uint64_t>(f.h);
    std::uint64_t sample = f.depth > 8 ? 2 : 1;
    // libheif hands back full RGB planes (and the transparency's).
    std::uint64_t planes = px * sample * (f.alpha ? 4 : 3);
    // A grid is decoded a tile at a time into them.
    if (f.tiled)
        return planes + (8u << 20);
    // A picture coded whole: beside them, the codec's frame and its own
    // buffers, measured at 2.5 bytes a pixel for HEVC and 4.5 for AV1.
    return planes + px * sample * (f.av1 ? 9 : 5) / 2 + (4u << 20);
}

heif_pixels::~heif_pixels()
{
    if (img)
        heif_image_release(img);
    if (handle)
        heif_image_handle_release(handle);
    if (ctx)
        heif_context_free(ctx);
}

const char* heif_decode(const std::uint8_t* data, std::size_t size, const heif_facts& facts, heif_pixels* out)
{
    // libheif registers its decoders on first use, which is not safe on
    // several threads at once.
    static std::once_flag registered;
    std::call_once(registered, [] { heif_init(nullptr); });
    out->ctx = heif_context_alloc();
    if (!out->ctx)
        return N_("not enough memory to read it");
    // The sides the intake allows, and the tiles of a grid decoded on this
    // thread: the pictures of a level are already decoded side by side.
    heif_context_set_maximum_image_size_limit(out->ctx, 1 << 15);
    heif_context_set_max_decoding_threads(out->ctx, 0);
    heif_error e = heif_context_read_from_memory_without_copy(out->ctx, data, size, nullptr);
    if (e.code == heif_error_Ok)
        e = heif_context_get_primary_image_handle(out->ctx, &out->handle);
    if (e.code != heif_error_Ok)
        return decode_problem(e, facts);
    if (heif_image_handle_get_ispe_width(out->handle) != facts.w || heif_image_handle_get_ispe_height(out->handle) != facts.h)
        return damaged(facts);
    // Decoded as stored and turned by the intake once reduced, rather than
    // turned whole by libheif, which would hold a second full copy; RGB
    // planes, which libheif makes on its way to any other layout.
    decoding_options options;
    if (!options.o)
        return N_("not enough memory to read it");
    options.o->ignore_transformations = 1;
    e = heif_decode_image(out->handle, &out->img, heif_colorspace_RGB, heif_chroma_444, options.o);
    if (e.code != heif_error_Ok)
        return decode_problem(e, facts);
    out->w = heif_image_get_primary_width(out->img);
    out->h = heif_image_get_primary_height(out->img);
    if (out->w != facts.w || out->h != facts.h)
        return damaged(facts);
    const heif_channel channels[4] = {heif_channel_R, heif_channel_G, heif_channel_B, heif_channel_Alpha};
    int storage = heif_image_get_bits_per_pixel(out->img, heif_channel_R);
    int range = heif_image_get_bits_per_pixel_range(out->img, heif_channel_R);
    if ((storage != 8 && storage != 16) || range < 8 || range > storage)
        return unreadable(facts);
    out->shift = range - 8;
    out->bytes = storage / 8;
    int bytes = out->bytes;
    for (int c = 0; c < 4; c++) {
        if (!heif_image_has_channel(out->img, channels[c]))
            continue;
        const std::uint8_t* p = heif_image_get_plane_readonly(out->img, channels[c], &out->stride[c]);
        // Every plane read whole, or (the transparency) not at all.
        bool whole = p && heif_image_get_width(out->img, channels[c]) >= out->w &&
                     heif_image_get_height(out->img, channels[c]) >= out->h &&
                     heif_image_get_bits_per_pixel(out->img, channels[c]) == storage &&
                     out->stride[c] >= out->w * bytes;
        if (!whole && c < 3)
            return damaged(facts);
        out->plane[c] = whole ? p : nullptr;
    }
    return nullptr;
}

void heif_row(const void* ctx, int y, std::uint8_t* out)
{
    const heif_pixels& p = *static_cast<const heif_pixels*>(ctx);
    for (int c = 0; c < 4; c++) {
        if (!p.plane[c]) {
            for (int x = 0; x < p.w; x++)
                out[x * 4 + c] = 255;
            continue;
        }
        const std::uint8_t* row = p.plane[c] + static_cast<std::size_t>(y) * static_cast<std::size_t>(p.stride[c]);
        if (p.bytes == 1) {
            for (int x = 0; x < p.w; x++)
                out[x * 4 + c] = row[x];
            continue;
        }
        for (int x = 0; x < p.w; x++) {
            std::uint16_t v;
            std::memcpy(&v, row + static_cast<std::size_t>(x) * 2, 2);
            out[x * 4 + c] = static_cast<std::uint8_t>(std::min(255, v >> p.shift));
        }
    }
}
