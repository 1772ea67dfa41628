#include "TableFixture.h"
#include "opponent/ComputerPlayer.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameError.h"
#include "rules/GameState.h"
#include "rules/Random.h"

#include <set>

namespace {
class OpponentHandTest : public TableFixture {
protected:
    clsOpponent& opponent = clsOpponent::instance();
    ComputerPlayer::Hand dealt{};

    void Deal() { opponent.AI_CreateHandCards(dealt, Random::Program()); }
    std::set<int> DealtKinds(int rounds) {
        std::set<int> kinds;
        for (int i = 0; i < rounds; ++i) {
            Deal();
            for (const auto& card : dealt)
                kinds.insert(card.Kind);
        }
        return kinds;
    }
};

TEST_F(OpponentHandTest, SingleGameTiersFollowTheHighscore) {
    struct Case {
        std::int32_t highscore;
        std::set<int> kinds;
    };
    const std::set<int> first{0, 1, 2, 3, 4}, second{2, 3, 4, 8, 9, 10},
        third{1, 2, 3, 7, 8, 9, 12, 17}, fourth{12, 13, 14, 15},
        fifth{12, 13, 14, 15, 16, 17, 18, 22};
    const Case cases[] = {{0, first},     {100, first},    {101, second},  {800, second},
                          {801, third},   {6400, third},   {6401, fourth}, {51200, fourth},
                          {51201, fifth}, {2000000, fifth}};
    Random::Seed(3);
    for (const Case& c : cases) {
        clsPlayer::instance().setHighscore(c.highscore);
        EXPECT_EQ(DealtKinds(200), c.kinds) << "highscore " << c.highscore;
    }
}

TEST_F(OpponentHandTest, AnEmptySideDeckIsReportedAndTheHandKept) {
    const std::vector<QString>& messages = shownMessages;
    clsPlayer::instance().setHighscore(50);
    Random::SetSequence({0.0, 0.3, 0.5, 0.99999999});
    Deal();
    // A draw that rounds up to 1 in single precision still names the last kind of the list.
    EXPECT_EQ(dealt[3].Kind, 4);
    clsPlayer::instance().setHighscore(-1);
    Deal();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              QStringLiteral("Error 17 in AI_CreateHandCards: Opponent has no hand cards."));
    EXPECT_EQ(dealt[0].Kind, 0);
    EXPECT_EQ(dealt[3].Kind, 4);
}

TEST_F(OpponentHandTest, CampaignDecksAndTheLastLevelCopy) {
    GameState::instance().GameMode = GameState::Campaign;
    opponent.setSideDeck(CardKind::Double, true);
    EXPECT_EQ(DealtKinds(5), std::set<int>{CardKind::Double});
    clsPlayer::instance().setLevel(27);
    const std::int16_t hand[] = {21, 3, 18, 7};
    for (int i = 0; i < 4; ++i)
        clsPlayer::instance().setHandCard(i, hand[i]);
    Deal();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dealt[i].Kind, hand[i]);
}

TEST_F(OpponentHandTest, NameWagerAndCredits) {
    opponent.setName(QStringLiteral("Vexa"));
    EXPECT_EQ(opponent.Name(), clsLanguage::instance().Opponent());
    clsPlayer::instance().setCredits(1000);
    EXPECT_EQ(opponent.MaxWager(), 2147483646 - 1000);

    GameState::instance().GameMode = GameState::Campaign;
    EXPECT_EQ(opponent.Name(), QStringLiteral("Vexa"));
    opponent.setWagerLimit(60);
    opponent.setBaseCredits(100);
    opponent.setCredits(40);
    EXPECT_EQ(opponent.MaxWager(), 40);
    opponent.setCredits(0);
    EXPECT_EQ(opponent.MaxWager(), 0);
    opponent.setCredits(100);
    EXPECT_EQ(UserData().TempCredits, 0);
    EXPECT_EQ(opponent.Credits(), 100);
}

TEST_F(OpponentHandTest, CreditsOutsideThirtyTwoBitsAreOverflowErrors) {
    opponent.setBaseCredits(2147483647);
    UserData().TempCredits = 1;
    EXPECT_THROW(opponent.Credits(), GameError);
    clsPlayer::instance().setCredits(-2);
    EXPECT_THROW(opponent.MaxWager(), GameError);
}
} // namespace
