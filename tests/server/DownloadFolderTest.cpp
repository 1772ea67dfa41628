#include "DownloadFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>

namespace {
namespace fs = std::filesystem;

class DownloadFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qb-downloads-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        fs::create_directory(root / "downloads");
        write(root / "downloads" / "update.exe", std::string("MZ\0\1binary", 10));
        write(root / "secret.txt", "outside");
        write(root / "downloads" / ".hidden", "hidden");
        fs::create_directory(root / "downloads" / "folder");
        fs::create_symlink(root / "secret.txt", root / "downloads" / "link.txt");
    }
    void TearDown() override { fs::remove_all(root); }

    static void write(const fs::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    fs::path root;
};

TEST_F(DownloadFolderTest, ServesPlainFilesInsideTheFolderByteForByte) {
    const DownloadFolder folder(root / "downloads");
    EXPECT_EQ(folder.Read("update.exe"), std::string("MZ\0\1binary", 10));
}

TEST_F(DownloadFolderTest, NothingOutsideTheFolderOrNotAPlainFile) {
    const DownloadFolder folder(root / "downloads");
    for (const char* name :
         {"../secret.txt", "..", ".", "..%2fsecret.txt", "link.txt", ".hidden", "folder",
          "folder/../update.exe", "missing.exe", "/etc/passwd", "update.exe\n", "up date.exe",
          "update.exe/.", "..update.exe", "update..exe", ""})
        EXPECT_EQ(folder.Read(name), std::nullopt) << name;
}

TEST(DownloadFolderNames, OfferedNames) {
    EXPECT_TRUE(DownloadFolder::IsOfferedName("update.exe"));
    EXPECT_TRUE(DownloadFolder::IsOfferedName("update.exe.sig"));
    EXPECT_TRUE(DownloadFolder::IsOfferedName("Quelta_Brovel-1.9.tar"));
    EXPECT_FALSE(DownloadFolder::IsOfferedName(std::string(129, 'a')));
    EXPECT_FALSE(DownloadFolder::IsOfferedName(std::string("a\0b", 3)));
    EXPECT_FALSE(DownloadFolder::IsOfferedName("caf\xc3\xa9"));
}

} // namespace
