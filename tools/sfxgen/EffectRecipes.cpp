#include "EffectRecipes.h"

#include "Synth.h"

#include <array>
#include <functional>

namespace {

// Equal-tempered pitches used by the phrases.
constexpr double C4 = 261.63, Eb4 = 311.13, F4 = 349.23, G4 = 392.00, Ab4 = 415.30;
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.00;
constexpr double B5 = 987.77, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98, C7 = 2093.00;

constexpr int Rate = 22050;

// A card hitting the table: a bright paper snap over a short low knock.
void cardSnap(Synth& s, double at, double amp) {
    s.add(Noise{.start = at,
                .length = 0.03,
                .amp = amp,
                .attack = 0.0008,
                .decay = 0.009,
                .lowCut = 1500,
                .highCut = 7000});
    s.add(Note{.start = at,
               .length = 0.05,
               .freq = 190,
               .freqEnd = 90,
               .amp = amp * 0.5,
               .attack = 0.001,
               .decay = 0.018});
}

// One struck note of a phrase, ringing out over its length.
void bell(Synth& s, double at, double freq, double length, double amp = 0.4) {
    s.add(Note{.start = at,
               .length = length,
               .freq = freq,
               .timbre = Timbre::Bell,
               .amp = amp,
               .attack = 0.004,
               .decay = length / 2.5,
               .release = 0.04});
}

// One soft wind-instrument note for the slower phrases.
void reed(Synth& s, double at, double freq, double length, double amp = 0.35) {
    s.add(Note{.start = at,
               .length = length,
               .freq = freq,
               .timbre = Timbre::Reed,
               .amp = amp,
               .attack = 0.02,
               .decay = length * 1.5,
               .release = 0.06});
}

// A plain tone that dies away quickly: ticks, blips and pops.
void ping(Synth& s, double at, double freq, double amp, double decay, double length) {
    s.add(Note{.start = at,
               .length = length,
               .freq = freq,
               .amp = amp,
               .attack = 0.005,
               .decay = decay,
               .release = 0.04});
}

// 0: a count went over 20 - a low, slightly sour buzz that sags.
Synth bust() {
    Synth s(Rate, 0.47);
    for (const double f : {98.0, 103.5}) {
        s.add(Note{.start = 0,
                   .length = 0.38,
                   .freq = f,
                   .freqEnd = f * 0.85,
                   .timbre = Timbre::Buzz,
                   .amp = 0.4,
                   .attack = 0.01,
                   .decay = 0.5,
                   .release = 0.07});
    }
    return s;
}

// 1: a card laid on the table.
Synth cardLaid() {
    Synth s(44100, 0.11);
    cardSnap(s, 0.0, 0.8);
    return s;
}

// 2: a button click - a short wooden tock.
Synth click() {
    Synth s(Rate, 0.17);
    s.add(Note{.start = 0,
               .length = 0.12,
               .freq = 1400,
               .freqEnd = 1100,
               .amp = 0.5,
               .attack = 0.0015,
               .decay = 0.012,
               .release = 0.03});
    ping(s, 0, 520, 0.3, 0.025, 0.12);
    return s;
}

// 3: the pointer enters a button - the faintest high tick.
Synth hoverTick() {
    Synth s(Rate, 0.03);
    ping(s, 0, 3200, 0.5, 0.005, 0.02);
    return s;
}

// 4: next level or the campaign's end - a rising fanfare that lands on a held chord.
Synth fanfare() {
    Synth s(Rate, 2.15);
    const std::array<double, 4> climb = {C5, E5, G5, C6};
    for (std::size_t i = 0; i < climb.size(); ++i) {
        bell(s, 0.14 * static_cast<double>(i), climb[i], 0.25);
    }
    for (const double f : {C5, E5, G5, C6}) {
        reed(s, 0.62, f, 1.35, 0.2);
        bell(s, 0.62, f, 1.4, 0.15);
    }
    return s;
}

// 5: a message appears - a two-note chime.
Synth chime() {
    Synth s(Rate, 0.63);
    bell(s, 0.0, A5, 0.45, 0.45);
    bell(s, 0.11, E6, 0.42, 0.35);
    return s;
}

// 6: a card is dealt from the deck - the swish of a sliding card, then its landing.
Synth deal() {
    Synth s(Rate, 0.54);
    s.add(Noise{.start = 0.02,
                .length = 0.3,
                .amp = 0.35,
                .attack = 0.22,
                .decay = 0,
                .lowCut = 2200,
                .highCut = 6000,
                .release = 0.05});
    cardSnap(s, 0.33, 0.8);
    return s;
}

// 7: the match is lost - a slow falling minor phrase.
Synth matchLost() {
    Synth s(Rate, 2.04);
    const std::array<double, 3> fall = {G4, F4, Eb4};
    for (std::size_t i = 0; i < fall.size(); ++i) {
        reed(s, 0.32 * static_cast<double>(i), fall[i], 0.3);
    }
    reed(s, 0.96, C4, 0.95, 0.4);
    reed(s, 0.96, Eb4, 0.95, 0.2);
    return s;
}

// 8: a set is lost - two notes stepping down.
Synth setLost() {
    Synth s(Rate, 0.93);
    reed(s, 0.0, Ab4, 0.28);
    reed(s, 0.3, F4, 0.52, 0.38);
    return s;
}

// 9: the match is won - a quick rising run to a bright major chord.
Synth matchWon() {
    Synth s(Rate, 1.86);
    const std::array<double, 4> run = {C5, D5, E5, G5};
    for (std::size_t i = 0; i < run.size(); ++i) {
        bell(s, 0.1 * static_cast<double>(i), run[i], 0.16, 0.35);
    }
    for (const double f : {C6, G5, E5}) {
        bell(s, 0.42, f, 1.3, 0.3);
    }
    return s;
}

// 10: a set is won - three notes climbing a major chord.
Synth setWon() {
    Synth s(Rate, 0.94);
    bell(s, 0.0, C5, 0.2);
    bell(s, 0.12, E5, 0.2);
    bell(s, 0.24, G5, 0.6);
    return s;
}

// 11: a set is tied - two short level blips, neither rising nor falling.
Synth setTied() {
    Synth s(Rate, 0.15);
    ping(s, 0.0, 660, 0.4, 0.03, 0.04);
    ping(s, 0.07, 660, 0.4, 0.03, 0.04);
    return s;
}

// 12: the player plays a hand card - the card lands, then a short sparkle rises from it.
Synth handCardPlayed() {
    Synth s(Rate, 0.95);
    cardSnap(s, 0.0, 0.6);
    s.add(Note{.start = 0.02,
               .length = 0.25,
               .freq = 500,
               .freqEnd = 1500,
               .amp = 0.15,
               .attack = 0.05,
               .decay = 0,
               .release = 0.08});
    const std::array<double, 3> sparkle = {E6, G6, C7};
    for (std::size_t i = 0; i < sparkle.size(); ++i) {
        bell(s, 0.18 + 0.08 * static_cast<double>(i), sparkle[i], 0.5, 0.15);
    }
    return s;
}

// 13: a chat line arrives - a soft, round two-tone pop.
Synth chatMessage() {
    Synth s(Rate, 0.58);
    ping(s, 0.0, B5, 0.4, 0.08, 0.15);
    ping(s, 0.13, E6, 0.4, 0.12, 0.35);
    return s;
}

struct Recipe {
    std::function<Synth()> build;
    double peak; // quieter for the frequent interface sounds
};

const std::array<Recipe, EffectRecipes::Count>& recipes() {
    static const std::array<Recipe, EffectRecipes::Count> table = {{
        {bust, 0.55},
        {cardLaid, 0.7},
        {click, 0.5},
        {hoverTick, 0.3},
        {fanfare, 0.7},
        {chime, 0.6},
        {deal, 0.7},
        {matchLost, 0.45},
        {setLost, 0.42},
        {matchWon, 0.7},
        {setWon, 0.65},
        {setTied, 0.45},
        {handCardPlayed, 0.7},
        {chatMessage, 0.55},
    }};
    return table;
}

} // namespace

Effect EffectRecipes::make(int number) {
    const Recipe& recipe = recipes().at(static_cast<std::size_t>(number));
    const Synth synth = recipe.build();
    return Effect{synth.sampleRate(), synth.render(recipe.peak)};
}
