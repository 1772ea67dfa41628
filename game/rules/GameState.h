#pragma once

#include <cstdint>

// The one program-wide record of what kind of match is running and the multiplayer session's
// flags. Set by the window that starts a mode; read by the rules, the profile and the network.
// What a single match knows lives in its table's MatchState.
struct GameState {
    enum Mode : std::int32_t { SingleGame = 0, Multiplayer = 1, Campaign = 2 };

    std::int32_t GameMode = SingleGame;
    bool IsHost = false;
    bool HostBegins = false;
    bool LocalReady = false;
    // A multiplayer match was decided: the connection closing now is its normal end.
    bool MatchOver = false;

    bool isMultiplayer() const { return GameMode == Multiplayer; }
    bool isHost() const { return GameMode == Multiplayer && IsHost; }

    static GameState& instance() {
        static GameState state;
        return state;
    }
};
