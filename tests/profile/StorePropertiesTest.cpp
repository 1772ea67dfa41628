#include "ProfileFixture.h"
#include "rules/GameError.h"

#include <functional>
#include <stdexcept>

namespace {
class StorePropertiesTest : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(clsStore::instance().Initialize());
        ASSERT_TRUE(m_messages.empty());
    }
    clsStore& store = clsStore::instance();
};

class SidedeckByModeTest : public StorePropertiesTest,
                           public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(SidedeckByModeTest, ReadsAndWritesTheDeckOfTheMode) {
    const bool campaign = GetParam() == GameState::Campaign;
    for (int i = 0; i < 10; ++i) {
        UserData().SidedeckCards[static_cast<std::size_t>(i)] = i;
        UserData().CampaignSidedeckCards[static_cast<std::size_t>(i)] = 20 - i;
    }
    GameState::instance().GameMode = GetParam();

    EXPECT_EQ(store.SidedeckCard(3), campaign ? 17 : 3);
    store.setSidedeckCard(9, 22);

    const UserDataRecord file = stored();
    EXPECT_EQ(file.CampaignSidedeckCards[9], campaign ? 22 : 11);
    EXPECT_EQ(file.SidedeckCards[9], campaign ? 9 : 22);
    EXPECT_THROW(store.SidedeckCard(10), std::out_of_range);
    EXPECT_THROW(store.setSidedeckCard(-1, 0), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(Modes, SidedeckByModeTest,
                         ::testing::Values(GameState::SingleGame, GameState::Multiplayer,
                                           GameState::Campaign));

TEST_F(StorePropertiesTest, ServerAddressesIgnoreThePaddingOfTheHostField) {
    UserDataRecord record = UserData();
    record.MasterServer = "games.example.org";
    m_file->setContents(fileOf(record)); // the file pads the host with spaces
    UserData() = stored();
    EXPECT_EQ(store.UpdateFile(), QStringLiteral("http://games.example.org/downloads/update.exe"));
    EXPECT_EQ(store.OnlineStatsPath(), QStringLiteral("http://games.example.org/stats.php"));

    UserData().MasterServer = "games.example.org   ";
    EXPECT_EQ(store.UpdateFile(), QStringLiteral("http://games.example.org/downloads/update.exe"));
}

TEST_F(StorePropertiesTest, TextsAreCutToTheirFieldAndReadWithoutPadding) {
    store.setLanguageFile(QString(200, u'L'));
    store.setTempIP(QStringLiteral("10.0.0.7   "));

    EXPECT_EQ(store.LanguageFile(), QString(150, u'L'));
    EXPECT_EQ(store.TempIP(), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(stored(), UserData());
}

TEST_F(StorePropertiesTest, NumbersOutsideTheirPropertyTypeAreOverflowErrors) {
    UserData().MusicFile = 40000;
    UserData().SidedeckSaveMode = -40000;
    EXPECT_THROW(store.MusicFile(), GameError);
    EXPECT_THROW(store.SidedeckSaveMode(), GameError);
    UserData().MusicFile = -1;
    EXPECT_EQ(store.MusicFile(), -1);
}

// Every let stores the value and writes the record at once; a failed write says so once and
// keeps the value in memory.
struct Let {
    const char* name;
    std::function<void()> change;
    std::function<bool(const UserDataRecord&)> holds;
};

const Let Lets[] = {
    {"Port", [] { clsStore::instance().setPort(40000); },
     [](const UserDataRecord& r) { return r.Port == 40000; }},
    {"MusicFile", [] { clsStore::instance().setMusicFile(-1); },
     [](const UserDataRecord& r) { return r.MusicFile == -1; }},
    {"LanguageFile", [] { clsStore::instance().setLanguageFile(QStringLiteral("Deutsch.ini")); },
     [](const UserDataRecord& r) { return r.LanguageFile == "Deutsch.ini"; }},
    {"TempIP", [] { clsStore::instance().setTempIP(QStringLiteral("192.168.1.20")); },
     [](const UserDataRecord& r) { return r.TempIP == "192.168.1.20"; }},
    {"SidedeckCard", [] { clsStore::instance().setSidedeckCard(0, 5); },
     [](const UserDataRecord& r) { return r.SidedeckCards[0] == 5; }},
};

class LetTest : public StorePropertiesTest, public ::testing::WithParamInterface<Let> {};

TEST_P(LetTest, SavesAtOnce) {
    GetParam().change();

    EXPECT_EQ(m_file->writeCount(), 2); // the defaults, then this let
    EXPECT_TRUE(GetParam().holds(stored()));
    EXPECT_TRUE(m_messages.empty());
}

TEST_P(LetTest, AFailedSaveIsToldAndTheValueStaysInMemory) {
    const UserDataRecord before = stored();
    m_file->setWriteResult(-2);

    GetParam().change();

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, numberedText(clsLanguage::SettingsSaveFailed_));
    EXPECT_TRUE(GetParam().holds(UserData()));
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(m_programEnds, 0);
}

INSTANTIATE_TEST_SUITE_P(Properties, LetTest, ::testing::ValuesIn(Lets), CaseName());
} // namespace
