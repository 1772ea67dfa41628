#include "UtilityFixture.h"
#include "modLegacySettings.h"

#include <optional>

namespace {

const QString Loaded = QStringLiteral("An error occured:\r\n\r\nThe registry entries could not be "
                                      "loaded.\r\n");
const QString Corrupt = QStringLiteral("An error occured:\r\n\r\nThe registry entries seem to be "
                                       "corrupt.\r\n");
const QString Converted = QStringLiteral("The conversion was successfully completed.");
const QString Cleared = QStringLiteral("\r\n\r\nThe registry entries were cleared.");

// The default record as a conversion of the default profile gives it: the old versions stamped
// no version, and their empty online password is the game's empty password (32 spaces).
UserDataRecord convertedDefaults() {
    UserDataRecord expected = UserDataRecord::defaults();
    expected.VersionMajor = 0;
    expected.VersionMinor = 0;
    expected.DataRevision = 0;
    expected.OnlinePassword.assign(UserDataRecord::PasswordWidth, ' ');
    return expected;
}

using ConvertRegistry = UtilityFixture;

TEST_F(ConvertRegistry, DefaultProfileBecomesTheDefaultRecordAndTheStoreIsCleared) {
    storeProfile(defaultLegacyProfile());
    EXPECT_EQ(m_model->ConvertRegistry(true), Converted + Cleared);
    EXPECT_EQ(written(), convertedDefaults());
    EXPECT_EQ(written().Checksum, -73);
    EXPECT_EQ(written().SidedeckCards[0], -1);
    EXPECT_EQ(written().CampaignSidedeckCards[0], -1);
    EXPECT_TRUE(storeContents().empty());
    EXPECT_EQ(m_model->ErrorLog(), QString());
}

TEST_F(ConvertRegistry, CampaignInProgressKeepsEveryValueWithAValidChecksum) {
    storeProfile(campaignLegacyProfile());
    ASSERT_EQ(m_model->ConvertRegistry(false), Converted);
    const UserDataRecord record = written();
    EXPECT_EQ(record.Credits, 5000);
    EXPECT_EQ(record.TempCredits, -40);
    EXPECT_EQ(record.Level, 7);
    EXPECT_EQ(record.Highscore, 6000);
    EXPECT_EQ(record.Wins, 12);
    EXPECT_EQ(record.Losses, 5);
    EXPECT_EQ(record.Card[5], 3);
    EXPECT_EQ(record.Card[18], 1);
    EXPECT_TRUE(record.checksumValid());
}

TEST_F(ConvertRegistry, WithoutDeletingTheStoreIsLeftUntouched) {
    storeProfile(defaultLegacyProfile());
    const LegacyProfile before = storeContents();
    EXPECT_EQ(m_model->ConvertRegistry(false), Converted);
    EXPECT_EQ(storeContents(), before);
    EXPECT_EQ(m_file.writeCount(), 1);
}

TEST_F(ConvertRegistry, SavingFailureIsReportedAndTheValuesStay) {
    storeProfile(defaultLegacyProfile());
    const LegacyProfile before = storeContents();
    m_file.setWriteResult(-1);
    EXPECT_EQ(m_model->ConvertRegistry(true),
              QStringLiteral("An error occured:\r\n\r\nFailed to save the file User.dat\r\n"));
    EXPECT_EQ(storeContents(), before);
}

struct EditedCase {
    std::string name;
    QString key;
    std::optional<QString> text; // nothing: the value is removed
    QString finish;
};

void PrintTo(const EditedCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertEdited : public UtilityTableFixture<EditedCase> {};

// A changed value without a matching check value, or a value that cannot be read: nothing is
// written and the values stay for another try.
TEST_P(ConvertEdited, RefusesAndLeavesFileAndStoreAlone) {
    const EditedCase& c = GetParam();
    LegacyProfile profile = defaultLegacyProfile();
    if (c.text)
        profile[c.key] = *c.text;
    else
        profile.erase(c.key);
    storeProfile(profile);
    const LegacyProfile before = storeContents();
    EXPECT_EQ(m_model->ConvertRegistry(true), c.finish);
    EXPECT_EQ(m_file.writeCount(), 0);
    EXPECT_FALSE(m_file.contents().has_value());
    EXPECT_EQ(storeContents(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertEdited,
    ::testing::Values(
        EditedCase{"CreditsChangedWithoutCheckValue", QStringLiteral("Player/CREDITS"),
                   QStringLiteral("1000000"), Corrupt},
        EditedCase{"CardChangedWithoutCheckValue", QStringLiteral("Player/CARD22"),
                   QStringLiteral("9"), Corrupt},
        EditedCase{"CheckValueMissing", QStringLiteral("Player/CHK"), std::nullopt, Corrupt},
        EditedCase{"CheckValueInCapitals", QStringLiteral("Player/CHK"),
                   QStringLiteral("4A7E085906B5D0D2221D2D15AAAE58E9"), Corrupt},
        EditedCase{"Card7Missing", QStringLiteral("Player/CARD7"), std::nullopt, Loaded},
        EditedCase{"LevelEmpty", QStringLiteral("Player/LEVEL"), QStringLiteral(""), Loaded},
        EditedCase{"CreditsNotANumber", QStringLiteral("Player/CREDITS"), QStringLiteral("lots"),
                   Loaded},
        EditedCase{"PortBeyond32Bits", QStringLiteral("Settings/PORT"),
                   QStringLiteral("4294967296"), Loaded},
        EditedCase{"MusicMissing", QStringLiteral("Settings/MUSIC"), std::nullopt, Loaded},
        EditedCase{"OnlineIdWithAFraction", QStringLiteral("Settings/ONLINEID"),
                   QStringLiteral("1.5"), Loaded}),
    TableCaseName());

struct SettingCase {
    std::string name;
    QString key;
    QString text;
    UserDataRecord (*expected)(UserDataRecord);
};

void PrintTo(const SettingCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertSetting : public UtilityTableFixture<SettingCase> {};

// Settings are not covered by the check value: each converts on its own rule.
TEST_P(ConvertSetting, BecomesItsField) {
    const SettingCase& c = GetParam();
    LegacyProfile profile = defaultLegacyProfile();
    profile[c.key] = c.text;
    storeProfile(profile);
    ASSERT_EQ(m_model->ConvertRegistry(false), Converted);
    EXPECT_EQ(written(), c.expected(convertedDefaults()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertSetting,
    ::testing::Values(SettingCase{"MusicFourMeansNoMusic", QStringLiteral("Settings/MUSIC"),
                                  QStringLiteral("4"),
                                  [](UserDataRecord r) {
                                      r.MusicFile = -1;
                                      return r;
                                  }},
                      SettingCase{"MusicTwoStaysTwo", QStringLiteral("Settings/MUSIC"),
                                  QStringLiteral("2"),
                                  [](UserDataRecord r) {
                                      r.MusicFile = 2;
                                      return r;
                                  }},
                      SettingCase{"EmptyServerIsTheDefaultHost", QStringLiteral("Settings/SERVER"),
                                  QString(), [](UserDataRecord r) { return r; }},
                      SettingCase{"BlankServerIsTheDefaultHost", QStringLiteral("Settings/SERVER"),
                                  QStringLiteral("    "), [](UserDataRecord r) { return r; }},
                      SettingCase{"OwnServerIsKept", QStringLiteral("Settings/SERVER"),
                                  QStringLiteral("stats.example.org"),
                                  [](UserDataRecord r) {
                                      r.MasterServer = "stats.example.org";
                                      return r;
                                  }},
                      SettingCase{"EmptyNameStaysEmpty", QStringLiteral("Settings/NAME"), QString(),
                                  [](UserDataRecord r) {
                                      r.Name = "";
                                      return r;
                                  }},
                      SettingCase{"NameOutsideAsciiKeepsItsLetters",
                                  QStringLiteral("Settings/NAME"), QStringLiteral("Jörg"),
                                  [](UserDataRecord r) {
                                      r.Name = "Jörg";
                                      return r;
                                  }},
                      SettingCase{"PasswordDigestIsTaken", QStringLiteral("Settings/ONLINEPW"),
                                  QStringLiteral("0123456789abcdef0123456789abcdef"),
                                  [](UserDataRecord r) {
                                      r.OnlinePassword = "0123456789abcdef0123456789abcdef";
                                      return r;
                                  }},
                      SettingCase{"NumbersMayCarrySpaces", QStringLiteral("Settings/PORT"),
                                  QStringLiteral(" 4000 "),
                                  [](UserDataRecord r) {
                                      r.Port = 4000;
                                      return r;
                                  }}),
    TableCaseName());

TEST(LegacyCheckValue, IsTheDigestOfTheNumbersInTheirOrder) {
    EXPECT_EQ(modLegacySettings::LegacyCheckValue(UserDataRecord::defaults()),
              QStringLiteral("4a7e085906b5d0d2221d2d15aaae58e9"));
}

} // namespace
