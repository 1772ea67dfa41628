#include "TrackRenderer.h"

#include "Composer.h"
#include "DrumVoices.h"
#include "TonalVoices.h"

#include <map>

namespace {

enum class Bus { Pads, Bass, Tune, Drums };

Bus busOf(Voice voice, const TrackStyle& style) {
    switch (voice) {
    case Voice::Pad:
        return Bus::Pads;
    case Voice::Bass:
        return Bus::Bass;
    case Voice::Kick:
    case Voice::Snare:
    case Voice::Hat:
    case Voice::OpenHat:
    case Voice::Shaker:
        return Bus::Drums;
    default:
        return voice == style.lead || voice == style.arpeggio ? Bus::Tune : Bus::Pads;
    }
}

std::vector<float> sound(const Note& note, const TonalVoices& tonal, const DrumVoices& drums) {
    switch (note.voice) {
    case Voice::Pad:
        return tonal.pad(note);
    case Voice::Bass:
        return tonal.bass(note);
    case Voice::Lead:
        return tonal.lead(note);
    case Voice::Bell:
        return tonal.bell(note);
    case Voice::Pluck:
        return tonal.pluck(note);
    case Voice::Kick:
        return drums.kick(note);
    case Voice::Snare:
        return drums.snare(note);
    case Voice::Hat:
        return drums.hat(note, 0.025);
    case Voice::OpenHat:
        return drums.hat(note, 0.1);
    case Voice::Shaker:
        return drums.shaker(note);
    }
    return {};
}

long framesOf(double seconds) {
    return static_cast<long>(seconds * TrackRenderer::kSampleRate);
}

} // namespace

LoopBuffer TrackRenderer::render(int track) {
    const TrackStyle style = TrackStyle::forTrack(track);
    Composer composer(style, kSampleRate);
    const std::vector<Note> notes = composer.compose();
    const long frames = composer.totalFrames();
    const TonalVoices tonal(kSampleRate, style.timbre);
    const DrumVoices drums(kSampleRate);

    std::map<Bus, LoopBuffer> buses;
    for (const Bus bus : {Bus::Pads, Bus::Bass, Bus::Tune, Bus::Drums})
        buses.emplace(bus, LoopBuffer(frames));
    for (const Note& note : notes)
        buses.at(busOf(note.voice, style)).addMono(note.start, sound(note, tonal, drums), note.pan);

    const double beat = 60.0 / style.bpm;
    buses.at(Bus::Tune).echo(framesOf(beat * 0.75), 0.35f, 0.3f);
    buses.at(Bus::Pads).widen(framesOf(0.012));

    LoopBuffer mix(frames);
    mix.mix(buses.at(Bus::Pads), 0.5f);
    mix.mix(buses.at(Bus::Bass), 0.55f);
    mix.mix(buses.at(Bus::Tune), 0.42f);
    mix.mix(buses.at(Bus::Drums), 0.3f);
    mix.scale(kPeak / mix.peak());
    mix.fadeSeam(framesOf(0.02));
    return mix;
}
