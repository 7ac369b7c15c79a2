#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace quiz::assets {

// A mono sample buffer that sounds are mixed into. Every voice placed on the
// track has a smooth attack and release, so nothing clicks where notes start
// or stop; finish() adds the fades of the whole file and sets the loudness.
class Track {
public:
    static constexpr int rate = 44100;

    // Timbre and envelope of a pitched voice.
    struct Voice {
        std::vector<double> partials{1.0};  // amplitude of harmonic 1, 2, 3, ...
        double attack = 0.01;               // seconds, raised-cosine ramp
        double decay = 0.0;                 // time constant in seconds; 0 = held
        double release = 0.05;              // seconds, raised-cosine ramp at the end
        double vibratoDepth = 0.0;          // semitones
        double vibratoRate = 0.0;           // Hz
        double detune = 0.0;                // a second copy this many cents up (0 = none)
    };

    explicit Track(double seconds);

    // A held note of one pitch.
    void tone(double start, double length, double freq, double amp, const Voice& voice);

    // A note whose pitch moves through the given (seconds from start, Hz)
    // points, exponentially between them, with one continuous phase.
    void glide(double start, const std::vector<std::pair<double, double>>& path, double amp, const Voice& voice);

    // A struck bell: inharmonic partials that die away, the high ones faster.
    void bell(double start, double length, double freq, double amp, double decay);

    // Band-passed noise whose centre moves from fLow to fHigh and back down to
    // fEnd, loudest in the middle: a whoosh.
    void whoosh(double start, double length, double amp, double fLow, double fHigh, double fEnd);

    // Feedback echo over the whole track.
    void echo(double delay, double feedback);

    // Fades in and out at the file's ends and scales the loudest sample to peak
    // (0 < peak < 1 of full scale).
    void finish(double peak);

    const std::vector<double>& samples() const { return data_; }

private:
    static double envelope(double t, double length, const Voice& voice);
    double nextNoise();

    std::vector<double> data_;
    std::uint32_t noiseState_ = 0x2545F491u;  // fixed seed: every build gives the same files
};

}  // namespace quiz::assets
