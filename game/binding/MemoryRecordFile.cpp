#include "binding/MemoryRecordFile.h"

#include <algorithm>

MemoryRecordFile::MemoryRecordFile(std::vector<std::uint8_t> contents)
    : m_contents(std::move(contents)) {
}

std::int32_t MemoryRecordFile::Get(UserDataRecord::Bytes& buffer) {
    if (m_readResult != 0)
        return m_readResult;
    if (!m_contents)
        return -1;
    const auto available = std::min(m_contents->size(), buffer.size());
    std::copy_n(m_contents->begin(), available, buffer.begin());
    return available < buffer.size() ? -3 : 0;
}

std::int32_t MemoryRecordFile::Set(const UserDataRecord::Bytes& buffer) {
    ++m_writeCount;
    if (m_writeResult != 0)
        return m_writeResult;
    m_contents = std::vector<std::uint8_t>(buffer.begin(), buffer.end());
    return 0;
}

void MemoryRecordFile::setContents(std::optional<std::vector<std::uint8_t>> contents) {
    m_contents = std::move(contents);
}
