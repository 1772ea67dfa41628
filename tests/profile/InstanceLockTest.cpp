#include "ProfileFixture.h"

#include <QFileInfo>
#include <QProcess>

namespace {
class SecondInstanceTest : public ProfileFixture {
protected:
    QString lockPath() const { return m_folder.filePath(QStringLiteral("User.dat.lock")); }

    // Starts another program that takes the lock at path; true once it holds it.
    bool startHolder(QProcess& holder, const QString& path) {
        holder.start(QStringLiteral(QB_LOCK_HOLDER), {path});
        return holder.waitForReadyRead(10000) && holder.readAll().startsWith("locked");
    }
};

TEST_F(SecondInstanceTest, AGameRunningOnTheSameProfileIsRefused) {
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, lockPath()));

    EXPECT_FALSE(clsStore::instance().Initialize());

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, numberedText(clsLanguage::AlreadyStarted_));
    EXPECT_TRUE(m_messages[0].first.isEmpty());
    EXPECT_EQ(m_programEnds, 1);
    holder.closeWriteChannel();
    EXPECT_TRUE(holder.waitForFinished(10000));
}

TEST_F(SecondInstanceTest, AGameOnAnotherProfileDoesNotCount) {
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, m_folder.filePath(QStringLiteral("other/User.dat.lock"))));

    EXPECT_TRUE(clsStore::instance().Initialize());

    EXPECT_TRUE(m_messages.empty());
    holder.closeWriteChannel();
    EXPECT_TRUE(holder.waitForFinished(10000));
}

TEST_F(SecondInstanceTest, TheLockOfACrashedGameIsTakenOver) {
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, lockPath()));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(lockPath()));

    EXPECT_TRUE(clsStore::instance().Initialize());

    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_programEnds, 0);
}

TEST_F(SecondInstanceTest, TheRunningGameHoldsTheLockAndAnEndedOneReleasesIt) {
    ASSERT_TRUE(clsStore::instance().Initialize());
    QProcess second;
    second.start(QStringLiteral(QB_LOCK_HOLDER), {lockPath()});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 2);

    QProcess ended;
    ASSERT_TRUE(startHolder(ended, m_folder.filePath(QStringLiteral("ended.lock"))));
    ended.closeWriteChannel();
    ASSERT_TRUE(ended.waitForFinished(10000));
    EXPECT_EQ(ended.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(m_folder.filePath(QStringLiteral("ended.lock"))));
}

// The program ends without running destructors, so it gives the lock back explicitly; the next
// game on the profile then starts without waiting for a stale-lock check.
TEST_F(SecondInstanceTest, AGivenBackLockLetsTheNextGameStart) {
    ASSERT_TRUE(clsStore::instance().Initialize());
    ASSERT_TRUE(QFileInfo::exists(lockPath()));

    clsStore::instance().ReleaseInstanceLock();

    EXPECT_FALSE(QFileInfo::exists(lockPath()));
    QProcess next;
    ASSERT_TRUE(startHolder(next, lockPath()));
    next.closeWriteChannel();
    EXPECT_TRUE(next.waitForFinished(10000));
}
} // namespace
