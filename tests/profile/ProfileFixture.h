#pragma once

#include "UserDataRecord.h"
#include "binding/MemoryRecordFile.h"
#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "shell/Ports.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Names the cases of a table test after their name field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const {
        return testCase.param.name;
    }
};

struct ShownMessage {
    QString text;
    QString first;
    QString second;
};

// A profile in memory: User.dat is a MemoryRecordFile, the lock and the language file live in
// a fresh folder, messages and program ends are recorded. The language file of that folder is
// called English.ini (the default record's choice) and holds "text <n>" on line n, except for
// the few lines whose texts the store shows, which carry their own recognisable wording.
class ProfileFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // Writes the folder's language file; replacing lines lets a test shape a template.
    void writeLanguageFile(const QString& name, const std::vector<std::string>& lines) const;
    static std::vector<std::string> numberedTexts();
    static QString numberedText(clsLanguage::Text t);

    // The bytes of a record, as the file would hold them.
    static std::vector<std::uint8_t> fileOf(const UserDataRecord& record, std::size_t size = 868);
    // A valid record (defaults, checksum set) with the given version stamp.
    static UserDataRecord recordWithVersion(int major, int minor, int revision);
    // The record the file holds now.
    UserDataRecord stored() const;

    QTemporaryDir m_folder;
    MemoryRecordFile* m_file = nullptr;
    std::vector<ShownMessage> m_messages;
    int m_programEnds = 0;
};
