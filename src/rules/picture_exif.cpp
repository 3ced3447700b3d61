// picture_exif.cpp -- the camera's orientation from an EXIF block, read by libexif
#include "rules/picture_exif.h"

#include <libexif/exif-data.h>

int exif_orientation(const std::uint8_t* data, std::size_t size)
{
    if (size < 6 || size > 0xffff * 4u)
        return 1;
    ExifData* ed = exif_data_new();
    if (!ed)
        return 1;
    exif_data_unset_option(ed, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(ed, data, static_cast<unsigned>(size));
    int o = 1;
    ExifEntry* e = exif_data_get_entry(ed, EXIF_TAG_ORIENTATION);
    if (e && e->format == EXIF_FORMAT_SHORT && e->components >= 1 && e->data && e->size >= 2) {
        int v = exif_get_short(e->data, exif_data_get_byte_order(ed));
        if (v >= 1 && v <= 8)
            o = v;
    }
    exif_data_unref(ed);
    return o;
}
