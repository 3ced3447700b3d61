// score.h -- notes for the General MIDI synthesiser, and a compact notation for writing them
#pragma once

#include <array>
#include <string>
#include <vector>

struct Note {
    double start, len;  // seconds
    int chan, key, vel;
};

// One piece for the synthesiser: programs and mixer settings per channel, and its notes.
struct Score {
    struct Channel {
        int program = -1;  // General MIDI program 0..127; -1 channel unused
        int volume = 100, pan = 64, reverb = 40;
    };
    std::array<Channel, 16> channels{};
    std::vector<Note> notes;
    double bpm = 60;
    double bars = 16;  // length of the loop, in bars of four beats

    double beat() const { return 60.0 / bpm; }
    void program(int chan, int prog, int volume = 100, int pan = 64, int reverb = 40)
    {
        channels[static_cast<std::size_t>(chan)] = {prog, volume, pan, reverb};
    }
    // Adds a line of notes from beat `at` on; returns the beat after it.
    // Tokens, blank-separated: NOTES:BEATS, where NOTES is "r" (a rest) or
    // pitches joined by '+' (C4, F#3, Bb2; octave 4 holds middle C), and an
    // optional leading '!' or '~' makes the note louder or softer.
    double line(int chan, double at, int vel, const std::string& text);
};

Score music_crypt();  // Music1: the start screen's theme
Score music_game();   // Music2: the calmer piece under play
double music_length(const Score& s);  // the loop's length in seconds, a whole number of bars
