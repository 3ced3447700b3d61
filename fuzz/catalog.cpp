// catalog.cpp -- fuzz target: any bytes as a message catalog, its plural rule
// evaluated for a few counts and its words looked up, and any bytes as a rule
#include <string>

#include "rules/catalog.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    catalog c;
    if (catalog_parse(data, size, &c)) {
        for (unsigned long n : {0ul, 1ul, 2ul, 5ul, 22ul, 101ul})
            catalog_plural(c, "%d picture", "%d pictures", n);
        catalog_text(c, "Options");
    }
    catalog_plural_index(std::string(reinterpret_cast<const char*>(data), size), 7, 6);
    return 0;
}
