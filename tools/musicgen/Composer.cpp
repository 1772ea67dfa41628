#include "Composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kStepsPerBar = 16;
constexpr int kScaleSteps = 7;
int positive(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}
} // namespace

Composer::Composer(TrackStyle style, int sampleRate)
    : style_(std::move(style)), rate_(sampleRate), choice_(style_.seed) {
}

std::vector<Note> Composer::compose() {
    notes_.clear();
    for (int bar = 0; bar < style_.bars(); ++bar) {
        const Section& section = style_.sections[bar / TrackStyle::kBarsPerSection];
        addPads(bar);
        if (section.bass)
            addBass(bar);
        if (section.drums > 0)
            addDrums(bar, section.drums == 2 ? style_.full : style_.light);
        if (section.arpeggio)
            addArpeggio(bar);
        if (section.melody > 0 && bar % TrackStyle::kBarsPerSection == 0)
            addMelody(bar, section.melody);
    }
    return notes_;
}

long Composer::framesPerStep() const {
    return std::lround(rate_ * 60.0 / style_.bpm / 4.0);
}

long Composer::at(int bar, double step) const {
    const bool offBeat = positive(static_cast<int>(step), 4) == 2;
    const double swung = step + (offBeat ? style_.swing : 0.0);
    return std::lround((bar * kStepsPerBar + swung) * static_cast<double>(framesPerStep()));
}

int Composer::chordRoot(int bar) const {
    return style_.progression[static_cast<std::size_t>(bar) % style_.progression.size()];
}

bool Composer::isChordTone(int index, int bar) const {
    const int above = positive(index - chordRoot(bar), kScaleSteps);
    return above == 0 || above == 2 || above == 4 || (style_.sevenths && above == 6);
}

// index counts scale steps from the tonic; every seven is an octave.
double Composer::pitchOf(int index) const {
    const int octave = static_cast<int>(std::floor(index / static_cast<double>(kScaleSteps)));
    return style_.tonic + 12 * octave +
           style_.scale[static_cast<std::size_t>(positive(index, kScaleSteps))];
}

int Composer::nearestChordTone(int index, int bar) const {
    for (int distance = 0; distance < kScaleSteps; ++distance) {
        if (isChordTone(index - distance, bar))
            return index - distance;
        if (isChordTone(index + distance, bar))
            return index + distance;
    }
    return index;
}

// Pads sit just below the tune; a chord held over several bars is one long note.
void Composer::addPads(int bar) {
    const int bars = style_.bars();
    if (bar > 0 && chordRoot(bar - 1) == chordRoot(bar))
        return;
    int length = 1;
    while (bar + length < bars && chordRoot(bar + length) == chordRoot(bar))
        ++length;
    const int tones = style_.sevenths ? 4 : 3;
    for (int k = 0; k < tones; ++k) {
        const int index = positive(chordRoot(bar) + 2 * k, kScaleSteps) - kScaleSteps;
        const float pan = -0.45f + 0.3f * static_cast<float>(k);
        notes_.push_back(
            {at(bar, 0), at(bar + length, 0) - at(bar, 0), pitchOf(index), 0.42f, Voice::Pad, pan});
    }
}

void Composer::addBass(int bar) {
    const int root = positive(chordRoot(bar), kScaleSteps);
    for (const BassStep& b : style_.bass) {
        double pitch = pitchOf(root + b.degree) - 24.0;
        if (pitch > style_.tonic - 24 + 7)
            pitch -= 12.0;
        const float velocity = b.step % 8 == 0 ? 0.9f : 0.7f;
        notes_.push_back({at(bar, b.step), b.length * framesPerStep() * 9 / 10, pitch, velocity,
                          Voice::Bass, 0.0f});
    }
}

void Composer::addDrums(int bar, const DrumPattern& pattern) {
    addDrumLine(bar, pattern.kick, Voice::Kick, 0.0f);
    addDrumLine(bar, pattern.snare, Voice::Snare, 0.1f);
    addDrumLine(bar, pattern.hat, Voice::Hat, 0.3f);
    addDrumLine(bar, pattern.openHat, Voice::OpenHat, -0.25f);
    addDrumLine(bar, pattern.shaker, Voice::Shaker, 0.35f);
}

