// sounds.cpp -- effects and music: notes played through FluidSynth, stone synthesised, mastered, written as
// WAV (effects) and Ogg Vorbis (music)
#include <fluidsynth.h>
#include <sndfile.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "assets.h"
#include "score.h"

using paint::fail;

namespace {

constexpr int kRate = 44100;

struct Stereo {
    std::vector<float> l, r;
    explicit Stereo(std::size_t n = 0) : l(n, 0.0f), r(n, 0.0f) {}
    std::size_t size() const { return l.size(); }
};

std::size_t frames(double seconds) { return static_cast<std::size_t>(std::lround(seconds * kRate)); }

// The soundfont, loaded once; each piece is played on a synthesiser of its
// own, so no voice, reverb or controller state carries from one to the next.
class Synth {
public:
    explicit Synth(const std::filesystem::path& soundfont)
    {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", kRate);
        fluid_settings_setnum(settings_, "synth.gain", 0.5);
        fluid_settings_setint(settings_, "synth.chorus.active", 0);
        fluid_settings_setint(settings_, "synth.reverb.active", 1);
        // A stone vault: a large, fairly dark room.
        fluid_settings_setnum(settings_, "synth.reverb.room-size", 0.78);
        fluid_settings_setnum(settings_, "synth.reverb.damp", 0.45);
        fluid_settings_setnum(settings_, "synth.reverb.width", 0.9);
        fluid_settings_setnum(settings_, "synth.reverb.level", 0.7);
        fluid_settings_setint(settings_, "synth.cpu-cores", 1);
        loader_ = new_fluid_synth(settings_);
        if (!loader_)
            fail("cannot start FluidSynth");
        const int id = fluid_synth_sfload(loader_, soundfont.c_str(), 0);
        if (id == FLUID_FAILED)
            fail("cannot load the soundfont " + soundfont.string());
        sfont_ = fluid_synth_get_sfont_by_id(loader_, id);
    }
    ~Synth()
    {
        delete_fluid_synth(loader_);
        delete_fluid_settings(settings_);
    }
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    // Plays the score from silence and returns `seconds` of what sounds.
    Stereo render(const Score& score, double seconds)
    {
        synth_ = new_fluid_synth(settings_);
        if (!synth_ || fluid_synth_add_sfont(synth_, sfont_) == FLUID_FAILED)
            fail("cannot start FluidSynth");
        Stereo out = play(score, seconds);
        fluid_synth_remove_sfont(synth_, sfont_);  // the loader owns it
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        return out;
    }

private:
    Stereo play(const Score& score, double seconds)
    {
        const int id = fluid_sfont_get_id(sfont_);
        for (int ch = 0; ch < 16; ch++) {
            const Score::Channel& c = score.channels[static_cast<std::size_t>(ch)];
            if (c.program < 0)
                continue;
            if (ch == 9)
                fluid_synth_bank_select(synth_, ch, 128);
            fluid_synth_program_select(synth_, ch, static_cast<unsigned>(id), ch == 9 ? 128 : 0,
                                       static_cast<unsigned>(c.program));
            fluid_synth_cc(synth_, ch, 7, c.volume);
            fluid_synth_cc(synth_, ch, 10, c.pan);
            fluid_synth_cc(synth_, ch, 91, c.reverb);
            fluid_synth_cc(synth_, ch, 93, 0);
        }
        struct Event {
            std::size_t at;
            bool on;
            int chan, key, vel;
        };
        std::vector<Event> events;
        for (const Note& n : score.notes) {
            events.push_back({frames(n.start), true, n.chan, n.key, n.vel});
            events.push_back({frames(n.start + n.len), false, n.chan, n.key, 0});
        }
        // Offs before ons at the same instant, so a repeated note sounds again.
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.at != b.at ? a.at < b.at : (!a.on && b.on);
        });
        Stereo out(frames(seconds));
        std::size_t pos = 0;
        auto run_to = [&](std::size_t end) {
            end = std::min(end, out.size());
            while (pos < end) {
                const int n = static_cast<int>(std::min<std::size_t>(end - pos, 4096));
                fluid_synth_write_float(synth_, n, out.l.data() + pos, 0, 1, out.r.data() + pos, 0, 1);
                pos += static_cast<std::size_t>(n);
            }
        };
        for (const Event& e : events) {
            run_to(e.at);
            if (e.on)
                fluid_synth_noteon(synth_, e.chan, e.key, e.vel);
            else
                fluid_synth_noteoff(synth_, e.chan, e.key);
        }
        run_to(out.size());
        return out;
    }

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* loader_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_sfont_t* sfont_ = nullptr;
};

