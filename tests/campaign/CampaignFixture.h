#pragma once

#include "UserDataRecord.h"
#include "binding/MemoryRecordFile.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// A new player's profile, started as the program starts it: User.dat in memory, created with its
// defaults by the store, and a language file whose line n reads "text n". The campaign is the
// current mode and every message is recorded.
class CampaignFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // The program starts again on the User.dat the last run left behind.
    bool Restart();
    // The record as User.dat holds it now.
    UserDataRecord Stored() const;
    // Sets how many cards of each kind the player owns, saved with a valid checksum.
    static void Own(const std::vector<int>& counts);
    static void SetLevel(int level);
    static QString Text(int line) { return QStringLiteral("text %1").arg(line); }

    QTemporaryDir folder;
    MemoryRecordFile* file = nullptr;
    std::vector<QString> messages;
};
