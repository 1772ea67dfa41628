#pragma once

#include "binding/RecordFile.h"

#include <cstdint>
#include <optional>
#include <vector>

// User.dat kept in memory, for tests and the headless match simulator. It answers with the same
// result codes as the support library: -1 when there is no file, -3 when it is shorter than the
// record; a longer file is read from its first bytes. A forced result makes writes fail.
class MemoryRecordFile : public RecordFile {
public:
    MemoryRecordFile() = default;
    explicit MemoryRecordFile(std::vector<std::uint8_t> contents);

    std::int32_t Get(UserDataRecord::Bytes& buffer) override;
    std::int32_t Set(const UserDataRecord::Bytes& buffer) override;

    // The file's bytes, or nothing when no file exists.
    const std::optional<std::vector<std::uint8_t>>& contents() const { return m_contents; }
    void setContents(std::optional<std::vector<std::uint8_t>> contents);
    // 0 lets writes succeed; any other code is returned by every later write, which then leaves
    // the contents as they were.
    void setWriteResult(std::int32_t result) { m_writeResult = result; }
    // 0 reads the contents; any other code is returned by every later read (a damaged disk).
    void setReadResult(std::int32_t result) { m_readResult = result; }
    int writeCount() const { return m_writeCount; }

private:
    std::optional<std::vector<std::uint8_t>> m_contents;
    std::int32_t m_writeResult = 0;
    std::int32_t m_readResult = 0;
    int m_writeCount = 0;
};
