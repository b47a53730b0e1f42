// Makes the game's six sound clips as RIFF WAVE files (uncompressed PCM, mono):
//   makewaves <output folder>
// Every clip is synthesised here from a fixed seed, so the build always makes the same
// files: a rattle of dice, two clicks for holding and releasing, a fanfare for five alike,
// a flush for wiping the high scores and chimes for a new high score.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Clip {
    const char *name;
    int rate;
    int bits;
    int dataBytes;
    std::function<double(double t, int i)> sample; // -1 .. 1 at time t (seconds)
};

// A small fixed-seed generator, so that the noise is the same on every build.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : mState(seed) {}
    double Next() // -1 .. 1
    {
        mState = mState * 1664525u + 1013904223u;
        return static_cast<double>(mState >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t mState;
};

double Envelope(double t, double attack, double decay)
{
    if (t < 0)
        return 0;
    return std::min(1.0, t / attack) * std::exp(-t / decay);
}

// One die hitting the table: a short knock of two damped resonances and a little noise.
double Knock(double t, double pitch, double noise)
{
    if (t < 0 || t > 0.06)
        return 0;
    return Envelope(t, 0.0005, 0.010) * (0.55 * std::sin(2 * kPi * pitch * t) +
                                          0.30 * std::sin(2 * kPi * pitch * 1.73 * t) + 0.35 * noise) +
           Envelope(t, 0.001, 0.02) * 0.4 * std::sin(2 * kPi * 180 * t);
}

struct Rattle {
    std::vector<std::pair<double, double>> hits; // time, pitch
    Noise noise{0x5eed1};
    Rattle()
    {
        Noise pick(0xd1ce);
        double t = 0.01;
        while (t < 0.72) {
            hits.emplace_back(t, 1500 + 900 * (pick.Next() + 1));
            t += 0.035 + 0.05 * (pick.Next() + 1) * (t < 0.45 ? 0.6 : 1.4);
        }
    }
    double operator()(double t, int)
    {
        const double n = noise.Next();
        double sum = 0;
        for (const auto &[at, pitch] : hits)
            sum += Knock(t - at, pitch, n) * (1.0 - 0.5 * at);
        return 0.8 * std::tanh(sum);
    }
};

// Two short clicks; rising for holding a die, falling for letting it go.
double Clicks(double t, double first, double second)
{
    const auto click = [](double s, double pitch) {
        return s < 0 ? 0 : Envelope(s, 0.0003, 0.004) * std::sin(2 * kPi * pitch * s);
    };
    return 0.8 * (click(t, first) + click(t - 0.022, second));
}

// A brass-like note: a few harmonics under a swell and a short release.
double Brass(double t, double freq, double length)
{
    if (t < 0 || t > length + 0.05)
        return 0;
    const double swell = std::min(1.0, t / 0.02) * (t > length ? std::exp(-(t - length) / 0.015) : 1.0);
    double sum = 0;
    for (int h = 1; h <= 5 && freq * h < 5000; ++h)
        sum += std::sin(2 * kPi * freq * h * t) / (h * 0.9);
    return swell * sum * 0.35;
}

double Fanfare(double t, int)
{
    // G4 C5 E5, then a long G5.
    const double notes[][3] = {{392.0, 0.00, 0.10}, {523.25, 0.12, 0.10}, {659.25, 0.24, 0.10}, {783.99, 0.36, 0.36}};
    double sum = 0;
    for (const auto &note : notes)
        sum += Brass(t - note[1], note[0], note[2]);
    return std::tanh(sum);
}

struct Flush {
    Noise noise{0xf1a5};
    double low = 0, band = 0;
    double operator()(double t, int)
    {
        // Rushing water: noise through a filter that opens, gurgles and slowly closes.
        const double open = std::min(1.0, t / 0.15) * std::exp(-std::max(0.0, t - 0.9) / 0.6);
        const double gurgle = 0.5 + 0.5 * std::sin(2 * kPi * (5 + 3 * t) * t);
        const double cutoff = 0.04 + 0.10 * open * (0.6 + 0.4 * gurgle);
        low += cutoff * (noise.Next() - low);
        band += 0.02 * (low - band);
        return std::tanh(3.0 * (low - band) * open);
    }
};

// A struck bell: partials that fade, the higher ones faster.
double Bell(double t, double freq)
{
    if (t < 0)
        return 0;
    const double partials[][3] = {{1.0, 1.0, 0.9}, {2.0, 0.5, 0.5}, {2.76, 0.35, 0.35}, {5.4, 0.2, 0.15}};
    double sum = 0;
    for (const auto &partial : partials)
        if (freq * partial[0] < 10000) // nothing at or above half the sample rate
            sum += partial[1] * Envelope(t, 0.002, partial[2]) * std::sin(2 * kPi * freq * partial[0] * t);
    return sum;
}

double Chimes(double t, int)
{
    // C6 E6 G6 C7, one after another, all ringing on.
    const double notes[][2] = {{1046.5, 0.0}, {1318.5, 0.16}, {1568.0, 0.32}, {2093.0, 0.48}};
    double sum = 0;
    for (const auto &note : notes)
        sum += Bell(t - note[1], note[0]);
    return 0.3 * sum;
}

void Put16(std::FILE *f, int v)
{
    std::fputc(v & 0xFF, f);
    std::fputc((v >> 8) & 0xFF, f);
}

void Put32(std::FILE *f, std::uint32_t v)
{
    Put16(f, static_cast<int>(v & 0xFFFF));
    Put16(f, static_cast<int>(v >> 16));
}

bool Write(const std::string &folder, const Clip &clip)
{
    const std::string path = folder + "/" + clip.name + ".wav";
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "makewaves: cannot write %s\n", path.c_str());
        return false;
    }
    const int bytesPerSample = clip.bits / 8;
    const int pad = clip.dataBytes % 2; // chunks are padded to an even length
    std::fwrite("RIFF", 1, 4, f);
    Put32(f, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + clip.dataBytes + pad));
    std::fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, static_cast<std::uint32_t>(clip.rate));
    Put32(f, static_cast<std::uint32_t>(clip.rate * bytesPerSample));
    Put16(f, bytesPerSample);
    Put16(f, clip.bits);
    std::fwrite("data", 1, 4, f);
    Put32(f, static_cast<std::uint32_t>(clip.dataBytes));
    const int samples = clip.dataBytes / bytesPerSample;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / clip.rate;
        // A few milliseconds of fade at the end so no clip stops with a click.
        const double tail = std::min(1.0, (samples - i) / (0.004 * clip.rate));
        const double v = std::clamp(clip.sample(t, i) * tail, -1.0, 1.0);
        if (clip.bits == 8)
            std::fputc(static_cast<int>(std::lround(128 + 127 * v)), f);
        else
            Put16(f, static_cast<int>(std::lround(32767 * v)));
    }
    if (pad)
        std::fputc(0, f);
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makewaves <output folder>\n");
        return 2;
    }
    Rattle rattle;
    Flush flush;
    const Clip clips[] = {
        {"THROW", 11025, 8, 8933, std::ref(rattle)},
        {"HOLD", 22050, 16, 2024, [](double t, int) { return Clicks(t, 2200, 3000); }},
        {"UNHOLD", 22050, 16, 2024, [](double t, int) { return Clicks(t, 3000, 2000); }},
        {"QUOXA", 11025, 8, 8419, Fanfare},
        {"FLUSH", 22050, 8, 45681, std::ref(flush)},
        {"CHIMES", 22050, 16, 74502, Chimes},
    };
    bool ok = true;
    for (const Clip &clip : clips)
        ok &= Write(argv[1], clip);
    return ok ? 0 : 1;
}
