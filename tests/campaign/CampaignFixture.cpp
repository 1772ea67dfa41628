#include "CampaignFixture.h"

#include "UserDataRecord.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "shell/Ports.h"

#include <QFile>
#include <memory>

void CampaignFixture::SetUp() {
    ASSERT_TRUE(folder.isValid());
    QFile language(folder.filePath(QStringLiteral("English.ini")));
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    for (int line = 1; line <= clsLanguage::TextCount; ++line)
        language.write(Text(line).toLatin1() + "\r\n");
    language.close();
    Ports::installShowMessage([this](const QString& message, const QString&, const QString&) {
        messages.push_back(message);
    });
    clsLanguage::instance().setProgramFolder(folder.path());
    clsStore::instance().setInstanceLockPath(QString());
    ASSERT_TRUE(Restart());
    GameState::instance().GameMode = GameState::Campaign;
}

bool CampaignFixture::Restart() {
    auto next = std::make_unique<MemoryRecordFile>();
    if (file)
        next->setContents(file->contents());
    file = next.get();
    clsStore::instance().setFileAccess(std::move(next));
    UserData() = UserDataRecord{};
    return clsStore::instance().Initialize();
}

UserDataRecord CampaignFixture::Stored() const {
    UserDataRecord::Bytes bytes{};
    const auto& contents = file->contents();
    if (contents && contents->size() >= bytes.size())
        std::copy_n(contents->begin(), bytes.size(), bytes.begin());
    return UserDataRecord::fromBytes(bytes);
}

void CampaignFixture::Own(const std::vector<int>& counts) {
    for (int kind = 0; kind < UserDataRecord::KindCount; ++kind) {
        const std::size_t k = static_cast<std::size_t>(kind);
        clsPlayer::instance().setCard(kind, k < counts.size() ? std::uint8_t(counts[k]) : 0);
    }
}

void CampaignFixture::SetLevel(int level) {
    clsPlayer::instance().setLevel(static_cast<std::uint8_t>(level));
}
