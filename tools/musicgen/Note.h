#pragma once

// The sounds a track is made of.
enum class Voice { Pad, Bass, Lead, Bell, Pluck, Kick, Snare, Hat, OpenHat, Shaker };

// One sounded note: where it starts and how long it is held (in frames), its pitch as a MIDI
// note number (drums ignore it), its loudness 0..1 and its place from left (-1) to right (1).
struct Note {
    long start = 0;
    long length = 0;
    double pitch = 60.0;
    float velocity = 1.0f;
    Voice voice = Voice::Pad;
    float pan = 0.0f;
};
