#pragma once

class GameTable;

// The end of a match at the table: settling credits, highscore, campaign wins and level by the
// game mode, the statistics report, and the table's closing.
class MatchSettlement {
public:
    explicit MatchSettlement(GameTable& table) : m_table(table) {}

    // Side 0 or 1 won its third set.
    void EndMatch(int winner);
    // The player confirmed abandoning the match: only the highscore is kept.
    void Abandon();

private:
    void PlayerWon();
    void OpponentWon();
    void SingleGameWon();
    void CampaignWon();
    void SingleGameLost();
    void AnnounceMatch(int winner);
    void KeepHighscore();
    void Finish(int win, bool nextMatch);

    GameTable& m_table;
};
