#include "TablePair.h"

#include "rules/Random.h"

#include <gtest/gtest.h>

// A thousand seeded matches between a host and a client over the real protocol code, scripted
// players on both sides: the client's table shows what the host's does after every exchange,
// no line is refused (a client's move that crossed the host's result is dropped as late), and
// both tables end with the same result.
namespace {

constexpr int Matches = 1000;
constexpr int MaxActions = 2000;

TEST(MirrorTest, AThousandMatchesLeaveBothTablesAlike) {
    TablePair pair(20261210);
    int sets = 0;
    for (int match = 0; match < Matches; ++match) {
        SCOPED_TRACE("match " + std::to_string(match));
        pair.StartMatch(Random::Pick(2) == 0);
        // Deliveries are cut into pieces of every size from whole to single bytes.
        const int piece = match % 7;
        for (int action = 0; pair.host->table.IsOpen() || pair.client->table.IsOpen(); ++action) {
            ASSERT_LT(action, MaxActions);
            while (!pair.host->outbox.isEmpty() || !pair.client->outbox.isEmpty()) {
                pair.Deliver(*pair.host, *pair.client, piece);
                pair.Deliver(*pair.client, *pair.host, piece);
            }
            ASSERT_EQ(pair.MirrorDifference(), "");
            TablePair::Side* mover = pair.Mover();
            if (!mover)
                break;
            pair.As(*mover, [&] { pair.player.Act(mover->table); });
        }
        EXPECT_FALSE(pair.host->table.IsOpen());
        EXPECT_FALSE(pair.client->table.IsOpen());
        ASSERT_NE(pair.host->matchResult, -1);
        EXPECT_EQ(pair.host->matchResult, 1 - pair.client->matchResult);
        for (bool marker : pair.host->markers)
            sets += marker;
    }
    EXPECT_EQ(pair.host->receiver.RefusedLines(), 0);
    EXPECT_EQ(pair.client->receiver.RefusedLines(), 0);
    // Only the client can move after the host decided a set, and it rarely does.
    EXPECT_EQ(pair.client->receiver.LateLines(), 0);
    EXPECT_LT(pair.host->receiver.LateLines(), Matches / 10);
    EXPECT_GE(sets, 3 * Matches);
}

} // namespace