void Composer::addDrumLine(int bar, const std::string& line, Voice voice, float pan) {
    for (int step = 0; step < static_cast<int>(line.size()); ++step) {
        const char hit = line[static_cast<std::size_t>(step)];
        if (hit == '-')
            continue;
        const float velocity = hit == 'X' ? 1.0f : hit == 'x' ? 0.65f : 0.35f;
        notes_.push_back({at(bar, step), framesPerStep(), 0.0, velocity, voice, pan});
    }
}

// Up through the chord and back down, above the pads and around the tune.
void Composer::addArpeggio(int bar) {
    static constexpr int kShape[] = {0, 2, 4, 7, 4, 2};
    const int stride = style_.arpeggioStep;
    for (int step = 0, k = 0; step < kStepsPerBar; step += stride, ++k) {
        const int index = positive(chordRoot(bar), kScaleSteps) + kShape[k % 6];
        const float velocity = step % 8 == 0 ? 0.34f : 0.26f;
        const float pan = k % 2 == 0 ? -0.5f : 0.5f;
        notes_.push_back({at(bar, step), stride * framesPerStep(), pitchOf(index), velocity,
                          style_.arpeggio, pan});
    }
}

// Steps through the scale for one phrase: mostly neighbouring notes, now and then a leap,
// leaning downwards for a phrase that closes.
std::vector<int> Composer::contour(std::size_t length, bool falling) {
    static constexpr int kMoves[] = {1, 1, 1, -1, -1, -1, 2, -2, 0, 3};
    std::vector<int> steps(length, 0);
    for (std::size_t k = 1; k < length; ++k) {
        int move = kMoves[choice_.pick(10)];
        if (falling && move > 0 && choice_.next() < 0.6)
            move = -move;
        steps[k] = move;
    }
    return steps;
}

// A motif, the motif again a step higher, a contrasting line and a closing phrase.
void Composer::addMelody(int firstBar, int level) {
    const int choices = static_cast<int>(style_.rhythms.size()) - 1;
    const int a = choice_.pick(choices);
    const int b = (a + 1 + choice_.pick(choices - 1)) % choices;
    const Rhythm& motif = style_.rhythms[static_cast<std::size_t>(a)];
    const std::vector<int> motifSteps = contour(motif.size(), false);
    const int start = level == 2 ? 6 : 4;
    addPhrase(firstBar, motif, motifSteps, start, level, false);
    int index = addPhrase(firstBar + 2, motif, motifSteps, start + 1, level, false);
    const Rhythm& contrast = style_.rhythms[static_cast<std::size_t>(b)];
    index = addPhrase(firstBar + 4, contrast, contour(contrast.size(), false), index, level, false);
    const Rhythm& closing = style_.rhythms.back();
    addPhrase(firstBar + 6, closing, contour(closing.size(), true), index, level, true);
}

int Composer::addPhrase(int firstBar, const Rhythm& rhythm, const std::vector<int>& steps,
                        int index, int level, bool closing) {
    constexpr int kLowest = 1;
    constexpr int kHighest = 11;
    for (std::size_t k = 0; k < rhythm.size(); ++k) {
        const auto [start, length] = rhythm[k];
        const int bar = firstBar + start / kStepsPerBar;
        const int step = start % kStepsPerBar;
        index += steps[k];
        if (step % 8 == 0)
            index = nearestChordTone(index, bar);
        index = index > kHighest ? 2 * kHighest - index : std::max(index, kLowest);
        if (closing && k + 1 == rhythm.size())
            index += positive(chordRoot(bar) - index, kScaleSteps) - (index > 7 ? kScaleSteps : 0);
        const float accent = step % 4 == 0 ? 0.8f : 0.68f;
        const float velocity = accent + 0.06f * choice_.bipolar() + (level == 2 ? 0.05f : 0.0f);
        const long frames = length * framesPerStep() - framesPerStep() / 8;
        notes_.push_back({at(bar, step), frames, pitchOf(index), velocity, style_.lead, 0.1f});
    }
    return index;
}
