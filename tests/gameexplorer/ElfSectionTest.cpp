#include "ElfSection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// A minimal ELF file of either class and byte order: a header, the section "__GDF_XML" (or
// another), the section name table and the section headers [null, data, names].
struct ElfFixture {
    bool wide = true;
    bool big = false;
    std::string sectionName = "__GDF_XML";
    std::string contents = "<GameDefinitionFile/>";
    std::uint32_t dataType = 1; // PROGBITS

    void put(std::string& out, std::size_t at, std::uint64_t value, int size) const {
        if (out.size() < at + size) {
            out.resize(at + size, '\0');
        }
        for (int i = 0; i < size; ++i) {
            const int shift = 8 * (big ? size - 1 - i : i);
            out[at + i] = static_cast<char>((value >> shift) & 0xFF);
        }
    }

    void section(std::string& out, std::size_t at, std::uint32_t name, std::uint32_t type,
                 std::uint64_t offset, std::uint64_t size) const {
        const int word = wide ? 8 : 4;
        put(out, at, name, 4);
        put(out, at + 4, type, 4);
        put(out, at + (wide ? 0x18 : 0x10), offset, word);
        put(out, at + (wide ? 0x20 : 0x14), size, word);
        put(out, at + (wide ? 0x3F : 0x27), 0, 1); // the entry's full size
    }

    std::string image() const {
        const std::size_t headerSize = wide ? 64 : 52;
        const std::size_t entrySize = wide ? 64 : 40;
        const std::string names = std::string("\0", 1) + sectionName + '\0' + ".shstrtab" + '\0';
        std::string out = "\x7f"
                          "ELF";
        out += static_cast<char>(wide ? 2 : 1);
        out += static_cast<char>(big ? 2 : 1);
        out.resize(headerSize, '\0');
        const std::size_t dataAt = out.size();
        out += contents;
        const std::size_t namesAt = out.size();
        out += names;
        const std::size_t tableAt = out.size();
        put(out, wide ? 0x28 : 0x20, tableAt, wide ? 8 : 4);
        put(out, wide ? 0x3A : 0x2E, entrySize, 2);
        put(out, wide ? 0x3C : 0x30, 3, 2);
        put(out, wide ? 0x3E : 0x32, 2, 2);
        section(out, tableAt, 0, 0, 0, 0);
        section(out, tableAt + entrySize, 1, dataType, dataAt, contents.size());
        section(out, tableAt + 2 * entrySize, static_cast<std::uint32_t>(2 + sectionName.size()), 3,
                namesAt, names.size());
        return out;
    }
};

class ElfSectionTest : public ::testing::Test {
protected:
    std::string write(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        return path_;
    }
    void TearDown() override { std::remove(path_.c_str()); }

    std::string path_ = ::testing::TempDir() + "elf-" + std::to_string(::getpid());
};

TEST_F(ElfSectionTest, FindsTheSectionInEveryClassAndByteOrder) {
    for (const bool wide : {false, true}) {
        for (const bool big : {false, true}) {
            ElfFixture elf;
            elf.wide = wide;
            elf.big = big;
            EXPECT_EQ(ElfSection::read(write(elf.image()), "__GDF_XML"), elf.contents)
                << "wide " << wide << " big-endian " << big;
        }
    }
}

TEST_F(ElfSectionTest, RefusesFilesWithoutTheSection) {
    ElfFixture other;
    other.sectionName = "__GDF_XMLX";
    ElfFixture noBits;
    noBits.dataType = 8;
    const std::string valid = ElfFixture().image();
    std::string badClass = valid;
    badClass[4] = 3;
    const std::pair<const char*, std::string> cases[] = {
        {"another name", other.image()},
        {"no contents in the file", noBits.image()},
        {"not ELF", "<?xml version=\"1.0\"?>"},
        {"empty", ""},
        {"unknown class", badClass},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_EQ(ElfSection::read(write(bytes), "__GDF_XML"), std::nullopt) << what;
    }
    EXPECT_EQ(ElfSection::read(path_ + "-missing", "__GDF_XML"), std::nullopt);
}

// Every cut of the file and every damaged offset stays inside the file: nothing is read out
// of bounds (the sanitizer build would catch it), and a section is only returned whole.
TEST_F(ElfSectionTest, CutOrDamagedFilesNeverReadOutside) {
    const ElfFixture elf;
    const std::string valid = elf.image();
    for (std::size_t length = 0; length < valid.size(); ++length) {
        const auto read = ElfSection::read(write(valid.substr(0, length)), "__GDF_XML");
        EXPECT_TRUE(!read || *read == elf.contents) << "cut at " << length;
    }
    for (std::size_t at = 16; at < 64; ++at) {
        std::string damaged = valid;
        damaged[at] = static_cast<char>(0xFF);
        const auto read = ElfSection::read(write(damaged), "__GDF_XML");
        EXPECT_TRUE(!read || read->size() <= damaged.size()) << "byte " << at;
    }
}

} // namespace
