#pragma once
#include <cstdint>
#include <vector>

// Additive synthesis of struck, bell-like notes: every note is a sum of sine partials, each
// with its own exponential decay, after a short soft attack.
class ChimeSynth {
public:
    struct Partial {
        double ratio; // frequency relative to the note
        double gain;
        double decay; // seconds for the partial to fall to 1/e
    };
    using Timbre = std::vector<Partial>;

    ChimeSynth(int sampleRate, double seconds);
    void addNote(double start, double frequency, double gain, const Timbre& timbre);
    // The mix, peak-normalised to -3 dBFS and faded out over its last 40 ms.
    std::vector<int16_t> render() const;

private:
    int rate_;
    std::vector<double> mix_;
};
