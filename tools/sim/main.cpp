// queltabrovel-sim: plays complete single-game matches headless and prints a JSON summary.
//   queltabrovel-sim --matches N --seed S [--transcript FILE]

#include "MatchSimulator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
struct Options {
    long long matches = 1000;
    unsigned long long seed = 1;
    const char* transcript = nullptr;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--matches") && hasValue)
            options.matches = std::atoll(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && hasValue)
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--transcript") && hasValue)
            options.transcript = argv[++i];
        else
            return false;
    }
    return options.matches >= 0;
}

void PrintSummary(const SimTotals& t, double seconds) {
    const double perMatch = t.matches ? double(t.sets) / double(t.matches) : 0.0;
    std::printf("{\"matches\":%lld,\"sets\":%lld,\"ties\":%lld,\"setWins\":[%lld,%lld],"
                "\"matchWins\":[%lld,%lld],\"setsPerMatch\":%.4f,\"cardsDealt\":%lld,"
                "\"handCardsPlayed\":[%lld,%lld],\"seconds\":%.6f,\"matchesPerSecond\":%.0f}\n",
                static_cast<long long>(t.matches), static_cast<long long>(t.sets),
                static_cast<long long>(t.ties), static_cast<long long>(t.setWins[0]),
                static_cast<long long>(t.setWins[1]), static_cast<long long>(t.matchWins[0]),
                static_cast<long long>(t.matchWins[1]), perMatch,
                static_cast<long long>(t.cardsDealt), static_cast<long long>(t.handCardsPlayed[0]),
                static_cast<long long>(t.handCardsPlayed[1]), seconds,
                seconds > 0 ? double(t.matches) / seconds : 0.0);
}
} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: queltabrovel-sim --matches N --seed S [--transcript FILE]\n");
        return 2;
    }
    std::FILE* transcript = nullptr;
    if (options.transcript && !(transcript = std::fopen(options.transcript, "w"))) {
        std::perror(options.transcript);
        return 1;
    }
    MatchSimulator simulator(options.seed, transcript);
    const auto start = std::chrono::steady_clock::now();
    for (long long n = 0; n < options.matches; ++n) {
        if (!simulator.PlayMatch()) {
            std::fprintf(stderr, "match %lld stopped with nobody to move\n", n + 1);
            return 1;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (transcript)
        std::fclose(transcript);
    PrintSummary(simulator.totals(), elapsed.count());
    return 0;
}
