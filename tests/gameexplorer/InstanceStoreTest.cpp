#include "InstanceStore.h"
#include "Guid.h"
#include "InstallPlaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace {

TEST(InstanceStoreTest, ValueNamesBecomeFileNamesInsideTheStore) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "@"},
        {"QueltaBrovel_1.8-x", "QueltaBrovel_1.8-x"},
        {"@", "%40"},
        {"a/b", "a%2Fb"},
        {"..", "%2E."},
        {".hidden", "%2Ehidden"},
        {"a%2Fb", "a%252Fb"},
        {"Spiel \xC3\xBC", "Spiel%20%C3%BC"},
    };
    std::set<std::string> seen;
    for (const auto& [name, file] : cases) {
        EXPECT_EQ(InstanceStore::fileName(name), file) << name;
        EXPECT_TRUE(seen.insert(InstanceStore::fileName(name)).second) << name;
    }
}

TEST(InstanceStoreTest, KeepsSixteenBytesAndRefusesOtherSizes) {
    const std::string config = ::testing::TempDir() + "store-" + std::to_string(::getpid());
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const InstanceStore store(InstallPlaces::currentUser);
    const Guid id = Guid::random();
    ASSERT_TRUE(store.write("Game", id));
    EXPECT_EQ(store.read("Game")->bytes(), id.bytes());
    EXPECT_TRUE(store.contains("Game"));
    std::ofstream(config + "/GameExplorer/Short", std::ios::binary) << "fifteen bytes!!";
    std::ofstream(config + "/GameExplorer/Long", std::ios::binary) << "seventeen bytes!!";
    EXPECT_FALSE(store.read("Short"));
    EXPECT_FALSE(store.read("Long"));
    EXPECT_FALSE(store.read("Missing"));
    EXPECT_TRUE(store.remove("Game"));
    EXPECT_FALSE(store.contains("Game"));
    std::filesystem::remove_all(config);
}

TEST(InstanceStoreTest, ARelativeSystemRootIsRefusedNotIgnored) {
    ::setenv("LUDEXA_SYSTEM_ROOT", "relative/root", 1);
    EXPECT_FALSE(InstallPlaces::store(InstallPlaces::allUsers));
    EXPECT_FALSE(InstanceStore(InstallPlaces::allUsers).write("Game", Guid()));
    ::setenv("LUDEXA_SYSTEM_ROOT", "/srv/root", 1);
    EXPECT_EQ(InstallPlaces::store(InstallPlaces::allUsers), "/srv/root/etc/xdg/GameExplorer");
    EXPECT_EQ(InstallPlaces::applications(1), "/srv/root/usr/local/share/applications");
}

TEST(GuidTest, TextShowsTheFieldsOfTheStoredLayout) {
    const Guid id(Guid::Bytes{0x78, 0x56, 0x34, 0x12, 0xBC, 0x9A, 0xF0, 0xDE, 0x01, 0x23, 0x45,
                              0x67, 0x89, 0xAB, 0xCD, 0xEF});
    EXPECT_EQ(id.text(), "{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    EXPECT_EQ(id.fileId(), "12345678-9abc-def0-0123-456789abcdef");
    EXPECT_EQ(Guid().text(), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_TRUE(Guid().isZero());
}

TEST(GuidTest, RandomIdsAreVersionFourAndDiffer) {
    const Guid a = Guid::random();
    const Guid b = Guid::random();
    EXPECT_NE(a.bytes(), b.bytes());
    for (const Guid& id : {a, b}) {
        EXPECT_EQ(id.text()[15], '4') << id.text();
        EXPECT_NE(std::string("89AB").find(id.text()[20]), std::string::npos) << id.text();
    }
}

} // namespace
