#include "UpdateSigner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdlib.h>

namespace {
namespace fs = std::filesystem;

const fs::path Fixtures = QB_SERVER_FIXTURES;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool verifies(const std::string& signature, const std::string& content,
              const UpdateSigner::PublicKey& key) {
    return signature.size() == crypto_sign_BYTES &&
           crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                       reinterpret_cast<const unsigned char*>(content.data()),
                                       content.size(), key.data()) == 0;
}

class UpdateSignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GE(sodium_init(), 0);
        std::string pattern = (fs::temp_directory_path() / "qb-signer-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_F(UpdateSignerTest, TheTestKeyFileGivesItsPublishedPublicKey) {
    const UpdateSigner signer(Fixtures / "TEST-ONLY-update-signing.key");
    std::string published = readAll(Fixtures / "TEST-ONLY-update-signing.pub");
    published.erase(published.find_last_not_of('\n') + 1);
    EXPECT_EQ(signer.PublicHex(), published);
}

TEST_F(UpdateSignerTest, SignatureBesideTheFileVerifiesOnlyThatFile) {
    const UpdateSigner signer(Fixtures / "TEST-ONLY-update-signing.key");
    const std::string program = std::string("#!/bin/sh\necho updated\n\0tail", 29);
    std::ofstream(root / "update.exe", std::ios::binary) << program;
    EXPECT_EQ(signer.SignFile(root / "update.exe"), root / "update.exe.sig");
    const std::string signature = readAll(root / "update.exe.sig");
    EXPECT_TRUE(verifies(signature, program, signer.Public()));
    std::string changed = program;
    changed[3] ^= 1;
    EXPECT_FALSE(verifies(signature, changed, signer.Public()));
    EXPECT_FALSE(verifies(signature, program.substr(0, program.size() - 1), signer.Public()));

    std::ofstream(root / "update.exe", std::ios::binary) << "other";
    signer.SignFile(root / "update.exe");
    EXPECT_FALSE(verifies(readAll(root / "update.exe.sig"), program, signer.Public()))
        << "signing again replaces the old signature";
}

TEST_F(UpdateSignerTest, NewKeysAreDistinctAndNeverReplaceAKeyFile) {
    UpdateSigner::MakeKeyFile(root / "a.key");
    UpdateSigner::MakeKeyFile(root / "b.key");
    EXPECT_NE(UpdateSigner(root / "a.key").PublicHex(), UpdateSigner(root / "b.key").PublicHex());
    const std::string before = readAll(root / "a.key");
    EXPECT_THROW(UpdateSigner::MakeKeyFile(root / "a.key"), std::runtime_error);
    EXPECT_EQ(readAll(root / "a.key"), before);
    EXPECT_EQ(fs::status(root / "a.key").permissions() & fs::perms::others_read, fs::perms::none);
}

TEST_F(UpdateSignerTest, RefusesWhatIsNoKeyFile) {
    for (const std::string& text : std::vector<std::string>{
             "", "1234", std::string(64, 'g'), std::string(66, 'a'), std::string(63, 'a') + "\n"}) {
        std::ofstream(root / "bad.key", std::ios::binary | std::ios::trunc) << text;
        EXPECT_THROW(UpdateSigner(root / "bad.key"), std::runtime_error) << text;
    }
    EXPECT_THROW(UpdateSigner(root / "missing.key"), std::runtime_error);
}

} // namespace
