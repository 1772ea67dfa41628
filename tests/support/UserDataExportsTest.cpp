#include "SupportLibrary.h"

#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t size, int seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) % 251);
    }
    return bytes;
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const Bytes& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Every test gets a fresh folder as its data home. The library decides where User.dat lives
// once per process, so each test must run in a process of its own (as ctest runs them).
class UserDataExports : public testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "qb-userdata-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        root_ = name;
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        ASSERT_NE(lib.GetUserData, nullptr);
        ASSERT_NE(lib.SetUserData, nullptr);
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path userDat() const { return root_ / "data" / "QueltaBrovel" / "User.dat"; }

    const SupportLibrary& lib = SupportLibrary::get();
    fs::path root_;
};

TEST_F(UserDataExports, MissingFileLeavesTheBufferUntouched) {
    Bytes buffer(868, 0xAB);
    EXPECT_EQ(lib.GetUserData(buffer.data()), -1);
    EXPECT_EQ(buffer, Bytes(868, 0xAB));
}

TEST_F(UserDataExports, ReadsTheFirst868BytesOfTheFile) {
    const struct {
        std::size_t fileSize;
        std::int32_t result;
    } cases[] = {{100, -3}, {867, -3}, {868, 0}, {2000, 0}, {0, -3}};
    for (const auto& c : cases) {
        const Bytes file = pattern(c.fileSize, static_cast<int>(c.fileSize));
        writeFile(userDat(), file);
        Bytes buffer(868, 0xAB);
        EXPECT_EQ(lib.GetUserData(buffer.data()), c.result) << c.fileSize;
        const std::size_t read = std::min<std::size_t>(c.fileSize, 868);
        EXPECT_TRUE(
            std::equal(file.begin(), file.begin() + static_cast<long>(read), buffer.begin()))
            << c.fileSize;
        EXPECT_EQ(Bytes(buffer.begin() + static_cast<long>(read), buffer.end()),
                  Bytes(868 - read, 0xAB))
            << "bytes beyond what was read stay as they were, size " << c.fileSize;
    }
}

TEST_F(UserDataExports, WriteReplacesALongerFileWithExactly868Bytes) {
    writeFile(userDat(), pattern(2000, 1));
    const Bytes record = pattern(868, 2);
    EXPECT_EQ(lib.SetUserData(record.data()), 0);
    EXPECT_EQ(readFile(userDat()), record);
    EXPECT_EQ(namesIn(userDat().parent_path()), std::vector<std::string>{"User.dat"});
}

TEST_F(UserDataExports, WriteCreatesTheFoldersAndReadsBack) {
    ASSERT_FALSE(fs::exists(root_ / "data"));
    const Bytes record = pattern(868, 3);
    EXPECT_EQ(lib.SetUserData(record.data()), 0);
    EXPECT_EQ(readFile(userDat()), record);
    Bytes buffer(868, 0);
    EXPECT_EQ(lib.GetUserData(buffer.data()), 0);
    EXPECT_EQ(buffer, record);
}

// A disk that fills up in the middle of a save must not cost the player the saved game.
TEST_F(UserDataExports, InterruptedWriteKeepsThePreviousFile) {
    const Bytes saved = pattern(868, 4);
    ASSERT_EQ(lib.SetUserData(saved.data()), 0);

    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = original;
    small.rlim_cur = 500;
    setrlimit(RLIMIT_FSIZE, &small);
    const Bytes next = pattern(868, 5);
    const std::int32_t result = lib.SetUserData(next.data());
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, -3);
    EXPECT_EQ(readFile(userDat()), saved);
    EXPECT_EQ(namesIn(userDat().parent_path()), std::vector<std::string>{"User.dat"});
}

TEST_F(UserDataExports, UserDatThatIsAFolderFailsCleanly) {
    fs::create_directories(userDat() / "inside");
    Bytes buffer(868, 0xAB);
    EXPECT_EQ(lib.GetUserData(buffer.data()), -2);
    EXPECT_EQ(lib.SetUserData(pattern(868, 6).data()), -1);
    EXPECT_TRUE(fs::is_directory(userDat()));
    EXPECT_EQ(namesIn(userDat().parent_path()), std::vector<std::string>{"User.dat"});
}

TEST_F(UserDataExports, NoBufferIsAFailureAndTouchesNothing) {
    writeFile(userDat(), pattern(868, 7));
    EXPECT_EQ(lib.GetUserData(nullptr), -2);
    EXPECT_EQ(lib.SetUserData(nullptr), -2);
    EXPECT_EQ(readFile(userDat()), pattern(868, 7));
}

struct Location {
    const char* name;
    const char* dataHome; // "@" stands for the test's folder; nullptr leaves it unset
    const char* home;
    const char* expected; // below the test's folder
};

void PrintTo(const Location& where, std::ostream* os) {
    *os << where.name;
}

class UserDataLocation : public UserDataExports, public testing::WithParamInterface<Location> {
protected:
    std::string resolve(const char* value) const {
        const std::string v = value;
        return v.starts_with('@') ? (root_ / v.substr(1)).string() : v;
    }
};

TEST_P(UserDataLocation, FindsTheDataFolderFromTheEnvironment) {
    const Location& where = GetParam();
    ASSERT_EQ(chdir(root_.c_str()), 0); // where a bare User.dat would go
    if (where.dataHome != nullptr) {
        setenv("XDG_DATA_HOME", resolve(where.dataHome).c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    setenv("HOME", resolve(where.home).c_str(), 1);
    const Bytes record = pattern(868, 8);
    EXPECT_EQ(lib.SetUserData(record.data()), 0);
    EXPECT_EQ(readFile(root_ / where.expected), record);
}

INSTANTIATE_TEST_SUITE_P(Environment, UserDataLocation,
                         testing::Values(Location{"DataHome", "@xdg/deep", "@home",
                                                  "xdg/deep/QueltaBrovel/User.dat"},
                                         Location{"HomeWhenUnset", nullptr, "@home",
                                                  "home/.local/share/QueltaBrovel/User.dat"},
                                         Location{"HomeWhenRelative", "rel/data", "@home",
                                                  "home/.local/share/QueltaBrovel/User.dat"},
                                         Location{"WorkingFolderWithoutDataFolder", "/proc/qb-none",
                                                  "@home", "User.dat"}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
