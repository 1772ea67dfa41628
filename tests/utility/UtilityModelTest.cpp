#include "UtilityFixture.h"

namespace {

const QString ResetDone = QStringLiteral("The specified settings and saves were reset to default.");

ResetChoices only(std::initializer_list<ResetPart> parts) {
    ResetChoices choices{};
    for (const ResetPart part : parts)
        choices[static_cast<std::size_t>(part)] = true;
    return choices;
}

ResetChoices allBut(ResetPart excluded) {
    ResetChoices choices;
    choices.fill(true);
    choices[static_cast<std::size_t>(excluded)] = false;
    return choices;
}

// A campaign under way with its own settings, checksum set.
UserDataRecord playedRecord() {
    UserDataRecord r = UserDataRecord::defaults();
    r.Credits = 870;
    r.Highscore = 1200;
    r.Level = 9;
    r.Wins = 14;
    r.Losses = 3;
    r.TempCredits = -55;
    r.Card[12] = 2;
    r.Port = 4000;
    r.Name = "Anna";
    r.LanguageFile = "Deutsch.ini";
    r.MusicFile = -1;
    r.OnlineID = 42;
    r.OnlinePassword = "0123456789abcdef0123456789abcdef";
    r.MasterServer = "stats.example.org";
    r.SidedeckSaveMode = 3;
    r.TempIP = "10.0.0.7";
    r.SidedeckCards = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    r.Reserved = 77;
    r.Checksum = r.computeChecksum();
    return r;
}

using Reset = UtilityFixture;

TEST_F(Reset, OnlyThePortKeepsTheChecksumValid) {
    writeFile(playedRecord());
    EXPECT_EQ(m_model->Reset(only({ResetPart::Port})), ResetDone);
    UserDataRecord expected = playedRecord();
    expected.Port = 333;
    EXPECT_EQ(written(), expected);
    EXPECT_TRUE(written().checksumValid());
}

TEST_F(Reset, WithoutCampaignAndWithoutAFileTheChecksumStaysZero) {
    EXPECT_EQ(m_model->Reset(allBut(ResetPart::Campaign)), ResetDone);
    UserDataRecord expected = UserDataRecord::fromBytes(UserDataRecord::Bytes{});
    expected.LanguageFile = "English.ini";
    expected.Port = 333;
    expected.Name = "Player";
    expected.MusicFile = 1;
    expected.OnlinePassword.assign(UserDataRecord::PasswordWidth, ' ');
    expected.MasterServer = UserDataRecord::DefaultMasterServer;
    expected.SidedeckSaveMode = 1;
    EXPECT_EQ(written(), expected);
    EXPECT_EQ(written().Checksum, 0);
    EXPECT_EQ(written().computeChecksum(), -5);
    // Never reset: the address last joined stays unwritten zero bytes.
    EXPECT_EQ(written().TempIP, std::string(UserDataRecord::TextWidth, '\0'));
}

TEST_F(Reset, EverythingGivesTheDefaultsButKeepsVersionAddressAndDecks) {
    writeFile(playedRecord());
    ResetChoices all;
    all.fill(true);
    m_model->Reset(all);
    UserDataRecord expected = UserDataRecord::defaults();
    expected.OnlinePassword.assign(UserDataRecord::PasswordWidth, ' ');
    expected.TempIP = "10.0.0.7";
    expected.SidedeckCards = playedRecord().SidedeckCards;
    expected.Reserved = 77;
    EXPECT_EQ(written(), expected);
}

TEST_F(Reset, CampaignRepairsADamagedChecksum) {
    UserDataRecord damaged = playedRecord();
    damaged.Credits = 1000000;
    writeFile(damaged);
    m_model->Reset(only({ResetPart::Campaign, ResetPart::Highscore}));
    EXPECT_EQ(written().Credits, 100);
    EXPECT_EQ(written().Highscore, 25);
    EXPECT_EQ(written().Name, "Anna");
    EXPECT_TRUE(written().checksumValid());
}

TEST_F(Reset, SavingFailureIsShownInsteadOfSuccess) {
    writeFile(playedRecord());
    m_file.setWriteResult(-2);
    EXPECT_EQ(m_model->Reset(only({ResetPart::Port})),
              QStringLiteral("An error occured:\r\n\r\nFailed to save the file User.dat\r\n"));
}

using LoadUserData = UtilityFixture;

TEST_F(LoadUserData, NamesWhyTheFileCannotBeUsed) {
    EXPECT_FALSE(m_model->LoadUserData());
    EXPECT_EQ(m_model->ErrorLog(), QStringLiteral("The file User.dat could not be loaded.\r\n"));
    m_model->ClearLog();
    m_file.setContents(std::vector<std::uint8_t>(100, 0));
    EXPECT_FALSE(m_model->LoadUserData());
    EXPECT_EQ(m_model->ErrorLog(), QStringLiteral("The file User.dat could not be loaded.\r\n"));
    m_model->ClearLog();
    UserDataRecord damaged = playedRecord();
    damaged.Level = 27;
    writeFile(damaged);
    EXPECT_FALSE(m_model->LoadUserData());
    EXPECT_EQ(m_model->ErrorLog(), QStringLiteral("The file User.dat seems to be corrupt.\r\n"));
    m_model->ClearLog();
    writeFile(playedRecord());
    EXPECT_TRUE(m_model->LoadUserData());
    EXPECT_EQ(m_model->ErrorLog(), QString());
    EXPECT_EQ(m_model->record(), playedRecord());
}

using ChangeSettings = UtilityFixture;

TEST_F(ChangeSettings, StoresModeAndServerAndNothingElse) {
    writeFile(playedRecord());
    ASSERT_TRUE(m_model->LoadUserData());
    EXPECT_EQ(m_model->SettingsVersion(), QStringLiteral("Version of the settings: 1.8.2"));
    const TaskOutcome outcome = m_model->ChangeSettings(0, QStringLiteral("Don't save sidedecks"),
                                                        QStringLiteral("my.host"));
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.text, QStringLiteral("The advanced settings were saved.\r\n\r\n"
                                           "New sidedeck savemode: Don't save sidedecks\r\n"
                                           "New Quelta Brovel Master Server: my.host"));
    UserDataRecord expected = playedRecord();
    expected.SidedeckSaveMode = 0;
    expected.MasterServer = "my.host";
    EXPECT_EQ(written(), expected);
}

