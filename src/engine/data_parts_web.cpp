// data_parts_web.cpp -- the data tree in the page: the page's script fetches
// the later part when asked, and keeps Module.dataPartsWaiting set until it
// is unpacked (dist/web/index.html)
#include "engine/data_parts.h"

#include <emscripten.h>

void data_parts_fetch()
{
    static bool asked = false;
    if (!asked)
        EM_ASM({ Module.fetchLaterData(); });
    asked = true;
}

bool data_parts_waiting()
{
    return EM_ASM_INT({ return Module.dataPartsWaiting ? 1 : 0; }) != 0;
}

bool data_parts_arrived()
{
    static bool waited = false;
    if (data_parts_waiting()) {
        waited = true;
        return false;
    }
    bool arrived = waited;
    waited = false;
    return arrived;
}
