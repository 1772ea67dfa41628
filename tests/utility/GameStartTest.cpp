// What the game makes of the files the utility writes: the game's own start-up reads them.
#include "LegacyStore.h"
#include "ProfileFixture.h"
#include "UtilityFixture.h"

namespace {

class GameStartAfterUtility : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(m_legacyFolder.isValid());
    }

    // The game's User.dat takes what the utility wrote.
    void startGameOn(const MemoryRecordFile& written) {
        ASSERT_TRUE(written.contents().has_value());
        m_file->setContents(*written.contents());
        m_started = clsStore::instance().Initialize();
    }

    QTemporaryDir m_legacyFolder;
    LegacyStore m_legacy{m_legacyFolder.filePath(QStringLiteral("legacy.ini"))};
    MemoryRecordFile m_utilityFile;
    UtilityModel m_utility{m_utilityFile, m_legacy};
    bool m_started = false;
};

const QString FailedToLoad =
    QStringLiteral("Failed to load settings. Delete the file User.dat to reset Quelta Brovel.");

TEST_F(GameStartAfterUtility, LoadsAFileWhosePortWasReset) {
    UserDataRecord played = UserDataRecord::defaults();
    played.Credits = 2400;
    played.Port = 5000;
    played.Checksum = played.computeChecksum();
    const auto bytes = played.toBytes();
    m_utilityFile.setContents(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    ResetChoices port{};
    port[static_cast<std::size_t>(ResetPart::Port)] = true;
    m_utility.Reset(port);

    startGameOn(m_utilityFile);
    EXPECT_TRUE(m_started);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(UserData().Port, 333);
    EXPECT_EQ(UserData().Credits, 2400);
}

TEST_F(GameStartAfterUtility, RefusesAResetWithoutCampaignOnNoFile) {
    ResetChoices allButCampaign;
    allButCampaign.fill(true);
    allButCampaign[static_cast<std::size_t>(ResetPart::Campaign)] = false;
    allButCampaign[static_cast<std::size_t>(ResetPart::Highscore)] = false;
    m_utility.Reset(allButCampaign);

    startGameOn(m_utilityFile);
    EXPECT_FALSE(m_started);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, FailedToLoad);
    EXPECT_EQ(m_programEnds, 1);
}

TEST_F(GameStartAfterUtility, UpgradesTheConvertedDefaultProfile) {
    for (const auto& [key, text] : defaultLegacyProfile())
        m_legacy.setValue(key.section(u'/', 0, 0), key.section(u'/', 1), text);
    ASSERT_EQ(m_utility.ConvertRegistry(true),
              QStringLiteral("The conversion was successfully completed.\r\n\r\n"
                             "The registry entries were cleared."));

    startGameOn(m_utilityFile);
    EXPECT_TRUE(m_started);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text.toStdString(), "from 0.0.0 to 1.8.2; again 0.0.0 and 1.8.2");
    EXPECT_EQ(stored().VersionMajor, 1);
    EXPECT_EQ(stored().VersionMinor, 8);
    EXPECT_EQ(stored().DataRevision, 2);
    EXPECT_EQ(m_programEnds, 0);
}

} // namespace
