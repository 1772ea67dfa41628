#include "TablePair.h"

#include "rules/TableModel.h"

#include <gtest/gtest.h>

// Lines the other program may not send at this moment, or no lines at all: they change
// nothing at the table that receives them and never reach past its slots.
namespace {

std::vector<std::string> Snapshot(TablePair::Side& side) {
    std::vector<std::string> shown;
    for (int slot = 0; slot < TableModel::SlotCount; ++slot)
        shown.emplace_back(side.table.model().text(slot).view());
    shown.push_back(std::to_string(side.table.match().Player().Count) + "/" +
                    std::to_string(side.table.match().Opponent().Count));
    shown.push_back(std::to_string(side.table.match().Player().Stand) +
                    std::to_string(side.table.match().Opponent().Stand) +
                    std::to_string(side.table.match().Player().CanAct));
    return shown;
}

class ReceiverFaultTest : public ::testing::Test {
protected:
    TablePair pair{7};

    // A set in which the host's player is to move.
    void SetUp() override {
        pair.StartMatch(true);
        pair.Settle();
        ASSERT_EQ(pair.Mover(), pair.host.get());
    }

    void Send(TablePair::Side& to, const QByteArray& bytes, int piece = 0) {
        TablePair::Side& from = &to == pair.host.get() ? *pair.client : *pair.host;
        from.outbox += bytes;
        pair.Deliver(from, to, piece);
    }
};

TEST_F(ReceiverFaultTest, OutOfTurnAndForeignCommandsChangeNothing) {
    struct Case {
        const char* what;
        bool toHost;
        const char* line;
    };
    const std::vector<Case> cases{
        {"client's End Turn in the host's turn", true, "end"},
        {"client's Stand in the host's turn", true, "std"},
        {"client's hand card in the host's turn", true, "crd00+3"},
        {"client's rewrite in the host's turn", true, "cva0-4"},
        {"client deals", true, "crd0510"},
        {"client gives the turn", true, "pc1"},
        {"client decides a set", true, "wn1"},
        {"client starts the next set", true, "stv"},
        {"client acknowledges an open set", true, "usi"},
        {"host's hand card in the client's waiting", false, "crd10+3"},
        {"host's next set in an open set", false, "stv"},
        {"host's acknowledgement", false, "usi"},
        {"host's who begins during a match", true, "tn1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TablePair::Side& to = c.toHost ? *pair.host : *pair.client;
        const auto before = Snapshot(to);
        const int refused = to.receiver.RefusedLines();
        Send(to, QByteArray(c.line) + "\r\n");
        EXPECT_EQ(Snapshot(to), before);
        EXPECT_EQ(to.receiver.RefusedLines(), refused + 1);
    }
}

TEST_F(ReceiverFaultTest, GarbageLinesAndSplitBytesChangeNothing) {
    QByteArray garbage;
    for (int b = 0; b < 256; ++b)
        garbage += static_cast<char>(b);
    garbage += "\r\nxx\r\n\r\ncrd9\r\ncva\r\n\xff\xfe\r\n";
    for (TablePair::Side* to : {pair.host.get(), pair.client.get()}) {
        const auto before = Snapshot(*to);
        for (int piece : {0, 1, 2, 3})
            Send(*to, garbage, piece);
        EXPECT_EQ(Snapshot(*to), before);
        EXPECT_FALSE(to->codec.Broken());
    }
}

TEST_F(ReceiverFaultTest, OneHandCardATurnAndNoMoveForADecidedSet) {
    pair.As(*pair.host, [&] { pair.host->table.ButtonClick(GameTable::EndTurnButton); });
    pair.Settle();
    ASSERT_EQ(pair.Mover(), pair.client.get());
    Send(*pair.host, "crd00+1\r\n");
    const auto afterOne = Snapshot(*pair.host);
    Send(*pair.host, "crd00+2\r\ncva0-1\r\n");
    EXPECT_EQ(Snapshot(*pair.host), afterOne);

    // The host decides the set; the client's Stand that crossed the result comes late.
    pair.As(*pair.host, [&] { pair.host->table.PlayerWin(0); });
    const auto decided = Snapshot(*pair.host);
    Send(*pair.host, "std\r\nend\r\ncrd00+4\r\n");
    EXPECT_EQ(Snapshot(*pair.host), decided);
    EXPECT_EQ(pair.host->receiver.LateLines(), 3);
}

} // namespace
