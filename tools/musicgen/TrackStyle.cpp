#include "TrackStyle.h"

#include <stdexcept>

namespace {

const std::vector<int> kDorian{0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kMajor{0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor{0, 2, 3, 5, 7, 8, 10};

// Track 0: an old tale by candlelight. D dorian, slow, a bell singing over warm pads, brushes
// and a shaker.
TrackStyle oldTale() {
    TrackStyle s;
    s.bpm = 80;
    s.tonic = 62;
    s.scale = kDorian;
    s.progression = {0, 6, 3, 0, 5, 6, 4, 4};
    s.sevenths = true;
    s.swing = 0.3;
    s.timbre = {{1.0, 0.0, 0.2, 0.0, 0.08}, 2200.0, 1100.0, 3.5, 8.0};
    s.lead = Voice::Bell;
    s.arpeggio = Voice::Pluck;
    s.arpeggioStep = 4;
    s.light = {"X---------------", "--------.-------", "----------------", "----------------",
               "x-.-x-.-x-.-x-.-"};
    s.full = {"X-------x-------", "----x-------x---", "--.---.---.---.-", "----------------",
              "x-.-x-.-x-.-x-.-"};
    s.bass = {{0, 6, 0}, {8, 4, 4}, {12, 4, 0}};
    s.rhythms = {{{0, 4}, {4, 2}, {6, 2}, {8, 8}, {20, 2}, {22, 2}, {24, 8}},
                 {{0, 2}, {2, 2}, {4, 4}, {8, 2}, {10, 6}, {16, 4}, {20, 4}, {24, 6}},
                 {{2, 2}, {4, 2}, {6, 6}, {12, 4}, {16, 8}, {24, 4}},
                 {{0, 4}, {4, 4}, {8, 8}, {16, 14}}};
    s.sections = {{true, 0, 1, true}, {true, 1, 1, false}, {true, 2, 2, true}, {false, 1, 0, true}};
    s.seed = 11;
    return s;
}

// Track 1: the card table in good company. F major, lilting, a plucked tune with a bell
// arpeggio, brushes on two and four.
TrackStyle cardTable() {
    TrackStyle s;
    s.bpm = 96;
    s.tonic = 65;
    s.scale = kMajor;
    s.progression = {0, 5, 3, 4, 0, 2, 3, 4};
    s.swing = 0.35;
    s.timbre = {{1.0, 0.4, 0.2, 0.1}, 2800.0, 1500.0, 2.0, 0.0};
    s.lead = Voice::Pluck;
    s.arpeggio = Voice::Bell;
    s.arpeggioStep = 2;
    s.light = {"X-------X-------", "----------------", "x-.-x-.-x-.-x-.-", "----------------",
               "----------------"};
    s.full = {"X-------X-----.-", "----x-------x---", "x-.-x-.-x-.-x-.-", "----------------",
              "----------------"};
    s.bass = {{0, 4, 0}, {6, 2, 4}, {8, 4, 7}, {12, 2, 4}, {14, 2, 2}};
    s.rhythms = {{{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 4}, {12, 4}, {16, 2}, {18, 2}, {20, 8}},
                 {{0, 3}, {3, 3}, {6, 2}, {8, 8}, {16, 3}, {19, 3}, {22, 2}, {24, 8}},
                 {{0, 4}, {4, 2}, {6, 2}, {8, 2}, {10, 2}, {12, 4}, {16, 8}, {24, 4}},
                 {{0, 2}, {2, 2}, {4, 4}, {8, 4}, {12, 4}, {16, 12}}};
    s.sections = {{true, 0, 1, true},
                  {true, 1, 1, false},
                  {true, 1, 2, true},
                  {true, 2, 2, true},
                  {false, 1, 0, true}};
    s.seed = 23;
    return s;
}

// Track 2: the same game in a modern room. A minor, a steady soft four-on-the-floor, a
// rounded square lead, syncopated bass and a quick bell arpeggio.
TrackStyle modernRoom() {
    TrackStyle s;
    s.bpm = 108;
    s.tonic = 69;
    s.scale = kMinor;
    s.progression = {0, 5, 2, 6, 0, 5, 3, 4};
    s.sevenths = true;
    s.timbre = {{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14}, 1800.0, 1700.0, 1.0, 12.0};
    s.lead = Voice::Lead;
    s.arpeggio = Voice::Bell;
    s.arpeggioStep = 1;
    s.light = {"X---X---X---X---", "----------------", "----------------", "--x---x---x---x-",
               "----------------"};
    s.full = {"X---X---X---X---", "----x-------x---", "..x...x...x...x.", "--x---x---x---x-",
              "----------------"};
    s.bass = {{0, 3, 0}, {3, 3, 0}, {6, 2, 7}, {10, 2, 0}, {12, 2, 4}, {14, 2, 7}};
    s.rhythms = {{{0, 3}, {3, 3}, {6, 2}, {8, 4}, {14, 2}, {16, 3}, {19, 3}, {22, 10}},
                 {{2, 2}, {4, 2}, {6, 4}, {10, 6}, {18, 2}, {20, 2}, {22, 2}, {24, 8}},
                 {{0, 4}, {4, 4}, {8, 2}, {10, 2}, {12, 4}, {16, 6}, {22, 2}, {24, 8}},
                 {{0, 3}, {3, 3}, {6, 2}, {8, 8}, {16, 14}}};
    s.sections = {{true, 0, 1, true},  {true, 1, 2, false}, {true, 1, 2, true},
                  {false, 2, 1, true}, {true, 2, 2, true},  {true, 0, 1, true}};
    s.seed = 37;
    return s;
}

} // namespace

TrackStyle TrackStyle::forTrack(int track) {
    switch (track) {
    case 0:
        return oldTale();
    case 1:
        return cardTable();
    case 2:
        return modernRoom();
    default:
        throw std::out_of_range("no such track");
    }
}
