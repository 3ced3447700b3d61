// music.cpp -- the two pieces of music, written as note lines for the General MIDI synthesiser
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "paint.h"
#include "score.h"

namespace {
int pitch(const std::string& name)
{
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        paint::fail("bad pitch " + name);
    int key = steps[name[0] - 'A'];
    std::size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); i++)
        key += name[i] == '#' ? 1 : -1;
    if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i])))
        paint::fail("bad pitch " + name);
    return key + 12 * (std::atoi(name.c_str() + i) + 1);
}

}  // namespace

// Every piece starts a moment after its loop point, so that no note's attack
// falls exactly on the seam.
constexpr double kLead = 0.06;

double Score::line(int chan, double at, int vel, const std::string& text)
{
    std::istringstream in(text);
    std::string tok;
    while (in >> tok) {
        int v = vel;
        if (tok[0] == '!' || tok[0] == '~') {
            v += tok[0] == '!' ? 18 : -22;
            tok.erase(0, 1);
        }
        const std::size_t colon = tok.find(':');
        if (colon == std::string::npos)
            paint::fail("note without length: " + tok);
        const double beats = std::atof(tok.c_str() + colon + 1);
        const std::string pitches = tok.substr(0, colon);
        if (pitches != "r") {
            std::size_t p = 0;
            while (p <= pitches.size()) {
                std::size_t plus = pitches.find('+', p);
                if (plus == std::string::npos)
                    plus = pitches.size();
                notes.push_back({kLead + at * beat(), beats * beat() * 0.97, chan, pitch(pitches.substr(p, plus - p)),
                                 v < 1 ? 1 : v > 127 ? 127 : v});
                p = plus + 1;
            }
        }
        at += beats;
    }
    return at;
}

double music_length(const Score& s) { return s.bars * 4 * s.beat(); }

// A slow theme in D minor for the start screen: low strings and a choir hold
// the chords, a celesta and later an oboe sing a lonely tune over them, and a
// tubular bell tolls at the top of each half.
Score music_crypt()
{
    Score s;
    s.bpm = 58;
    s.bars = 16;
    s.program(0, 48, 88, 50, 70);   // strings
    s.program(1, 52, 62, 78, 80);   // choir
    s.program(2, 42, 84, 40, 50);   // cello
    s.program(3, 8, 78, 84, 70);    // celesta
    s.program(4, 68, 74, 60, 60);   // oboe
    s.program(5, 14, 58, 64, 90);   // tubular bells
    // Two bars per chord: Dm Bb Gm A | Dm F Gm(Bb) A.
    const char* strings =
        "D3+A3+F4:8 Bb2+F3+D4:8 G2+D3+Bb3:8 A2+E3+C#4:4 A2+E3+C#4:4 "
        "D3+A3+F4:8 F2+C3+A3:8 G2+D3+Bb3:4 Bb2+F3+D4:4 A2+E3+C#4:8";
    s.line(0, 0, 58, strings);
    s.line(1, 16, 46, "D4+Bb4:8 E4+C#5:8 A4+D5:8 A4+C5:8 G4+D5:4 F4+D5:4 E4+A4:4 ~E4+C#5:4");
    s.line(2, 0, 66,
           "D2:4 D2:2 A2:2 Bb1:4 Bb1:2 F2:2 G1:4 G1:2 D2:2 A1:4 A1:2 E2:2 "
           "D2:4 D2:2 A2:2 F1:4 F1:2 C2:2 G1:4 Bb1:4 A1:4 A1:2 C#2:2");
    s.line(3, 0, 72,
           "r:2 A5:1 F5:1 E5:2 D5:2 F5:1 E5:1 D5:2 C5:2 D5:1 Bb4:1 A4:1 G4:1 A4:4 "
           "E5:1 F5:1 G5:2 E5:2 C#5:2");
    s.line(4, 32, 70,
           "r:2 A4:2 D5:3 E5:1 F5:2 E5:1 D5:1 C5:4 r:2 Bb4:1 A4:1 G4:2 D5:2 C#5:2 E5:2 A4:4");
    s.line(3, 48, 64, "r:4 D6:1 A5:1 F5:2 r:4 E5:1 C#5:1 A4:2");
    s.line(5, 0, 80, "D4:4");
    s.line(5, 32, 72, "D4:4");
    return s;
}

// The game's piece: calmer and out of the way. A harp rocks in quavers over a
// warm pad in A minor, and a flute now and then answers it.
Score music_game()
{
    Score s;
    s.bpm = 66;
    s.bars = 20;
    s.program(0, 46, 84, 54, 60);   // harp
    s.program(1, 89, 54, 70, 70);   // warm pad
    s.program(2, 73, 62, 80, 70);   // flute
    s.program(3, 32, 66, 60, 40);   // acoustic bass
    // Two bars per chord: Am F C G | Am Dm E Am | F G Am E... (ten chords in 20 bars)
    struct Chord {
        const char* pad;
        const char* arp;  // eight quavers, played twice per bar
        const char* bass;
    };
    const Chord chords[] = {
        {"A3+C4+E4:8", "A2 E3 A3 C4 E4 C4 A3 E3", "A1:4 A1:2 E2:2"},
        {"F3+A3+C4:8", "F2 C3 F3 A3 C4 A3 F3 C3", "F1:4 F1:2 C2:2"},
        {"C3+E3+G3:8", "C3 G3 C4 E4 G4 E4 C4 G3", "C2:4 C2:2 G1:2"},
        {"G3+B3+D4:8", "G2 D3 G3 B3 D4 B3 G3 D3", "G1:4 G1:2 D2:2"},
        {"A3+C4+E4:8", "A2 E3 A3 C4 E4 C4 A3 E3", "A1:4 A1:2 E2:2"},
        {"D3+F3+A3:8", "D3 A3 D4 F4 A4 F4 D4 A3", "D2:4 D2:2 A1:2"},
        {"E3+G#3+B3:8", "E2 B2 E3 G#3 B3 G#3 E3 B2", "E1:4 E1:2 B1:2"},
        {"A3+C4+E4:8", "A2 E3 A3 C4 E4 C4 A3 E3", "A1:4 A1:2 E2:2"},
        {"F3+A3+C4:8", "F2 C3 F3 A3 C4 A3 F3 C3", "F1:4 F1:2 C2:2"},
        {"E3+G#3+B3:8", "E2 B2 E3 G#3 B3 G#3 E3 B2", "E1:4 E1:2 B1:2"},
    };
    double at = 0;
    for (const Chord& c : chords) {
        s.line(1, at, 52, c.pad);
        std::string arp;
        std::istringstream in(c.arp);
        std::string n;
        std::vector<std::string> ns;
        while (in >> n)
            ns.push_back(n);
        for (int rep = 0; rep < 2; rep++)
            for (std::size_t i = 0; i < ns.size(); i++)
                arp += (i == 0 ? "" : "~") + ns[i] + ":0.5 ";
        s.line(0, at, 70, arp);
        s.line(3, at, 64, c.bass);
        at += 8;
    }
    s.line(2, 16, 60, "r:2 E5:2 D5:1 C5:1 B4:2 C5:3 D5:1 E5:4 r:4 F5:2 E5:1 D5:1 C5:2 B4:2 A4:6 r:2");
    s.line(2, 56, 58, "r:2 C5:2 B4:1 A4:1 G#4:2 A4:4 C5:2 B4:2 A4:1 G#4:1 E4:6");
    return s;
}
