#include "ChimeSynth.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kAttack = 0.004; // seconds; long enough not to click
constexpr double kFadeOut = 0.040;
constexpr double kPeak = 0.707; // -3 dBFS

} // namespace

ChimeSynth::ChimeSynth(int sampleRate, double seconds)
    : rate_(sampleRate), mix_(static_cast<size_t>(sampleRate * seconds), 0.0) {}

void ChimeSynth::addNote(double start, double frequency, double gain, const Timbre& timbre) {
    const size_t first = static_cast<size_t>(start * rate_);
    for (size_t i = first; i < mix_.size(); ++i) {
        const double t = static_cast<double>(i - first) / rate_;
        const double attack = t < kAttack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / kAttack) : 1.0;
        double v = 0;
        for (const Partial& p : timbre) {
            v += p.gain * std::exp(-t / p.decay) * std::sin(2 * std::numbers::pi * frequency * p.ratio * t);
        }
        mix_[i] += gain * attack * v;
    }
}

std::vector<int16_t> ChimeSynth::render() const {
    double peak = 0;
    for (double v : mix_) peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? kPeak / peak : 0;
    const size_t fade = static_cast<size_t>(kFadeOut * rate_);
    std::vector<int16_t> out(mix_.size());
    for (size_t i = 0; i < mix_.size(); ++i) {
        const size_t left = mix_.size() - i;
        const double tail = left < fade ? static_cast<double>(left) / fade : 1.0;
        out[i] = static_cast<int16_t>(std::lround(mix_[i] * scale * tail * 32767));
    }
    return out;
}
