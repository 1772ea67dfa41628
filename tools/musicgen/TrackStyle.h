#pragma once

#include "Note.h"
#include "Timbre.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Eight bars of the arrangement and which parts play in them.
struct Section {
    bool bass = true;
    int melody = 1; // 0 none, 1 the tune, 2 the tune lifted a little higher
    int drums = 1;  // 0 none, 1 light, 2 full
    bool arpeggio = false;
};

// One bar of percussion, sixteen steps per line: 'X' strong, 'x' medium, '.' soft, '-' rest.
struct DrumPattern {
    std::string kick, snare, hat, openHat, shaker;
};

// A bass note within the bar: sixteenth step, length in sixteenths, scale steps above the
// chord's root (0 root, 4 fifth, 7 octave).
struct BassStep {
    int step;
    int length;
    int degree;
};

// Two bars of melody rhythm: (first sixteenth, length in sixteenths) of each note.
using Rhythm = std::vector<std::pair<int, int>>;

// The recipe of one background track: key, harmony, tempo, instruments and arrangement.
struct TrackStyle {
    int bpm = 90;
    int tonic = 62;               // MIDI note of the key's tonic, the tune's lowest home
    std::vector<int> scale;       // semitones of the seven scale steps
    std::vector<int> progression; // the chord of each bar, as a scale step of its root
    bool sevenths = false;        // four-note chords instead of triads
    double swing = 0.0;           // delay of the off-beat eighths, in sixteenths
    Timbre timbre;
    Voice lead = Voice::Lead;
    Voice arpeggio = Voice::Bell;
    int arpeggioStep = 2; // sixteenths between arpeggio notes
    DrumPattern light, full;
    std::vector<BassStep> bass;
    std::vector<Rhythm> rhythms;   // the last one closes a phrase
    std::vector<Section> sections; // eight bars each
    std::uint64_t seed = 1;

    static constexpr int kBarsPerSection = 8;
    static constexpr int kTracks = 3;

    // The three tracks, numbered as the settings list them.
    static TrackStyle forTrack(int track);
    int bars() const { return static_cast<int>(sections.size()) * kBarsPerSection; }
};
