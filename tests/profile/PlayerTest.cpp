#include "ProfileFixture.h"
#include "profile/clsPlayer.h"
#include "rules/GameError.h"

#include <climits>
#include <functional>
#include <stdexcept>

namespace {
class PlayerTest : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(clsStore::instance().Initialize());
        ASSERT_TRUE(m_messages.empty());
    }
    // Saves since start-up (the defaults were the first write).
    int saves() const { return m_file->writeCount() - 1; }

    clsPlayer& player = clsPlayer::instance();
};

class SeriesCreditsTest : public PlayerTest, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(SeriesCreditsTest, AreNeverSavedAndNeverMixedWithTheCampaignBalance) {
    GameState::instance().GameMode = GetParam();
    player.setCredits(500);

    EXPECT_EQ(player.Credits(), 500);
    EXPECT_EQ(saves(), 0);
    EXPECT_EQ(stored().Credits, 100);

    GameState::instance().GameMode = GameState::Campaign;
    EXPECT_EQ(player.Credits(), 100);
    player.setCredits(250);
    EXPECT_EQ(stored().Credits, 250);
    EXPECT_TRUE(stored().checksumValid());

    GameState::instance().GameMode = GetParam();
    EXPECT_EQ(player.Credits(), 500);
}

INSTANTIATE_TEST_SUITE_P(Modes, SeriesCreditsTest,
                         ::testing::Values(GameState::SingleGame, GameState::Multiplayer));

// Campaign values: stored with a new checksum and saved, so the next start accepts the file.
struct CoveredLet {
    const char* name;
    std::function<void(clsPlayer&)> change;
    std::function<bool(const UserDataRecord&)> holds;
};

const CoveredLet CoveredLets[] = {
    {"Card", [](clsPlayer& p) { p.setCard(5, 2); },
     [](const UserDataRecord& r) { return r.Card[5] == 2; }},
    {"Wins", [](clsPlayer& p) { p.setWins(7); },
     [](const UserDataRecord& r) { return r.Wins == 7; }},
    {"Losses", [](clsPlayer& p) { p.setLosses(4); },
     [](const UserDataRecord& r) { return r.Losses == 4; }},
    {"Level", [](clsPlayer& p) { p.setLevel(12); },
     [](const UserDataRecord& r) { return r.Level == 12; }},
    {"Highscore", [](clsPlayer& p) { p.setHighscore(9000); },
     [](const UserDataRecord& r) { return r.Highscore == 9000; }},
    {"CampaignCredits",
     [](clsPlayer& p) {
         GameState::instance().GameMode = GameState::Campaign;
         p.setCredits(1234);
     },
     [](const UserDataRecord& r) { return r.Credits == 1234; }},
};

class CoveredLetTest : public PlayerTest, public ::testing::WithParamInterface<CoveredLet> {};

TEST_P(CoveredLetTest, SavesWithANewChecksum) {
    const std::int32_t before = stored().Checksum;

    GetParam().change(player);

    const UserDataRecord file = stored();
    EXPECT_EQ(saves(), 1);
    EXPECT_TRUE(GetParam().holds(file));
    EXPECT_TRUE(file.checksumValid());
    EXPECT_NE(file.Checksum, before);
}

INSTANTIATE_TEST_SUITE_P(Values, CoveredLetTest, ::testing::ValuesIn(CoveredLets), CaseName());

TEST_F(PlayerTest, ProfileTextsAreSavedWithoutTouchingTheChecksum) {
    const std::int32_t before = stored().Checksum;

    player.setName(QStringLiteral("Rin   "));
    player.setOnlineID(QStringLiteral("0042"));
    player.setOnlinePassword(QStringLiteral("abc"));

    const UserDataRecord file = stored();
    EXPECT_EQ(saves(), 3);
    EXPECT_EQ(file.Checksum, before);
    EXPECT_EQ(player.Name(), QStringLiteral("Rin"));
    EXPECT_EQ(file.OnlineID, 42);
    EXPECT_EQ(player.OnlinePassword(), QStringLiteral("abc") + QString(29, u' '));
}