// ---------------------------------------------------------------- mastering

double peak(const Stereo& s)
{
    double p = 0;
    for (std::size_t i = 0; i < s.size(); i++)
        p = std::max({p, std::fabs(double(s.l[i])), std::fabs(double(s.r[i]))});
    return p;
}

double rms(const Stereo& s)
{
    double sum = 0;
    for (std::size_t i = 0; i < s.size(); i++)
        sum += double(s.l[i]) * s.l[i] + double(s.r[i]) * s.r[i];
    return std::sqrt(sum / (2.0 * std::max<std::size_t>(1, s.size())));
}

void gain(Stereo& s, double g)
{
    for (std::size_t i = 0; i < s.size(); i++) {
        s.l[i] = static_cast<float>(s.l[i] * g);
        s.r[i] = static_cast<float>(s.r[i] * g);
    }
}

void remove_dc(Stereo& s)
{
    double ml = 0, mr = 0;
    for (std::size_t i = 0; i < s.size(); i++) {
        ml += s.l[i];
        mr += s.r[i];
    }
    ml /= std::max<std::size_t>(1, s.size());
    mr /= std::max<std::size_t>(1, s.size());
    for (std::size_t i = 0; i < s.size(); i++) {
        s.l[i] = static_cast<float>(s.l[i] - ml);
        s.r[i] = static_cast<float>(s.r[i] - mr);
    }
}

// Raised-cosine fades so an effect starts and ends at silence without a click.
void fade_ends(Stereo& s, double in_s, double out_s)
{
    const std::size_t in = frames(in_s), out = frames(out_s), n = s.size();
    for (std::size_t i = 0; i < n; i++) {
        double g = 1;
        if (i < in)
            g = 0.5 - 0.5 * std::cos(paint::PI * i / in);
        if (i + out >= n)
            g *= 0.5 - 0.5 * std::cos(paint::PI * (n - 1 - i) / out);
        s.l[i] = static_cast<float>(s.l[i] * g);
        s.r[i] = static_cast<float>(s.r[i] * g);
    }
}

// An effect: DC removed, ends faded, peak brought to `level` (linear).
Stereo master_effect(Stereo s, double level, double fade_out)
{
    remove_dc(s);
    fade_ends(s, 0.003, fade_out);
    remove_dc(s);
    fade_ends(s, 0.003, 0.003);  // the DC step at the very ends, faded out again
    const double p = peak(s);
    if (p > 0)
        gain(s, level / p);
    return s;
}

// A loop: the tail rendered past the loop's end is folded back onto its start,
// as it would ring on into the next time round; so the last sample leads
// straight into the first.
Stereo fold_loop(const Stereo& rendered, std::size_t loop)
{
    Stereo s(loop);
    for (std::size_t i = 0; i < rendered.size(); i++) {
        s.l[i % loop] += rendered.l[i];
        s.r[i % loop] += rendered.r[i];
    }
    remove_dc(s);
    return s;
}

void write_wav(const std::filesystem::path& p, const Stereo& s)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(p.c_str(), SFM_WRITE, &info);
    if (!f)
        fail("cannot write " + p.string() + ": " + sf_strerror(nullptr));
    std::vector<short> buf(s.size() * 2);
    for (std::size_t i = 0; i < s.size(); i++)
        for (int ch = 0; ch < 2; ch++) {
            const double v = std::clamp(double(ch ? s.r[i] : s.l[i]), -1.0, 1.0);
            buf[i * 2 + static_cast<std::size_t>(ch)] = static_cast<short>(std::lround(v * 32767.0));
        }
    const sf_count_t n = static_cast<sf_count_t>(s.size());
    bool ok = sf_writef_short(f, buf.data(), n) == n;
    ok = sf_close(f) == 0 && ok;
    if (!ok)
        fail("cannot write " + p.string());
}

