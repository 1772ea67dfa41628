#pragma once

#include "Note.h"
#include "Timbre.h"
#include "Wavetable.h"

#include <vector>

// The pitched instruments: each turns a note into its mono samples, release included.
class TonalVoices {
public:
    TonalVoices(int sampleRate, Timbre timbre);

    std::vector<float> pad(const Note& note) const;
    std::vector<float> bass(const Note& note) const;
    std::vector<float> lead(const Note& note) const;
    std::vector<float> bell(const Note& note) const;
    std::vector<float> pluck(const Note& note) const;

private:
    double seconds(long frames) const { return static_cast<double>(frames) / rate_; }
    long frames(double seconds) const { return static_cast<long>(seconds * rate_); }
    double vibrato(double t) const;

    int rate_;
    Timbre timbre_;
    Wavetable padTable_;
    Wavetable bassTable_;
    Wavetable leadTable_;
};
