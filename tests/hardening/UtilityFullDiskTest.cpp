// The maintenance utility's saves through the real support library on a full disk (a file size
// limit smaller than the record): every task that writes User.dat says that saving failed, the
// file stays as it was with nothing left beside it, and legacy values stay for another try.
#include "FullDisk.h"
#include "UtilityFixture.h"
#include "binding/SupportLibrary.h"
#include "binding/SupportRecordFile.h"

#include <QDir>
#include <QFile>

namespace {

const QString SaveFailed =
    QStringLiteral("An error occured:\r\n\r\nFailed to save the file User.dat\r\n");

struct SavingTask {
    std::string name;
    QString (*run)(UtilityModel& model, const QString& backupFile);
};

void PrintTo(const SavingTask& task, std::ostream* out) {
    *out << task.name;
}

ResetChoices everything() {
    ResetChoices all;
    all.fill(true);
    return all;
}

const SavingTask SavingTasks[] = {
    {"ConvertRegistry", [](UtilityModel& m, const QString&) { return m.ConvertRegistry(true); }},
    {"ConvertFile",
     [](UtilityModel& m, const QString& backup) { return m.ConvertFile(backup, true, true).text; }},
    {"Reset", [](UtilityModel& m, const QString&) { return m.Reset(everything()); }},
    {"ChangeSettings",
     [](UtilityModel& m, const QString&) {
         m.LoadUserData();
         return m.ChangeSettings(2, QStringLiteral("mode"), QStringLiteral("full.example")).text;
     }},
};

class UtilityFullDisk : public ::testing::TestWithParam<SavingTask> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_data.isValid());
        // The library settles on its path at its first call, so this comes first.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        m_store = std::make_unique<LegacyStore>(m_data.filePath(QStringLiteral("legacy.ini")));
        for (const auto& [key, text] : defaultLegacyProfile())
            m_store->setValue(key.section(u'/', 0, 0), key.section(u'/', 1), text);
        UserDataRecord before = UserDataRecord::defaults();
        before.Credits = 777;
        before.Checksum = before.computeChecksum();
        ASSERT_EQ(m_file.Set(before.toBytes()), 0);
        m_before = userDat();
        m_backup = m_data.filePath(QStringLiteral("backup.sav"));
        QFile::copy(QStringLiteral(QB_BACKUP_FILE), m_backup);
    }
    QString gameFolder() const { return m_data.filePath(QStringLiteral("QueltaBrovel")); }
    QByteArray userDat() const {
        QFile file(gameFolder() + QStringLiteral("/User.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_data;
    SupportRecordFile m_file{std::make_shared<SupportLibrary>(QStringLiteral(QB_BIN_DIR))};
    std::unique_ptr<LegacyStore> m_store;
    QByteArray m_before;
    QString m_backup;
};

TEST_P(UtilityFullDisk, TheTaskSaysSavingFailedAndTheFileStaysAsItWas) {
    ASSERT_EQ(m_before.size(), 868);
    UtilityModel model(m_file, *m_store);
    QString finish;
    {
        const FullDisk full;
        finish = GetParam().run(model, m_backup);
    }
    EXPECT_EQ(finish, SaveFailed);
    EXPECT_EQ(userDat(), m_before);
    EXPECT_EQ(QDir(gameFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("User.dat")});
    // Nothing was converted, so nothing the conversion reads is gone.
    EXPECT_EQ(m_store->value(QStringLiteral("Player"), QStringLiteral("CREDITS")),
              QStringLiteral("100"));
    EXPECT_TRUE(QFile::exists(m_backup));
}

INSTANTIATE_TEST_SUITE_P(Tasks, UtilityFullDisk, ::testing::ValuesIn(SavingTasks),
                         [](const auto& each) { return each.param.name; });

} // namespace
