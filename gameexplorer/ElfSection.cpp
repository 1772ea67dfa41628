#include "ElfSection.h"

#include "AtomicFile.h"

#include <cstdint>
#include <utility>

namespace {

// The file's bytes, read as fields of the file's own class and byte order.
class ElfImage {
public:
    explicit ElfImage(std::string bytes) : bytes_(std::move(bytes)) {}

    bool header() {
        if (bytes_.size() < 16 || bytes_.compare(0, 4,
                                                 "\x7f"
                                                 "ELF") != 0) {
            return false;
        }
        wide_ = bytes_[4] == 2;
        big_ = bytes_[5] == 2;
        return (bytes_[4] == 1 || wide_) && (bytes_[5] == 1 || big_);
    }

    bool wide() const { return wide_; }

    // An unsigned field of size bytes at offset; false when it lies outside the file.
    bool field(std::uint64_t offset, int size, std::uint64_t& value) const {
        if (offset > bytes_.size() || bytes_.size() - offset < static_cast<std::uint64_t>(size)) {
            return false;
        }
        value = 0;
        for (int i = 0; i < size; ++i) {
            const int index = big_ ? i : size - 1 - i;
            value = (value << 8) | static_cast<std::uint8_t>(bytes_[offset + index]);
        }
        return true;
    }

    // A field that is 4 bytes in 32-bit files and 8 in 64-bit ones (addresses, offsets).
    bool word(std::uint64_t offset, std::uint64_t& value) const {
        return field(offset, wide_ ? 8 : 4, value);
    }

    std::optional<std::string> slice(std::uint64_t offset, std::uint64_t size) const {
        if (offset > bytes_.size() || bytes_.size() - offset < size) {
            return std::nullopt;
        }
        return bytes_.substr(offset, size);
    }

    // The zero-terminated name at offset in the string table [table, table + tableSize).
    std::optional<std::string> name(std::uint64_t table, std::uint64_t tableSize,
                                    std::uint64_t offset) const {
        const auto strings = slice(table, tableSize);
        if (!strings || offset >= strings->size()) {
            return std::nullopt;
        }
        const auto end = strings->find('\0', offset);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        return strings->substr(offset, end - offset);
    }

private:
    std::string bytes_;
    bool wide_ = false;
    bool big_ = false;
};

struct SectionHeader {
    std::uint64_t name = 0;
    std::uint64_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

constexpr std::uint64_t noBitsType = 8; // a section that takes no room in the file

struct SectionTable {
    std::uint64_t offset = 0;
    std::uint64_t entrySize = 0;
    std::uint64_t count = 0;
    std::uint64_t namesIndex = 0;
};

bool readTable(const ElfImage& elf, SectionTable& table) {
    const std::uint64_t base = elf.wide() ? 0x28 : 0x20;
    const std::uint64_t sizes = elf.wide() ? 0x3A : 0x2E;
    return elf.word(base, table.offset) && elf.field(sizes, 2, table.entrySize) &&
           elf.field(sizes + 2, 2, table.count) && elf.field(sizes + 4, 2, table.namesIndex) &&
           table.entrySize >= (elf.wide() ? 0x40u : 0x28u);
}

bool readSection(const ElfImage& elf, const SectionTable& table, std::uint64_t index,
                 SectionHeader& section) {
    const std::uint64_t at = table.offset + index * table.entrySize;
    const std::uint64_t offsetField = elf.wide() ? 0x18 : 0x10;
    const std::uint64_t sizeField = elf.wide() ? 0x20 : 0x14;
    return elf.field(at, 4, section.name) && elf.field(at + 4, 4, section.type) &&
           elf.word(at + offsetField, section.offset) && elf.word(at + sizeField, section.size);
}

} // namespace

std::optional<std::string> ElfSection::read(const std::string& path, const std::string& name) {
    auto bytes = AtomicFile::read(path);
    if (!bytes) {
        return std::nullopt;
    }
    ElfImage elf(std::move(*bytes));
    SectionTable table;
    SectionHeader names;
    if (!elf.header() || !readTable(elf, table) || table.namesIndex >= table.count ||
        !readSection(elf, table, table.namesIndex, names)) {
        return std::nullopt;
    }
    for (std::uint64_t i = 0; i < table.count; ++i) {
        SectionHeader section;
        if (!readSection(elf, table, i, section)) {
            return std::nullopt;
        }
        if (elf.name(names.offset, names.size, section.name) == name) {
            if (section.type == noBitsType) {
                return std::nullopt;
            }
            return elf.slice(section.offset, section.size);
        }
    }
    return std::nullopt;
}