// The music in Ogg Vorbis at quality 0.5 (about 160 kbit/s): a tenth of the
// WAV's size, and no loss a player hears. The stream's serial number is fixed
// (libsndfile would draw one from the clock), so two runs write equal bytes;
// the stream's length is exact to the sample, so the loop stays seamless.
void write_ogg(const std::filesystem::path& p, const Stereo& s)
{
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, kRate, 0.5f) != 0)
        fail("the Vorbis encoder refuses 44100 Hz stereo");
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x43727970);
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (!f)
        fail("cannot write " + p.string());
    bool ok = true;
    ogg_page og;
    auto write_page = [&]() {
        ok = std::fwrite(og.header, 1, static_cast<std::size_t>(og.header_len), f) == static_cast<std::size_t>(og.header_len) && ok;
        ok = std::fwrite(og.body, 1, static_cast<std::size_t>(og.body_len), f) == static_cast<std::size_t>(og.body_len) && ok;
    };
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    while (ogg_stream_flush(&os, &og))
        write_page();

    // Blocks of samples in, then an empty one to end the stream.
    const std::size_t block = 4096;
    for (std::size_t at = 0;; at += block) {
        const std::size_t n = at < s.size() ? std::min(block, s.size() - at) : 0;
        if (n) {
            float** in = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            std::copy_n(s.l.begin() + static_cast<std::ptrdiff_t>(at), n, in[0]);
            std::copy_n(s.r.begin() + static_cast<std::ptrdiff_t>(at), n, in[1]);
        }
        vorbis_analysis_wrote(&vd, static_cast<int>(n));
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og))
                    write_page();
            }
        }
        if (!n)
            break;
    }
    while (ogg_stream_flush(&os, &og))
        write_page();
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        fail("cannot write " + p.string());
}

// ---------------------------------------------------------------- effects

Score click_score()
{
    Score s;
    s.program(9, 0, 110, 64, 12);
    s.notes.push_back({0.0, 0.05, 9, 76, 96});  // high wood block
    s.notes.push_back({0.0, 0.05, 9, 37, 50});  // side stick under it
    return s;
}

Score toll_score()
{
    Score s;
    s.program(0, 14, 120, 64, 90);  // tubular bells
    s.program(1, 47, 100, 64, 70);  // timpani
    s.program(2, 19, 60, 64, 90);   // church organ, low and soft
    s.notes.push_back({0.0, 1.5, 0, 50, 122});
    s.notes.push_back({0.0, 1.5, 0, 38, 100});
    s.notes.push_back({0.0, 0.8, 1, 38, 100});
    s.notes.push_back({0.02, 1.0, 2, 26, 70});
    s.notes.push_back({0.02, 1.0, 2, 38, 60});
    return s;
}

Score fanfare_score()
{
    Score s;
    s.program(0, 61, 110, 56, 60);  // brass section
    s.program(1, 56, 100, 72, 60);  // trumpet
    s.program(2, 47, 96, 64, 50);   // timpani
    const double t = 0.12;
    for (int i = 0; i < 3; i++) {
        s.notes.push_back({i * t, t * 0.8, 1, 67, 100 + i * 4});
        s.notes.push_back({i * t, t * 0.8, 0, 60, 84});
    }
    for (int key : {60, 64, 67, 72})
        s.notes.push_back({3 * t, 0.75, 0, key, 108});
    s.notes.push_back({3 * t, 0.75, 1, 72, 118});
    s.notes.push_back({3 * t, 0.5, 2, 48, 110});
    s.notes.push_back({0.0, 0.3, 2, 43, 80});
    return s;
}

