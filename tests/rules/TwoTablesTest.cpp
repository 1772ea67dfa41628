#include "TableFixture.h"
#include "profile/clsPlayer.h"
#include "rules/RandomSource.h"

#include <memory>

namespace {
// What a table told the world during its matches, in order.
struct Transcript {
    std::vector<std::string> told;
    std::vector<int> sounds, waits, results, markers, stats;
    std::vector<QString> messages;
    bool operator==(const Transcript&) const = default;
};

// One table with its own ports and random source, and a simple player for side 0.
struct SoloTable {
    explicit SoloTable(std::uint64_t seed) { random.Seed(seed); }

    RecordingPorts ports;
    RandomSource random;
    GameTable table{ports, ports, ports, ports, random};
    int matchesLeft = 0;

    void Start(int matches) {
        matchesLeft = matches;
        Next();
    }
    void Next() {
        table.StartMatch();
        table.Activated();
    }
    bool Done() const { return matchesLeft == 0; }
    // The player's one action: stands from 17, else ends the turn. A closed table starts the
    // next match. False when the table waits for nobody.
    bool Step() {
        if (!table.IsOpen()) {
            if (--matchesLeft > 0)
                Next();
            return true;
        }
        const MatchState::Side& player = table.match().Player();
        if (!player.CanAct)
            return false;
        table.ButtonClick(player.Count >= 17 ? GameTable::StandButton : GameTable::EndTurnButton);
        return true;
    }
    Transcript Record() const {
        return {ports.told,    ports.sounds, ports.waits,   ports.results,
                ports.markers, ports.stats,  ports.messages};
    }
};

class TwoTablesTest : public TableFixture {
protected:
    void SetUp() override {
        TableFixture::SetUp();
        // Nothing won or lost changes the profile, so every match starts from the same one.
        clsPlayer& player = clsPlayer::instance();
        player.Wager = 0;
        player.setHighscore(500);
        player.setCredits(500);
    }

    static Transcript PlayAlone(std::uint64_t seed, int matches) {
        SoloTable solo(seed);
        solo.Start(matches);
        while (!solo.Done())
            EXPECT_TRUE(solo.Step());
        return solo.Record();
    }
};

// Each table owns its match, its deck and its random source: two matches played move by move
// side by side in one process tell exactly what each tells when played alone.
TEST_F(TwoTablesTest, TablesPlayedSideBySideMatchTheirMatchesPlayedAlone) {
    constexpr int Matches = 3;
    const Transcript first = PlayAlone(11, Matches);
    const Transcript second = PlayAlone(12, Matches);
    ASSERT_NE(first, second);
    ASSERT_EQ(first.stats.size(), static_cast<std::size_t>(Matches));

    SoloTable a(11), b(12);
    a.Start(Matches);
    b.Start(Matches);
    while (!a.Done() || !b.Done()) {
        for (SoloTable* solo : {&a, &b}) {
            if (!solo->Done()) {
                ASSERT_TRUE(solo->Step());
            }
        }
    }
    EXPECT_EQ(a.Record(), first);
    EXPECT_EQ(b.Record(), second);
}
} // namespace
