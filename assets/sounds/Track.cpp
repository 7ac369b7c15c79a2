#include "assets/sounds/Track.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quiz::assets {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double nyquistGuard = 18000.0;  // partials above this are left out (no aliasing)

// Smooth 0 -> 1 ramp over x in [0, 1].
double ramp(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

// Frequency at time t along a path of (time, Hz) points, exponential between points.
double pathFrequency(const std::vector<std::pair<double, double>>& path, double t) {
    if (t <= path.front().first) return path.front().second;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (t <= path[i].first) {
            const auto [t0, f0] = path[i - 1];
            const auto [t1, f1] = path[i];
            const double x = (t1 > t0) ? (t - t0) / (t1 - t0) : 1.0;
            return f0 * std::pow(f1 / f0, x);
        }
    }
    return path.back().second;
}

}  // namespace

Track::Track(double seconds) : data_(static_cast<std::size_t>(seconds * rate), 0.0) {}

double Track::envelope(double t, double length, const Voice& voice) {
    double e = voice.attack > 0.0 ? ramp(t / voice.attack) : 1.0;
    if (voice.decay > 0.0) e *= std::exp(-t / voice.decay);
    if (voice.release > 0.0) e *= ramp((length - t) / voice.release);
    return e;
}

void Track::tone(double start, double length, double freq, double amp, const Voice& voice) {
    glide(start, {{0.0, freq}, {length, freq}}, amp, voice);
}

void Track::glide(double start, const std::vector<std::pair<double, double>>& path, double amp, const Voice& voice) {
    const double length = path.back().first;
    const auto first = static_cast<std::size_t>(start * rate);
    const auto count = static_cast<std::size_t>(length * rate);
    const double detuneRatio = std::pow(2.0, voice.detune / 1200.0);
    const double copies = voice.detune != 0.0 ? 2.0 : 1.0;
    double phase = 0.0;
    for (std::size_t n = 0; n < count && first + n < data_.size(); ++n) {
        const double t = static_cast<double>(n) / rate;
        double f = pathFrequency(path, t);
        if (voice.vibratoDepth > 0.0)
            f *= std::pow(2.0, voice.vibratoDepth / 12.0 * std::sin(twoPi * voice.vibratoRate * t));
        phase += twoPi * f / rate;
        double s = 0.0;
        for (std::size_t h = 0; h < voice.partials.size(); ++h) {
            const double k = static_cast<double>(h + 1);
            if (voice.partials[h] == 0.0 || f * k * detuneRatio > nyquistGuard) continue;
            s += voice.partials[h] * std::sin(k * phase);
            if (copies > 1.0) s += voice.partials[h] * std::sin(k * phase * detuneRatio + 1.0);
        }
        data_[first + n] += amp * envelope(t, length, voice) * s / copies;
    }
}

void Track::bell(double start, double length, double freq, double amp, double decay) {
    // Ratios near those of a small struck metal bar; the upper ones fade sooner.
    struct Partial {
        double ratio, level, decayScale;
    };
    static constexpr Partial partials[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.45, 0.7}, {2.76, 0.35, 0.5}, {4.07, 0.18, 0.35}, {5.40, 0.1, 0.25},
    };
    const auto first = static_cast<std::size_t>(start * rate);
    const auto count = static_cast<std::size_t>(length * rate);
    for (std::size_t n = 0; n < count && first + n < data_.size(); ++n) {
        const double t = static_cast<double>(n) / rate;
        const double edge = ramp(t / 0.002) * ramp((length - t) / 0.03);
        double s = 0.0;
        for (const Partial& p : partials) {
            if (freq * p.ratio > nyquistGuard) continue;
            s += p.level * std::exp(-t / (decay * p.decayScale)) * std::sin(twoPi * freq * p.ratio * t);
        }
        data_[first + n] += amp * edge * s;
    }
}

double Track::nextNoise() {
    // xorshift32: small, fast and the same on every platform.
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    return static_cast<double>(noiseState_) / 2147483648.0 - 1.0;
}

void Track::whoosh(double start, double length, double amp, double fLow, double fHigh, double fEnd) {
    const auto first = static_cast<std::size_t>(start * rate);
    const auto count = static_cast<std::size_t>(length * rate);
    const std::vector<std::pair<double, double>> path{{0.0, fLow}, {length * 0.55, fHigh}, {length, fEnd}};
    double low = 0.0;
    double band = 0.0;
    const double damping = 0.9;  // broad band: an airy whoosh rather than a whistle
    for (std::size_t n = 0; n < count && first + n < data_.size(); ++n) {
        const double t = static_cast<double>(n) / rate;
        const double x = t / length;
        // Chamberlin state-variable filter with a moving centre frequency.
        const double f = 2.0 * std::sin(std::numbers::pi * pathFrequency(path, t) / rate);
        const double high = nextNoise() - low - damping * band;
        band += f * high;
        low += f * band;
        const double shape = std::pow(std::sin(std::numbers::pi * x), 1.5);
        data_[first + n] += amp * shape * band;
    }
}

void Track::echo(double delay, double feedback) {
    const auto d = static_cast<std::size_t>(delay * rate);
    for (std::size_t n = d; n < data_.size(); ++n) data_[n] += feedback * data_[n - d];
}

void Track::finish(double peak) {
    const double fadeIn = 0.005 * rate;
    const double fadeOut = 0.04 * rate;
    const std::size_t size = data_.size();
    for (std::size_t n = 0; n < size; ++n) {
        data_[n] *= ramp(static_cast<double>(n) / fadeIn);
        data_[n] *= ramp(static_cast<double>(size - 1 - n) / fadeOut);
    }
    double loudest = 0.0;
    for (double s : data_) loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0)
        for (double& s : data_) s *= peak / loudest;
}

}  // namespace quiz::assets
