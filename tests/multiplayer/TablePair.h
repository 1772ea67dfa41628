#pragma once

#include "ScriptedPlayer.h"
#include "multiplayer/LineCodec.h"
#include "multiplayer/MultiplayerLink.h"
#include "multiplayer/ProtocolReceiver.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "rules/GameTable.h"
#include "rules/MatchStatistics.h"
#include "rules/TableEffects.h"
#include "rules/TableView.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Two programs of a multiplayer match in one process: a host table and a client table, each
// with its own match and deck and its own copy of the program-wide mode and profile (swapped in
// while it runs), joined by the
// real protocol code over an in-memory pipe. Waits and messages take no time.
class TablePair {
public:
    // One program: its table, its ports, its end of the pipe and its match state.
    struct Side : TableView,
                  TableEffects,
                  MatchStatistics,
                  MultiplayerLink::Wire,
                  ProtocolReceiver::Owner {
        Side();
        GameState state;
        clsPlayer player = clsPlayer::instance();
        clsOpponent opponent = clsOpponent::instance();
        ProtocolReceiver receiver{*this};
        MultiplayerLink link{*this, receiver};
        GameTable table{*this, *this, link, *this};
        LineCodec codec;
        QByteArray outbox;
        std::array<bool, 6> markers{};
        std::vector<std::pair<QString, int>> chat;
        std::vector<int> sounds;
        int matchResult = -1;

        void Enter() const;
        void Leave();

        void Write(const QByteArray& bytes) override { outbox += bytes; }
        void WithTable(const std::function<void(GameTable&)>& act) override { act(table); }
        void OtherReady() override {}
        void Wait(int) override {}
        void ShowMessage(const QString&, const QString&, const QString&) override {}
        void PlaySound(int effect) override { sounds.push_back(effect); }
        void ReportMatch(int win) override { matchResult = win; }
        void AddChatLine(const QString& line, int type) override { chat.emplace_back(line, type); }
        void SlotChanged(int) override {}
        void CountsChanged(std::int16_t, std::int16_t) override {}
        void TurnLight(int) override {}
        void ShowWinMarker(int marker) override {
            markers[static_cast<std::size_t>(marker)] = true;
        }
        void ButtonsNormal() override {}
        void ButtonsInactive() override {}
        void HandControls(int, bool, bool) override {}
        void OpponentHandCardHidden(int) override {}
        void CloseTable() override {}
        void ReopenSideDeckSelection() override {}
    };

    // An in-memory User.dat, known texts and the seed of the one generator.
    explicit TablePair(std::uint64_t seed);

    // Both tables open a match with these hand cards; the host's player begins when hostBegins.
    void StartMatch(bool hostBegins);
    // Hands what the side wrote to the other side, in pieces of at most `piece` bytes (0: all
    // at once), as its socket would deliver them. Returns the lines delivered.
    int Deliver(Side& from, Side& to, int piece = 0);
    // Delivers both ways until both pipes are empty.
    void Settle();
    // The side whose player may act now, or null.
    Side* Mover();
    // Runs f with the side's match state in the program-wide objects.
    template <typename F> void As(Side& side, F&& f) {
        side.Enter();
        f();
        side.Leave();
    }
    // What the client's table shows differs from the host's (sides turned round): "" when
    // they agree, otherwise the first difference.
    std::string MirrorDifference();

    std::unique_ptr<Side> host = std::make_unique<Side>();
    std::unique_ptr<Side> client = std::make_unique<Side>();
    ScriptedPlayer player;
};
