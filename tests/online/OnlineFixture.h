#pragma once

#include "../profile/ProfileFixture.h"
#include "RecordingHttpServer.h"

#include <QApplication>
#include <memory>

// An online test: one application, a fresh profile in memory (ProfileFixture) whose master
// server is a recording test server in this process, and the player's account set up.
class OnlineFixture : public ProfileFixture {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    // Gives the player an online account (ID as the settings window would store it).
    static void setAccount(const QString& id, const QString& passwordDigest);
    // Points the game's master server at host ("name:port").
    static void useMasterServer(const QString& host);
    QStringList messages() const;

    std::unique_ptr<RecordingHttpServer> m_server;
};
