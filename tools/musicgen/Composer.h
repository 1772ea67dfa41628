#pragma once

#include "Noise.h"
#include "Note.h"
#include "TrackStyle.h"

#include <vector>

// Writes the notes of one track from its recipe: pads on the chords, a bass line, a tune in
// two-bar phrases (a motif, its answer, a contrast and a closing phrase), a light drum pattern
// and an arpeggio. The harmony of the last bar leads back into the first, so the track loops.
class Composer {
public:
    Composer(TrackStyle style, int sampleRate);

    std::vector<Note> compose();
    long totalFrames() const { return at(style_.bars(), 0); }

private:
    long framesPerStep() const;
    // Frame of a sixteenth step in a bar, with the swing of the off-beat eighths.
    long at(int bar, double step) const;
    int chordRoot(int bar) const;
    bool isChordTone(int index, int bar) const;
    double pitchOf(int index) const;
    int nearestChordTone(int index, int bar) const;

    void addPads(int bar);
    void addBass(int bar);
    void addDrums(int bar, const DrumPattern& pattern);
    void addDrumLine(int bar, const std::string& line, Voice voice, float pan);
    void addArpeggio(int bar);
    void addMelody(int firstBar, int level);
    int addPhrase(int firstBar, const Rhythm& rhythm, const std::vector<int>& steps, int index,
                  int level, bool closing);
    std::vector<int> contour(std::size_t length, bool falling);

    TrackStyle style_;
    int rate_;
    Noise choice_;
    std::vector<Note> notes_;
};
