#include "ProfileFixture.h"

#include <tuple>

namespace {
constexpr const char* FailedToLoad =
    "Failed to load settings. Delete the file User.dat to reset Quelta Brovel.";

using StartupTest = ProfileFixture;

TEST_F(StartupTest, FirstStartCreatesTheDefaultRecordSilently) {
    ASSERT_TRUE(clsStore::instance().Initialize());

    ASSERT_TRUE(m_file->contents().has_value());
    const std::vector<std::uint8_t>& file = *m_file->contents();
    ASSERT_EQ(file.size(), 868u);
    const UserDataRecord record = stored();
    EXPECT_EQ(std::tuple(record.VersionMajor, record.VersionMinor, record.DataRevision),
              std::tuple(1, 8, 2));
    EXPECT_EQ(record.Checksum, -73);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 476, file.begin() + 480),
              (std::vector<std::uint8_t>{0xB7, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(record, UserDataRecord::fromBytes(UserDataRecord::defaults().toBytes()));
    EXPECT_EQ(UserData(), record);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_programEnds, 0);
    EXPECT_EQ(clsStore::instance().Version(), QStringLiteral("1.8.2"));
}

TEST_F(StartupTest, DefaultsThatCannotBeWrittenAreUsedInMemoryAfterOneMessage) {
    m_file->setWriteResult(-1);

    ASSERT_TRUE(clsStore::instance().Initialize());

    EXPECT_EQ(m_file->writeCount(), 1);
    EXPECT_FALSE(m_file->contents().has_value());
    EXPECT_EQ(UserData(), UserDataRecord::fromBytes(UserDataRecord::defaults().toBytes()));
    ASSERT_EQ(m_messages.size(), 1u);
    // Shown once the texts are loaded, so the player reads the real text, not an empty box.
    EXPECT_EQ(m_messages[0].text, numberedText(clsLanguage::SettingsSaveFailed_));
    EXPECT_EQ(m_programEnds, 0);
}

TEST_F(StartupTest, TheTextsAreLoadedFromTheRecordsLanguageFile) {
    UserDataRecord record = UserDataRecord::defaults();
    record.LanguageFile = "Other.ini";
    m_file->setContents(fileOf(record));
    std::vector<std::string> other = numberedTexts();
    other[0] = "Fine";
    writeLanguageFile(QStringLiteral("Other.ini"), other);

    ASSERT_TRUE(clsStore::instance().Initialize());

    EXPECT_EQ(clsLanguage::instance().Ok(), QStringLiteral("Fine"));
    EXPECT_EQ(clsLanguage::instance().Cancel(), numberedText(clsLanguage::Cancel_));
}

TEST_F(StartupTest, AMissingLanguageFileEndsTheProgramAfterTheLoadersMessage) {
    UserDataRecord record = UserDataRecord::defaults();
    record.LanguageFile = "Missing.ini";
    m_file->setContents(fileOf(record));

    EXPECT_FALSE(clsStore::instance().Initialize());

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Error 101 in LoadLanguage: ")));
    EXPECT_TRUE(m_messages[0].text.contains(QStringLiteral("Missing.ini")));
    EXPECT_EQ(m_messages[0].first, QStringLiteral("OK"));
    EXPECT_EQ(m_programEnds, 1);
}

// A record that cannot be trusted: the fixed message with "OK", then the end.
struct DamagedCase {
    const char* name;
    std::size_t fileSize;
    std::int32_t readResult;
    bool editCredits;
};

class DamagedRecordTest : public ProfileFixture,
                          public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedRecordTest, IsRefusedWithTheFixedMessage) {
    UserDataRecord record = UserDataRecord::defaults();
    if (GetParam().editCredits)
        record.Credits = 100000; // edited without a new checksum
    m_file->setContents(fileOf(record, GetParam().fileSize));
    m_file->setReadResult(GetParam().readResult);

    EXPECT_FALSE(clsStore::instance().Initialize());

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QString::fromLatin1(FailedToLoad));
    EXPECT_EQ(m_messages[0].first, QStringLiteral("OK"));
    EXPECT_EQ(m_programEnds, 1);
    EXPECT_EQ(m_file->writeCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Records, DamagedRecordTest,
                         ::testing::Values(DamagedCase{"ShortFile", 867, 0, false},
                                           DamagedCase{"EmptyFile", 0, 0, false},
                                           DamagedCase{"ReadError", 868, -2, false},
                                           DamagedCase{"EditedCredits", 868, 0, true}),
                         CaseName());

TEST_F(StartupTest, ALongerFileIsReadFromItsFirstRecord) {
    UserDataRecord record = UserDataRecord::defaults();
    record.Name = "Longer";
    record.Port = 4321;
    m_file->setContents(fileOf(record, 900));

    ASSERT_TRUE(clsStore::instance().Initialize());

    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(UserData(), UserDataRecord::fromBytes(record.toBytes()));
    EXPECT_EQ(m_file->writeCount(), 0);
}

// An older stamp is brought up to 1.8.2 with a message; newer and equal stamps are left alone.
struct VersionCase {
    int major, minor, revision;
    bool upgraded;
};

class VersionStampTest : public ProfileFixture,
                         public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionStampTest, OlderRecordsAreUpgradedAndTold) {
    const VersionCase v = GetParam();
    UserDataRecord record = recordWithVersion(v.major, v.minor, v.revision);
    record.Wins = 3;
    record.Checksum = record.computeChecksum();
    m_file->setContents(fileOf(record));

    ASSERT_TRUE(clsStore::instance().Initialize());

    const UserDataRecord now = stored();
    if (!v.upgraded) {
        EXPECT_TRUE(m_messages.empty());
        EXPECT_EQ(m_file->writeCount(), 0);
        EXPECT_EQ(now, UserDataRecord::fromBytes(record.toBytes()));
        return;
    }
    const QString old = QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QStringLiteral("from ") + old +
                                      QStringLiteral(" to 1.8.2; again ") + old +
                                      QStringLiteral(" and 1.8.2"));
    EXPECT_TRUE(m_messages[0].first.isEmpty());
    EXPECT_EQ(std::tuple(now.VersionMajor, now.VersionMinor, now.DataRevision),
              std::tuple(1, 8, 2));
    EXPECT_EQ(now.Wins, 3);
    EXPECT_EQ(m_programEnds, 0);
}

INSTANTIATE_TEST_SUITE_P(Stamps, VersionStampTest,
                         ::testing::Values(VersionCase{1, 7, 2, true}, VersionCase{1, 8, 1, true},
                                           VersionCase{0, 0, 0, true}, VersionCase{0, 9, 9, true},
                                           VersionCase{1, 8, 2, false}, VersionCase{1, 9, 0, false},
                                           VersionCase{2, 0, 0, false},
                                           VersionCase{1, 8, 3, false}));

TEST_F(StartupTest, SettingsUpdatedReplacesOnlyTheExactMarkers) {
    std::vector<std::string> texts = numberedTexts();
    texts[clsLanguage::SettingsUpdated_] = "%1 %2 %%1 %3 %12";
    writeLanguageFile(QStringLiteral("English.ini"), texts);
    m_file->setContents(fileOf(recordWithVersion(1, 7, 2)));

    ASSERT_TRUE(clsStore::instance().Initialize());

    ASSERT_EQ(m_messages.size(), 1u);
    // "%1" is replaced first, everywhere; "%2" after it; nothing else is touched.
    EXPECT_EQ(m_messages[0].text, QStringLiteral("1.7.2 1.8.2 %1.7.2 %3 1.7.22"));
}
} // namespace
