#pragma once

#include <vector>

// The colours that make one track sound unlike another.
struct Timbre {
    std::vector<double> leadHarmonics; // strengths of the lead's harmonics
    double leadCutoffHz = 3000.0;      // the lead's brightness
    double padCutoffHz = 1400.0;       // the pads' brightness
    double bellRatio = 3.5;            // the bell's modulator ratio: higher is more metallic
    double vibratoCents = 10.0;        // the lead's vibrato depth
};
