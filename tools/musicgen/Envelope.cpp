#include "Envelope.h"

#include <algorithm>
#include <cmath>

namespace {
double beforeRelease(const Envelope& e, double t) {
    if (t < e.attack)
        return t / e.attack;
    const double d = (t - e.attack) / e.decay;
    return e.sustain + (1.0 - e.sustain) * std::exp(-3.0 * d);
}
} // namespace

double Envelope::at(double t, double held) const {
    if (t < held)
        return beforeRelease(*this, t);
    const double level = beforeRelease(*this, std::max(held, 0.0));
    const double r = (t - held) / release;
    // Exponential fall that is forced to reach exactly zero at the end of the release.
    return r >= 1.0 ? 0.0 : level * (std::exp(-4.0 * r) - std::exp(-4.0)) / (1.0 - std::exp(-4.0));
}
