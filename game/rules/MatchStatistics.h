#pragma once

// Where a decided or abandoned match is reported for the online statistics.
class MatchStatistics {
public:
    virtual ~MatchStatistics() = default;
    // win 1 when side 0 won the match, 0 when it lost or abandoned it.
    virtual void ReportMatch(int win) = 0;
};
