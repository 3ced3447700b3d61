// catalog.cpp -- GNU message catalogs read, plural rules evaluated, the
// player's languages found in the environment
#include "rules/catalog.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The file's 32-bit words, in the byte order its magic number gives.
struct mo_reader {
    const unsigned char* data;
    std::size_t size;
    bool swapped;

    bool word(std::size_t at, std::uint32_t* v) const
    {
        if (at > size || size - at < 4)
            return false;
        const unsigned char* p = data + at;
        *v = swapped ? (std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3])
                     : (std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0]);
        return true;
    }

    // Entry i of the table at table: a string of the file, NULs inside kept.
    bool string(std::uint32_t table, std::uint32_t i, std::string* out) const
    {
        std::uint32_t length = 0, offset = 0;
        std::size_t entry = std::size_t{table} + std::size_t{i} * 8;
        if (!word(entry, &length) || !word(entry + 4, &offset) || offset > size || size - offset <= length)
            return false;
        out->assign(reinterpret_cast<const char*>(data) + offset, length);
        return true;
    }
};

// Splits at the NULs.
std::vector<std::string> forms(const std::string& s)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t nul; (nul = s.find('\0', start)) != std::string::npos; start = nul + 1)
        out.push_back(s.substr(start, nul - start));
    out.push_back(s.substr(start));
    return out;
}

// The arguments a printf format reads, each as its length and kind ("s",
// "zi", "li", "f"), by place; false for a format no translation may use (a
// width or precision taken from an argument, %n, an unknown conversion).
bool format_reads(const std::string& f, std::vector<std::string>* args)
{
    std::size_t next = 0;
    for (std::size_t i = 0; i < f.size(); i++) {
        if (f[i] != '%')
            continue;
        if (++i < f.size() && f[i] == '%')
            continue;
        std::size_t place = next++, digits = i;
        while (i < f.size() && f[i] >= '0' && f[i] <= '9')
            i++;
        if (i < f.size() && f[i] == '$' && i > digits) {
            place = std::strtoul(f.c_str() + digits, nullptr, 10) - 1;
            i++;
        } else {
            i = digits;
        }
        while (i < f.size() && std::strchr("0123456789#-+ .'", f[i]))
            i++;
        std::string length;
        while (i < f.size() && std::strchr("hlLqjzt", f[i]))
            length += f[i++];
        if (i == f.size() || place > 64)
            return false;
        const char* kind = std::strchr("diouxXc", f[i]) ? "i" : std::strchr("eEfFgGaA", f[i]) ? "f" : f[i] == 's' ? "s" : nullptr;
        if (!kind)
            return false;
        if (length == "h" || length == "hh")
            length.clear();  // promoted to int on the way
        if (args->size() <= place)
            args->resize(place + 1);
        (*args)[place] = length + kind;
    }
    return true;
}

// Whether a translation reads only arguments the English gives, each as the
// English reads it: one that would read others would crash the game.
bool reads_as(const std::string& english, const std::string& translation)
{
    std::vector<std::string> given, read;
    if (!format_reads(english, &given) || !format_reads(translation, &read) || read.size() > given.size())
        return false;
    for (std::size_t i = 0; i < read.size(); i++)
        if (!read[i].empty() && read[i] != given[i])
            return false;
    return true;
}

// A message's translations, when each form reads as one of the English
// forms does; messages without a '%' are no formats.
bool translation_safe(const std::string& id, const std::vector<std::string>& translated)
{
    if (id.find('%') == std::string::npos)
        return true;
    const std::vector<std::string> english = forms(id);
    for (const std::string& t : translated) {
        bool fine = false;
        for (const std::string& e : english)
            fine = fine || reads_as(e, t);
        if (!fine)
            return false;
    }
    return true;
}

// "Plural-Forms: nplurals=3; plural=(n==1 ? 0 : ...);" from the header.
void read_plural_forms(const std::string& header, catalog* c)
{
    std::size_t at = header.find("Plural-Forms:");
    if (at == std::string::npos)
        return;
    std::string line = header.substr(at, header.find('\n', at) - at);
    std::size_t np = line.find("nplurals="), rule = line.find("plural=", np == std::string::npos ? 0 : np + 9);
    if (np == std::string::npos || rule == std::string::npos)
        return;
    int n = std::atoi(line.c_str() + np + 9);
    std::string expr = line.substr(rule + 7);
    expr = expr.substr(0, expr.find(';'));
    if (n >= 1 && n <= 16) {
        c->plurals = n;
        c->plural_rule = expr;
    }
}

// A plural rule read and evaluated at once, by recursive descent over the
// C operators a rule may hold, each level one precedence.
struct rule_eval {
    const char* p;
    unsigned long n;
    bool bad = false;
    int depth = 0;

