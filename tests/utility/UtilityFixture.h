#pragma once

#include "LegacyStore.h"
#include "UserDataRecord.h"
#include "UtilityModel.h"
#include "binding/MemoryRecordFile.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>

// Legacy values by "Section/NAME".
using LegacyProfile = std::map<QString, QString>;

// The default profile as the older versions kept it, with its check value.
LegacyProfile defaultLegacyProfile();
// A campaign in progress, with the check value of its numbers.
LegacyProfile campaignLegacyProfile();

// Names the cases of a table test after their name field.
struct TableCaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

// The utility's model on a User.dat in memory and a legacy store in a file of a fresh folder.
template <typename Base = ::testing::Test> class UtilityFixtureOf : public Base {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_store = std::make_unique<LegacyStore>(storeFile());
        m_model = std::make_unique<UtilityModel>(m_file, *m_store);
    }

    QString storeFile() const { return m_dir.filePath(QStringLiteral("legacy.ini")); }
    void storeProfile(const LegacyProfile& profile) {
        for (const auto& [key, text] : profile)
            m_store->setValue(key.section(u'/', 0, 0), key.section(u'/', 1), text);
    }
    // Everything the store file holds, read by a second reader.
    LegacyProfile storeContents() const;
    void writeFile(const UserDataRecord& record) {
        const auto bytes = record.toBytes();
        m_file.setContents(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
    // The record the file holds now.
    UserDataRecord written() const;

    QTemporaryDir m_dir;
    MemoryRecordFile m_file;
    std::unique_ptr<LegacyStore> m_store;
    std::unique_ptr<UtilityModel> m_model;
};

using UtilityFixture = UtilityFixtureOf<>;
template <typename Case>
using UtilityTableFixture = UtilityFixtureOf<::testing::TestWithParam<Case>>;

LegacyProfile contentsOfStoreFile(const QString& file);
UserDataRecord recordOf(const MemoryRecordFile& file);

template <typename Base> LegacyProfile UtilityFixtureOf<Base>::storeContents() const {
    return contentsOfStoreFile(storeFile());
}

template <typename Base> UserDataRecord UtilityFixtureOf<Base>::written() const {
    return recordOf(m_file);
}