// Stone drawn over stone, then set down: grainy band-passed noise that swells
// and fades, and a dull low knock at the end of the slide.
Stereo stone_on_stone()
{
    const double len = 0.42;
    Stereo s(frames(len));
    paint::Lcg rng(4242);
    double lp_hi[2] = {0, 0}, lp_lo[2] = {0, 0}, grain = 0;
    const double a_hi = 1 - std::exp(-2 * paint::PI * 1900.0 / kRate);
    const double a_lo = 1 - std::exp(-2 * paint::PI * 260.0 / kRate);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); i++) {
        const double t = double(i) / kRate;
        // The scrape: swells over 60 ms, lasts to 0.24 s.
        double env = t < 0.06 ? t / 0.06 : t < 0.24 ? 1.0 - (t - 0.06) / 0.18 * 0.7 : 0.3 * std::exp(-(t - 0.24) / 0.02);
        if (rng.unit() < 0.004)  // grit catching
            grain = 1.0;
        grain *= 0.9985;
        for (int ch = 0; ch < 2; ch++) {
            const double noise = rng.unit() * 2 - 1;
            lp_hi[ch] += a_hi * (noise - lp_hi[ch]);
            lp_lo[ch] += a_lo * (noise - lp_lo[ch]);
            const double band = lp_hi[ch] - lp_lo[ch];
            double v = band * env * (0.55 + 0.45 * grain) * 1.6;
            // The knock at 0.22 s: a sagging low tone.
            if (t >= 0.22) {
                const double k = t - 0.22;
                v += 0.55 * std::exp(-k / 0.045) * std::sin(2 * paint::PI * phase);
            }
            (ch ? s.r : s.l)[i] = static_cast<float>(v);
        }
        if (t >= 0.22)
            phase += (55 + 40 * std::exp(-(t - 0.22) / 0.03)) / kRate;
    }
    return s;
}

}  // namespace

std::vector<std::string> sound_names()
{
    return {"sounds/Effect1.wav", "sounds/Effect2.wav", "sounds/Effect3.wav",
            "sounds/Effect4.wav", "sounds/Music1.ogg",  "sounds/Music2.ogg"};
}

void make_sounds(const std::filesystem::path& out, const std::filesystem::path& soundfont,
                 const std::vector<std::string>& names)
{
    auto want = [&](const std::string& n) { return names.empty() || std::find(names.begin(), names.end(), n) != names.end(); };
    bool any = false;
    for (const std::string& n : sound_names())
        any = any || want(n);
    if (!any)
        return;
    std::error_code ec;
    std::filesystem::create_directories(out / "sounds", ec);
    Synth synth(soundfont);

    if (want("sounds/Effect1.wav"))
        write_wav(out / "sounds/Effect1.wav", master_effect(synth.render(click_score(), 0.22), 0.5, 0.08));
    if (want("sounds/Effect2.wav"))
        write_wav(out / "sounds/Effect2.wav", master_effect(synth.render(toll_score(), 1.9), 0.8, 0.6));
    if (want("sounds/Effect3.wav"))
        write_wav(out / "sounds/Effect3.wav", master_effect(synth.render(fanfare_score(), 1.6), 0.8, 0.35));
    if (want("sounds/Effect4.wav"))
        write_wav(out / "sounds/Effect4.wav", master_effect(stone_on_stone(), 0.7, 0.12));

    if (want("sounds/Music1.ogg") || want("sounds/Music2.ogg")) {
        // Both pieces are brought to the same loudness (RMS), as loud as the
        // louder one's peaks allow below -1.5 dBFS.
        const Score scores[2] = {music_crypt(), music_game()};
        Stereo loops[2];
        for (int i = 0; i < 2; i++) {
            const double len = music_length(scores[i]);
            loops[i] = fold_loop(synth.render(scores[i], len + 8.0), frames(len));
        }
        const double ceiling = std::pow(10.0, -1.5 / 20);
        double target = std::pow(10.0, -18.0 / 20);
        for (const Stereo& s : loops)
            target = std::min(target, ceiling * rms(s) / peak(s));
        for (int i = 0; i < 2; i++) {
            gain(loops[i], target / rms(loops[i]));
            const std::string name = "sounds/Music" + std::to_string(i + 1) + ".ogg";
            if (want(name))
                write_ogg(out / name, loops[i]);
        }
    }
}
