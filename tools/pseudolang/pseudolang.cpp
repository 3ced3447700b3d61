// pseudolang.cpp -- the build's pseudo-language: English accented and made
// 40 % longer, so that a screen shows at once every text that is not looked
// up in the catalogs (it stays plain) and every box too small for a longer
// language (its text overflows)
//
//   msgfilter ... pseudolang     (one translation on stdin, its pseudo form on stdout)
//
// Letters are accented and every letter but one in roughly 2.5 doubled, spread
// evenly; printf conversions ("%d", "%1$s", "%%") and everything else stay
// as they are.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

// The accented form (UTF-8) of an ASCII letter, or null for another byte:
// accents of Latin-1 and Latin Extended-A only, which the game's font has;
// letters it has no such form of stay plain.
static const char* accented(char c)
{
    static const char* const LOWER[26] = {"á", "b", "ç", "ď", "é", "f", "ğ", "ĥ", "í", "ĵ", "ķ", "ĺ", "m",
                                          "ñ", "ö", "p", "q", "ŕ", "š", "ţ", "ü", "v", "ŵ", "x", "ý", "ž"};
    static const char* const UPPER[26] = {"Á", "B", "Ç", "Ď", "É", "F", "Ğ", "Ĥ", "Í", "Ĵ", "Ķ", "Ĺ", "M",
                                          "Ñ", "Ö", "P", "Q", "Ŕ", "Š", "Ţ", "Ü", "V", "Ŵ", "X", "Ý", "Ž"};
    if (c >= 'a' && c <= 'z')
        return LOWER[c - 'a'];
    if (c >= 'A' && c <= 'Z')
        return UPPER[c - 'A'];
    return nullptr;
}

// The length of the printf conversion at s (s[0] == '%'), 1 for a lone '%'.
static std::size_t conversion_length(const std::string& s, std::size_t at)
{
    std::size_t i = at + 1;
    if (i < s.size() && s[i] == '%')
        return 2;
    while (i < s.size() && std::strchr("0123456789$#-+ .'lhzjtL", s[i]))
        i++;
    return i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])) ? i + 1 - at : 1;
}

std::string pseudo(const std::string& in)
{
    // Which bytes are letters outside conversions.
    std::string plain(in.size(), 0);
    std::size_t letters = 0;
    for (std::size_t i = 0; i < in.size();) {
        if (in[i] == '%') {
            i += conversion_length(in, i);
            continue;
        }
        if (accented(in[i])) {
            plain[i] = 1;
            letters++;
        }
        i++;
    }
    const std::size_t extra = (letters * 4 + 9) / 10;
    std::string out;
    std::size_t k = 0;
    for (std::size_t i = 0; i < in.size(); i++) {
        if (!plain[i]) {
            out += in[i];
            continue;
        }
        out += accented(in[i]);
        if ((k + 1) * extra / letters > k * extra / letters)
            out += accented(in[i]);
        k++;
    }
    return out;
}

int main()
{
    std::string in((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::string out = pseudo(in);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