TEST_F(ChangeSettings, ALongServerIsCutToTheField) {
    writeFile(playedRecord());
    ASSERT_TRUE(m_model->LoadUserData());
    m_model->ChangeSettings(1, QStringLiteral("Save all sidedecks"), QString(200, u'h'));
    EXPECT_EQ(written().MasterServer, std::string(150, 'h'));
}

TEST_F(ChangeSettings, ABlankServerIsRefused) {
    writeFile(playedRecord());
    ASSERT_TRUE(m_model->LoadUserData());
    for (const QString& server : {QString(), QStringLiteral("   ")}) {
        const TaskOutcome outcome = m_model->ChangeSettings(1, QStringLiteral("x"), server);
        EXPECT_FALSE(outcome.finished);
        EXPECT_EQ(outcome.text, QStringLiteral("You have to specify a master server."));
    }
    EXPECT_EQ(m_file.writeCount(), 0);
}

TEST_F(ChangeSettings, SavingFailureIsShown) {
    writeFile(playedRecord());
    ASSERT_TRUE(m_model->LoadUserData());
    m_file.setWriteResult(-1);
    EXPECT_EQ(m_model->ChangeSettings(2, QStringLiteral("x"), QStringLiteral("h")).text,
              QStringLiteral("An error occured:\r\n\r\nFailed to save the file User.dat\r\n"));
}

} // namespace
