#include "TableFixture.h"

#include "opponent/clsOpponent.h"
#include "rules/GameState.h"

#include <optional>
#include <string>

namespace {

using Blocking = RecordingPorts::Blocking;

// Anything can happen inside a pause, a message box or a line sent to the other program: the
// table may be closed or a new set started there (by the player, a timer or a network command).
// The move that was waiting must then stop where it is.
struct Case {
    Blocking inside;
    bool closes; // else a new set starts
};

class ReentrancyTest : public TableFixture, public ::testing::WithParamInterface<Case> {
protected:
    // How much of each kind the table has done so far.
    std::vector<std::size_t> Done() const {
        return {ports.waits.size(),
                ports.messages.size(),
                ports.sounds.size(),
                ports.told.size(),
                ports.stats.size(),
                ports.markers.size(),
                ports.results.size(),
                ports.slotTexts.size(),
                ports.stands.size(),
                ports.decisions.size(),
                ports.hiddenOpponentCards.size(),
                static_cast<std::size_t>(ports.closed),
                static_cast<std::size_t>(ports.reopened)};
    }

    // A move that reaches the kind of wait first: the computer's move pauses after its deal;
    // the player's Stand above a standing computer decides the set and shows the result; the
    // host's End Turn tells the other program first.
    int Prepare(Blocking inside) {
        if (inside == Blocking::Send)
            StartMultiplayerWithPlayerToMove(true);
        else
            StartWithPlayerToMove();
        if (inside == Blocking::Message) {
            Lay(1, {"10", "7"});
            opponent().Stand = true;
            Lay(0, {"10", "9"});
            return GameTable::StandButton;
        }
        Lay(0, {"10"});
        NextCardIs(5);
        return GameTable::EndTurnButton;
    }
};

TEST_P(ReentrancyTest, NothingGoesOnAfterTheTableClosedOrANewSetStartedInsideAWait) {
    const Case c = GetParam();
    const int button = Prepare(c.inside);
    std::optional<std::vector<std::size_t>> afterwards;
    ports.duringWait = [&](Blocking kind) {
        if (afterwards || kind != c.inside)
            return;
        afterwards = Done(); // marks the first one, so the new set's own waits pass
        if (c.closes)
            table.CloseTable();
        else
            table.NewSet();
        afterwards = Done();
    };
    table.ButtonClick(button);
    ASSERT_TRUE(afterwards) << "the move never waited that way";
    EXPECT_EQ(Done(), *afterwards) << "the waiting move went on";
    EXPECT_EQ(table.IsOpen(), !c.closes);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    const char* kinds[] = {"Pause", "Message", "Send"};
    return std::string(kinds[static_cast<int>(param.param.inside)]) +
           (param.param.closes ? "Closes" : "NewSet");
}

const Case Cases[] = {{Blocking::Pause, true},   {Blocking::Pause, false},
                      {Blocking::Message, true}, {Blocking::Message, false},
                      {Blocking::Send, true},    {Blocking::Send, false}};

INSTANTIATE_TEST_SUITE_P(EachWait, ReentrancyTest, ::testing::ValuesIn(Cases), CaseName);

} // namespace
