#pragma once

// Attack, decay to a sustained level while the note is held, then release; times in seconds.
// The curve is linear in the attack and exponential-like after, which sounds softer than
// straight lines and never jumps.
struct Envelope {
    double attack = 0.01;
    double decay = 0.2;
    double sustain = 0.7;
    double release = 0.2;

    // Level at time t (seconds) of a note held for `held` seconds.
    double at(double t, double held) const;
};