TEST_F(PlayerTest, TextsAreCutToTheirFields) {
    player.setName(QString(200, u'n'));
    player.setOnlinePassword(QString(40, u'f'));

    EXPECT_EQ(player.Name(), QString(150, u'n'));
    EXPECT_EQ(player.OnlinePassword(), QString(32, u'f'));
}

TEST_F(PlayerTest, PasswordReadsAllThirtyTwoCharacters) {
    // The default record never wrote the field: 32 zero characters.
    EXPECT_EQ(player.OnlinePassword(), QString(32, QChar(0)));
    player.setOnlinePassword(QString());
    EXPECT_EQ(player.OnlinePassword(), QString(32, u' '));
}

TEST_F(PlayerTest, OnlineIdIsShownWithAtLeastFourDigits) {
    const std::pair<std::int32_t, const char*> cases[] = {{0, "0000"},
                                                          {7, "0007"},
                                                          {42, "0042"},
                                                          {9999, "9999"},
                                                          {12345, "12345"},
                                                          {-7, "-0007"},
                                                          {INT_MIN, "-2147483648"}};
    for (const auto& [id, text] : cases) {
        UserData().OnlineID = id;
        EXPECT_EQ(player.OnlineID(), QString::fromLatin1(text)) << id;
    }
}

TEST_F(PlayerTest, OnlineIdTakesAnyTextThatReadsAsANumber) {
    const std::pair<const char*, std::int32_t> cases[] = {{"0042", 42}, {" 17 ", 17},
                                                          {"-3", -3},   {"12.5", 12},
                                                          {"13.5", 14}, {"2147483647", INT_MAX}};
    for (const auto& [text, id] : cases) {
        player.setOnlineID(QString::fromLatin1(text));
        EXPECT_EQ(stored().OnlineID, id) << text;
    }
    const int savesBefore = saves();
    EXPECT_THROW(player.setOnlineID(QStringLiteral("12ab")), std::invalid_argument);
    EXPECT_THROW(player.setOnlineID(QString()), std::invalid_argument);
    EXPECT_THROW(player.setOnlineID(QStringLiteral("2147483648")), std::overflow_error);
    EXPECT_EQ(saves(), savesBefore);
}

TEST_F(PlayerTest, BadKindsAndSlotsAreIndexErrorsThatChangeNothing) {
    for (int kind : {-1, 23, 1000}) {
        EXPECT_THROW(player.Card(kind), std::out_of_range) << kind;
        EXPECT_THROW(player.setCard(kind, 1), std::out_of_range) << kind;
    }
    for (int slot : {-1, 4}) {
        EXPECT_THROW(player.HandCard(slot), std::out_of_range) << slot;
        EXPECT_THROW(player.setHandCard(slot, 1), std::out_of_range) << slot;
    }
    EXPECT_EQ(saves(), 0);
    EXPECT_EQ(UserData(), stored());
}

TEST_F(PlayerTest, HandCardsAreMatchStateOnly) {
    for (int slot = 0; slot < 4; ++slot)
        player.setHandCard(slot, static_cast<std::int16_t>(18 + slot));
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(player.HandCard(slot), 18 + slot);
    EXPECT_EQ(saves(), 0);
}

TEST_F(PlayerTest, StoredValuesOutsideThePropertyTypeAreOverflowErrors) {
    const std::pair<std::function<void()>, std::function<void()>> cases[] = {
        {[] { UserData().Card[3] = 256; }, [this] { (void)player.Card(3); }},
        {[] { UserData().Card[3] = -1; }, [this] { (void)player.Card(3); }},
        {[] { UserData().Wins = 32768; }, [this] { (void)player.Wins(); }},
        {[] { UserData().Losses = -32769; }, [this] { (void)player.Losses(); }},
        {[] { UserData().Level = 256; }, [this] { (void)player.Level(); }},
    };
    for (const auto& [store, read] : cases) {
        store();
        EXPECT_THROW(read(), GameError);
    }
    UserData().Card[3] = 255;
    EXPECT_EQ(player.Card(3), 255);
}
} // namespace