    void space()
    {
        while (*p == ' ' || *p == '\t')
            p++;
    }
    bool eat(const char* op)
    {
        space();
        std::size_t len = std::strlen(op);
        if (std::strncmp(p, op, len) != 0)
            return false;
        // "<" is not "<=", "!" is not "!=", "|" alone is no operator.
        if (len == 1 && (*op == '<' || *op == '>' || *op == '!' || *op == '=') && p[1] == '=')
            return false;
        p += len;
        return true;
    }
    unsigned long primary()
    {
        space();
        if (++depth > 64) {
            bad = true;
            return 0;
        }
        unsigned long v = 0;
        if (eat("(")) {
            v = conditional();
            if (!eat(")"))
                bad = true;
        } else if (eat("!")) {
            v = !primary();
        } else if (*p == 'n') {
            p++;
            v = n;
        } else if (*p >= '0' && *p <= '9') {
            char* end = nullptr;
            v = std::strtoul(p, &end, 10);
            p = end;
        } else {
            bad = true;
        }
        depth--;
        return v;
    }
    unsigned long product()
    {
        unsigned long v = primary();
        for (;;) {
            if (eat("*"))
                v *= primary();
            else if (eat("/") || eat("%")) {
                char op = p[-1];
                unsigned long d = primary();
                bad = bad || d == 0;  // as GNU gettext takes it: the first form
                v = d == 0 ? 0 : op == '/' ? v / d : v % d;
            } else
                return v;
        }
    }
    unsigned long sum()
    {
        unsigned long v = product();
        for (;;) {
            if (eat("+"))
                v += product();
            else if (eat("-"))
                v -= product();
            else
                return v;
        }
    }
    unsigned long relation()
    {
        unsigned long v = sum();
        for (;;) {
            if (eat("<="))
                v = v <= sum();
            else if (eat(">="))
                v = v >= sum();
            else if (eat("<"))
                v = v < sum();
            else if (eat(">"))
                v = v > sum();
            else
                return v;
        }
    }
    unsigned long equality()
    {
        unsigned long v = relation();
        for (;;) {
            if (eat("=="))
                v = v == relation();
            else if (eat("!="))
                v = v != relation();
            else
                return v;
        }
    }
    unsigned long conjunction()
    {
        unsigned long v = equality();
        while (eat("&&")) {
            unsigned long w = equality();
            v = v && w;
        }
        return v;
    }
    unsigned long disjunction()
    {
        unsigned long v = conjunction();
        while (eat("||")) {
            unsigned long w = conjunction();
            v = v || w;
        }
        return v;
    }
    unsigned long conditional()
    {
        if (++depth > 64) {
            bad = true;
            return 0;
        }
        unsigned long v = disjunction();
        if (eat("?")) {
            unsigned long a = conditional();
            if (!eat(":"))
                bad = true;
            unsigned long b = conditional();
            v = v ? a : b;
        }
        depth--;
        return v;
    }
};

}  // namespace

bool catalog_parse(const unsigned char* data, std::size_t size, catalog* out)
{
    *out = catalog{};
    if (size < 28 || size > CATALOG_MAX_BYTES)
        return false;
    mo_reader mo{data, size, false};
    std::uint32_t magic = 0, revision = 0, count = 0, originals = 0, translations = 0;
    mo.word(0, &magic);
    if (magic != 0x950412de) {
        mo.swapped = true;
        mo.word(0, &magic);
        if (magic != 0x950412de)
            return false;
    }
    mo.word(4, &revision);
    mo.word(8, &count);
    mo.word(12, &originals);
    mo.word(16, &translations);
    if ((revision >> 16) != 0 || count > CATALOG_MAX_MESSAGES)
        return false;
    catalog c;
    for (std::uint32_t i = 0; i < count; i++) {
        std::string id, text;
        if (!mo.string(originals, i, &id) || !mo.string(translations, i, &text))
            return false;
        if (id.empty())
            read_plural_forms(text, &c);
        else if (!text.empty() && translation_safe(id, forms(text)))
            c.texts[id] = forms(text);
    }
    *out = std::move(c);
    return true;
}

bool catalog_read(const std::string& path, catalog* out)
{
    *out = catalog{};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!f)
        return false;
    std::vector<unsigned char> bytes;
    unsigned char buf[65536];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f.get())) > 0) {
        if (bytes.size() + got > CATALOG_MAX_BYTES)
            return false;
        bytes.insert(bytes.end(), buf, buf + got);
    }
    return catalog_parse(bytes.data(), bytes.size(), out);
}

const char* catalog_text(const catalog& c, const char* msgid)
{
    auto it = c.texts.find(msgid);
    return it == c.texts.end() || it->second.empty() || it->second[0].empty() ? msgid : it->second[0].c_str();
}

const char* catalog_plural(const catalog& c, const char* singular, const char* plural, unsigned long n)
{
    auto it = c.texts.find(std::string(singular) + '\0' + plural);
    if (it != c.texts.end()) {
        std::size_t i = static_cast<std::size_t>(catalog_plural_index(c.plural_rule, n, c.plurals));
        if (i < it->second.size() && !it->second[i].empty())
            return it->second[i].c_str();
    }
    return n == 1 ? singular : plural;
}

int catalog_plural_index(const std::string& rule, unsigned long n, int plurals)
{
    rule_eval e{rule.c_str(), n};
    unsigned long v = e.conditional();
    e.space();
    if (e.bad || *e.p != '\0' || plurals < 1 || v >= static_cast<unsigned long>(plurals))
        return 0;
    return static_cast<int>(v);
}

std::vector<std::string> catalog_languages(const char* language, const char* lc_all, const char* lc_messages,
                                           const char* lang)
{
    const char* locale = lc_all && *lc_all ? lc_all : lc_messages && *lc_messages ? lc_messages : lang;
    if (!locale || !*locale || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0 ||
        std::strncmp(locale, "C.", 2) == 0)
        return {};
    std::string list = language && *language ? language : locale;
    std::vector<std::string> out;
    auto add = [&out](const std::string& s) {
        bool fine = !s.empty() && s.find('/') == std::string::npos && s != "." && s != "..";
        for (const std::string& o : out)
            fine = fine && o != s;
        if (fine)
            out.push_back(s);
    };
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t colon = list.find(':', start);
        std::string entry = list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        entry = entry.substr(0, entry.find_first_of(".@"));
        add(entry);
        add(entry.substr(0, entry.find('_')));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return out;
}
