#include "binding/SupportLibrary.h"
#include "binding/SupportRecordFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using Told = std::pair<QString, QString>;

TEST(SupportBinding, AMissingLibraryAnswersNothingThereAndSaysWhy) {
    QTemporaryDir empty;
    auto library = std::make_shared<SupportLibrary>(empty.path());
    EXPECT_FALSE(library->load());
    EXPECT_FALSE(library->errorString().isEmpty());

    UserDataRecord::Bytes buffer{};
    buffer[0] = 7;
    EXPECT_EQ(library->GetUserData(buffer), -1);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(library->SetUserData(buffer), -1);
    EXPECT_EQ(library->DirectSoundInit(0), 0);
    library->DirectSoundPlay(1);
    library->DirectSoundRelease();
}

TEST(SupportBinding, TheRecordFileTellsABindFailureOnceNamingTheFirstFunction) {
    QTemporaryDir empty;
    std::vector<Told> told;
    SupportRecordFile file(
        std::make_shared<SupportLibrary>(empty.path()),
        [&](const QString& f, const QString& why) { told.emplace_back(f, why); });
    UserDataRecord::Bytes buffer{};
    EXPECT_EQ(file.Set(buffer), -1);
    EXPECT_EQ(file.Get(buffer), -1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, QStringLiteral("SetUserData"));
    EXPECT_FALSE(told[0].second.isEmpty());
}

// One object binds the real library once for both the record and the sound bank; the tests'
// null audio driver lets the sound system open without a sound card.
TEST(SupportBinding, OneBindingServesTheRecordAndTheSoundBank) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    auto library = std::make_shared<SupportLibrary>(QStringLiteral(QB_BIN_DIR));
    ASSERT_TRUE(library->load()) << library->errorString().toStdString();

    SupportRecordFile file(library, [](const QString&, const QString&) { FAIL(); });
    UserDataRecord record = UserDataRecord::defaults();
    record.Name = "Bound";
    ASSERT_EQ(file.Set(record.toBytes()), 0);
    UserDataRecord::Bytes buffer{};
    ASSERT_EQ(file.Get(buffer), 0);
    EXPECT_EQ(UserDataRecord::fromBytes(buffer), UserDataRecord::fromBytes(record.toBytes()));

    EXPECT_EQ(library->DirectSoundInit(0), 1);
    library->DirectSoundPlay(0);
    library->DirectSoundRelease();
}

} // namespace
