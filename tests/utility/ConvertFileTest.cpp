#include "UtilityFixture.h"

#include <QFile>

namespace {

const QString Converted = QStringLiteral("The conversion was successfully completed.");
const QString Cleared = QStringLiteral("\r\n\r\nThe registry entries were cleared.");
const QString Loaded = QStringLiteral("An error occured:\r\n\r\nThe registry entries could not be "
                                      "loaded.\r\n");

// A registry export of a profile as the registry editor writes it, one section after the other.
QString exportOf(const QString& header, const LegacyProfile& profile) {
    QString text = header + QStringLiteral("\r\n\r\n");
    for (const QString& section : {QStringLiteral("Player"), QStringLiteral("Settings")}) {
        text += QStringLiteral("[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"
                               "QueltaBrovel\\") +
                section + QStringLiteral("]\r\n");
        for (const auto& [key, value] : profile) {
            if (key.startsWith(section + u'/'))
                text += u'"' + key.section(u'/', 1) + QStringLiteral("\"=\"") + value +
                        QStringLiteral("\"\r\n");
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray version4Of(const LegacyProfile& profile) {
    return exportOf(QStringLiteral("REGEDIT4"), profile).toLatin1();
}

QByteArray version5Utf16Of(const LegacyProfile& profile) {
    const QString text = exportOf(QStringLiteral("Windows Registry Editor Version 5.00"), profile);
    QByteArray file("\xFF\xFE", 2);
    file.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return file;
}

class ConvertFile : public UtilityFixture {
protected:
    QString backup(const QByteArray& contents) {
        const QString path = m_dir.filePath(QStringLiteral("QueltaBrovelBackup.sav"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }
};

TEST_F(ConvertFile, BothExportVersionsGiveTheSameStore) {
    LegacyProfile profile = campaignLegacyProfile();
    profile[QStringLiteral("Settings/NAME")] = QStringLiteral("Jörg");
    m_model->ConvertFile(backup(version4Of(profile)), false, false);
    const LegacyProfile fromVersion4 = storeContents();
    const UserDataRecord record4 = written();
    m_store->clear();
    const auto outcome = m_model->ConvertFile(backup(version5Utf16Of(profile)), false, false);
    EXPECT_EQ(outcome.text, Converted);
    EXPECT_EQ(storeContents(), fromVersion4);
    EXPECT_EQ(storeContents(), profile);
    EXPECT_EQ(written(), record4);
    EXPECT_EQ(written().Name, "Jörg");
}

TEST_F(ConvertFile, SuccessDeletesTheTemporaryValuesAndTheFileWhenAsked) {
    const QString path = backup(version4Of(defaultLegacyProfile()));
    const auto outcome = m_model->ConvertFile(path, true, true);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.text,
              Converted + Cleared + QStringLiteral("\r\n\r\nThe backup file was deleted."));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(storeContents().empty());
    EXPECT_TRUE(written().checksumValid());
}

TEST_F(ConvertFile, MissingFileKeepsThePage) {
    const auto outcome =
        m_model->ConvertFile(m_dir.filePath(QStringLiteral("missing.sav")), true, true);
    EXPECT_FALSE(outcome.finished);
    EXPECT_EQ(outcome.text, QStringLiteral("The backup file was not found."));
}

TEST_F(ConvertFile, ACorruptProfileKeepsTheFileAndItsImportedValues) {
    LegacyProfile profile = defaultLegacyProfile();
    profile[QStringLiteral("Player/CREDITS")] = QStringLiteral("99999");
    const QString path = backup(version4Of(profile));
    const auto outcome = m_model->ConvertFile(path, true, true);
    EXPECT_EQ(outcome.text, QStringLiteral("An error occured:\r\n\r\nThe registry entries seem to "
                                           "be corrupt.\r\n"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(storeContents(), profile);
    EXPECT_FALSE(m_file.contents().has_value());
}

TEST_F(ConvertFile, ATruncatedFileWritesNothingAnywhere) {
    storeProfile({{QStringLiteral("Settings/NAME"), QStringLiteral("Kept")}});
    QByteArray file = version4Of(defaultLegacyProfile());
    file.chop(file.size() - file.indexOf("\"CARD3\"=\"") - 10);
    const QString path = backup(file);
    const auto outcome = m_model->ConvertFile(path, true, true);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.text, Loaded);
    EXPECT_EQ(storeContents(),
              (LegacyProfile{{QStringLiteral("Settings/NAME"), QStringLiteral("Kept")}}));
    EXPECT_FALSE(m_file.contents().has_value());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(ConvertFile, ValuesOfOtherKeysNeverReachTheStore) {
    QByteArray file = version4Of(defaultLegacyProfile());
    file += "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Other\\Player]\r\n"
            "\"CREDITS\"=\"777\"\r\n";
    m_model->ConvertFile(backup(file), false, false);
    EXPECT_EQ(storeContents(), defaultLegacyProfile());
}

} // namespace
