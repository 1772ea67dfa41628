// The game's saves through the real support library on a disk that is full (a file size limit
// smaller than the record): the player is told, the saved file stays as it was, nothing is left
// beside it, and the game goes on with the record in memory.
#include "FullDisk.h"
#include "ProfileFixture.h"
#include "profile/ProgramSupportLibrary.h"
#include "profile/clsPlayer.h"

#include <QDir>
#include <QFile>

namespace {
class FullDiskSave : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(m_data.isValid());
        // The library settles on its path at its first call, so this comes first.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        clsStore::instance().setFileAccess(
            GameRecordFile(std::make_shared<SupportLibrary>(QStringLiteral(QB_BIN_DIR))));
    }
    QString gameFolder() const { return m_data.filePath(QStringLiteral("QueltaBrovel")); }
    QByteArray userDat() const {
        QFile file(gameFolder() + QStringLiteral("/User.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList namesBesideUserDat() const {
        return QDir(gameFolder()).entryList(QDir::Files | QDir::Hidden);
    }
    bool saveFailedShown() const {
        return std::any_of(m_messages.begin(), m_messages.end(), [](const ShownMessage& m) {
            return m.text == numberedText(clsLanguage::SettingsSaveFailed_);
        });
    }

    QTemporaryDir m_data;
};

TEST_F(FullDiskSave, EveryKindOfSaveKeepsTheFileAndSaysSo) {
    ASSERT_TRUE(clsStore::instance().Initialize());
    const QByteArray before = userDat();
    ASSERT_EQ(before.size(), 868);
    GameState::instance().GameMode = GameState::Campaign;

    const struct {
        const char* name;
        void (*save)();
    } saves[] = {
        {"setting", [] { clsStore::instance().setPort(40000); }},
        {"name", [] { clsPlayer::instance().setName(QStringLiteral("Full")); }},
        {"campaign value", [] { clsPlayer::instance().setCredits(999); }},
        {"side deck", [] { clsStore::instance().setSidedeckCard(0, 5); }},
    };
    for (const auto& s : saves) {
        m_messages.clear();
        {
            const FullDisk full;
            s.save();
        }
        EXPECT_TRUE(saveFailedShown()) << s.name;
        EXPECT_EQ(userDat(), before) << s.name;
        EXPECT_EQ(namesBesideUserDat(), QStringList{QStringLiteral("User.dat")}) << s.name;
    }
    EXPECT_EQ(clsPlayer::instance().Credits(), 999); // the game goes on with what it has
    EXPECT_EQ(clsStore::instance().Port(), 40000);
}

TEST_F(FullDiskSave, FirstStartOnAFullDiskPlaysWithTheDefaults) {
    {
        const FullDisk full;
        ASSERT_TRUE(clsStore::instance().Initialize());
    }
    EXPECT_TRUE(saveFailedShown());
    EXPECT_EQ(m_programEnds, 0);
    EXPECT_EQ(UserData().Checksum, -73);
    EXPECT_TRUE(namesBesideUserDat().isEmpty());
}
} // namespace
