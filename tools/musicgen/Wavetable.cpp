#include "Wavetable.h"

#include <cmath>
#include <numbers>

Wavetable::Wavetable(const std::vector<double>& amplitudes) : cycle_(kSize + 1) {
    double highest = 0.0;
    std::vector<double> sum(kSize, 0.0);
    for (int i = 0; i < kSize; ++i) {
        const double x = 2.0 * std::numbers::pi * i / kSize;
        for (std::size_t k = 0; k < amplitudes.size(); ++k)
            sum[i] += amplitudes[k] * std::sin(static_cast<double>(k + 1) * x);
        highest = std::max(highest, std::abs(sum[i]));
    }
    for (int i = 0; i < kSize; ++i)
        cycle_[i] = static_cast<float>(sum[i] / highest);
    cycle_[kSize] = cycle_[0];
}

float Wavetable::at(double phase) const {
    const double position = (phase - std::floor(phase)) * kSize;
    const auto index = static_cast<int>(position);
    const auto fraction = static_cast<float>(position - index);
    return cycle_[index] + (cycle_[index + 1] - cycle_[index]) * fraction;
}
