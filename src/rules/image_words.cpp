// image_words.cpp -- the words of an image of the data tree, kept apart from it: the overlay
// file that holds them in a language, and the overlay laid over the image's pixels
#include "rules/image_words.h"

#include <unistd.h>

#include <vector>

// The longest path looked for: the loaders' path buffers hold less.
constexpr std::size_t WORDS_PATH_MAX = 256;

std::string image_words_path(const std::string& file, const std::string& lang)
{
    // The data folder: the path's first folder, or one further down.
    std::size_t at = file.compare(0, 5, "data/") == 0 ? 0 : file.find("/data/");
    if (at == std::string::npos || lang.empty() || lang.find_first_of("/.") != std::string::npos)
        return "";
    at += at ? 1 : 0;
    const std::size_t slash = file.rfind('/'), dot = file.rfind('.');
    const std::size_t end = dot != std::string::npos && dot > slash ? dot : file.size();
    std::string out = file.substr(0, at) + "data/words/" + lang + "/" + file.substr(at + 5, end - at - 5) + ".webp";
    return out.size() <= WORDS_PATH_MAX ? out : "";
}

bool image_words_blend(image_rgba* image, const image_rgba& overlay)
{
    if (image->w != overlay.w || image->h != overlay.h ||
        image->rgba.size() != overlay.rgba.size() || image->rgba.size() != std::size_t(image->w) * image->h * 4)
        return false;
    std::uint8_t* p = image->rgba.data();
    const std::uint8_t* o = overlay.rgba.data();
    for (std::size_t i = 0; i < image->rgba.size(); i += 4) {
        const unsigned a = o[i + 3];
        if (a == 0)
            continue;
        // In 255ths squared: the sheet's share a * 255, the canvas's b * (255 - a).
        const unsigned under = p[i + 3] * (255 - a), total = a * 255 + under;
        for (int c = 0; c < 3; c++)
            p[i + c] = static_cast<std::uint8_t>((o[i + c] * a * 255u + p[i + c] * under + total / 2) / total);
        p[i + 3] = static_cast<std::uint8_t>((total + 127) / 255);
    }
    return true;
}

std::string image_words_add(const std::string& file, const std::string& lang, image_rgba* image)
{
    std::vector<std::string> tries{lang};
    if (lang.find('_') != std::string::npos)
        tries.push_back(lang.substr(0, lang.find('_')));
    tries.push_back("en");
    for (const std::string& code : tries) {
        const std::string path = image_words_path(file, code);
        if (path.empty() || access(path.c_str(), R_OK) != 0)
            continue;
        image_rgba overlay;
        if (!image_decode_file(path.c_str(), &overlay) && image_words_blend(image, overlay))
            return path;
    }
    return "";
}
