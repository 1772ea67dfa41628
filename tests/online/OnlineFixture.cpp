#include "OnlineFixture.h"

#include "profile/clsPlayer.h"

void OnlineFixture::SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "online-test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

void OnlineFixture::SetUp() {
    ProfileFixture::SetUp();
    ASSERT_TRUE(clsStore::instance().Initialize());
    m_server = std::make_unique<RecordingHttpServer>();
    useMasterServer(m_server->host());
}

void OnlineFixture::setAccount(const QString& id, const QString& passwordDigest) {
    clsPlayer::instance().setOnlineID(id);
    clsPlayer::instance().setOnlinePassword(passwordDigest);
}

void OnlineFixture::useMasterServer(const QString& host) {
    UserData().MasterServer = host.toStdString();
    clsStore::instance().WriteUserData();
}

QStringList OnlineFixture::messages() const {
    QStringList texts;
    for (const ShownMessage& m : m_messages)
        texts.append(m.text);
    return texts;
}
