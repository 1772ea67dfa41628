#include "ProfileFixture.h"
#include "profile/InstanceLock.h"
#include "profile/ProgramSupportLibrary.h"

#include <QFile>
#include <QFileInfo>

// User.dat through the real support library beside the program, in a private data folder.
namespace {
std::unique_ptr<RecordFile> recordFileIn(const QString& folder) {
    return GameRecordFile(std::make_shared<SupportLibrary>(folder));
}

class SupportLibraryFileTest : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(m_data.isValid());
        // The library settles on its path at its first call, so this comes first.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }
    QString userDat() const { return m_data.filePath(QStringLiteral("QueltaBrovel/User.dat")); }

    QTemporaryDir m_data;
};

TEST_F(SupportLibraryFileTest, MovesTheRecordToAndFromUserDat) {
    auto owned = recordFileIn(QStringLiteral(QB_BIN_DIR));
    RecordFile& file = *owned;
    UserDataRecord::Bytes buffer{};
    EXPECT_EQ(file.Get(buffer), -1);

    UserDataRecord record = UserDataRecord::defaults();
    record.Name = "Library";
    ASSERT_EQ(file.Set(record.toBytes()), 0);
    EXPECT_EQ(QFileInfo(userDat()).size(), 868);
    ASSERT_EQ(file.Get(buffer), 0);
    EXPECT_EQ(UserDataRecord::fromBytes(buffer), UserDataRecord::fromBytes(record.toBytes()));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SupportLibraryFileTest, AMissingLibraryIsReportedOnceAndReadsAsNoFile) {
    auto owned = recordFileIn(m_folder.path());
    RecordFile& file = *owned;
    UserDataRecord::Bytes buffer{};

    EXPECT_EQ(file.Get(buffer), -1);
    EXPECT_EQ(file.Set(buffer), -1);

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Error 48 in GetUserData: ")));
    EXPECT_FALSE(QFileInfo::exists(userDat()));
}

TEST_F(SupportLibraryFileTest, FirstStartWritesTheDefaultsAndLocksBesideThem) {
    clsStore::instance().setFileAccess(recordFileIn(QStringLiteral(QB_BIN_DIR)));
    clsStore::instance().setInstanceLockPath(InstanceLock::defaultPath());

    ASSERT_TRUE(clsStore::instance().Initialize());

    QFile file(userDat());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 868);
    UserDataRecord::Bytes buffer{};
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    EXPECT_EQ(UserDataRecord::fromBytes(buffer).Checksum, -73);
    EXPECT_EQ(UserDataRecord::fromBytes(buffer), UserData());
    EXPECT_TRUE(QFileInfo::exists(userDat() + QStringLiteral(".lock")));
    EXPECT_TRUE(m_messages.empty());
}
} // namespace
