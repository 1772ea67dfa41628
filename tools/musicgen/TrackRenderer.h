#pragma once

#include "LoopBuffer.h"

// Turns a track's notes into its finished stereo loop: each group of instruments on its own
// bus (echo on the tune and the arpeggio, width on the pads), mixed, brought to a calm level
// with its loudest moment 3 dB below full scale, and faded for a click-free restart.
class TrackRenderer {
public:
    static constexpr int kSampleRate = 44100;
    // Loudest sample of a finished track, well below full scale so the encoded file never
    // clips either.
    static constexpr float kPeak = 0.7f;

    static LoopBuffer render(int track);
};
