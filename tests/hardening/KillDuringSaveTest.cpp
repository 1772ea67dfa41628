// A game or a maintenance utility killed in the middle of a save must leave User.dat whole for
// the next start: the record from before the save or the one being saved, never a damaged one.
#include "SaveRecords.h"

#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
using GetFunction = int (*)(unsigned char*);
using SetFunction = int (*)(const unsigned char*);

// A program that saves for ever, and the two records it leaves in turn.
struct Saver {
    const char* name;
    const char* program;
    UserDataRecord::Bytes (*record)(int which);
};

void PrintTo(const Saver& saver, std::ostream* out) {
    *out << saver.name;
}

const Saver Savers[] = {
    {"Game", QB_SAVE_LOOP, saveRecord},
    {"Utility", QB_UTILITY_SAVE_LOOP, utilityRecord},
};

// Starts the save loop and returns its process ID once it is saving.
pid_t startSaving(const char* program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(program, program, QB_SUPPORT_LIBRARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char ready = 0;
    const bool saving = read(pipeFds[0], &ready, 1) == 1;
    close(pipeFds[0]);
    return saving ? child : -1;
}

int killCount() {
    const char* wanted = std::getenv("QB_KILLS");
    return wanted != nullptr ? std::atoi(wanted) : 200;
}

// The support library finds User.dat once per process, so every case run in one process shares
// one data folder; each case starts from an empty profile folder in it.
class KillDuringSave : public ::testing::TestWithParam<Saver> {
protected:
    static void SetUpTestSuite() {
        folder = (fs::temp_directory_path() / "qb-kill-XXXXXX").string();
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    static void TearDownTestSuite() { fs::remove_all(folder); }

    void SetUp() override {
        fs::remove_all(userDat.parent_path());
        fs::create_directories(userDat.parent_path());
    }

    static inline std::string folder;
    const fs::path userDat = fs::path(folder) / "QueltaBrovel" / "User.dat";
};

TEST_P(KillDuringSave, UserDatIsAlwaysOneOfTheTwoRecords) {
    const Saver& saver = GetParam();
    void* library = dlopen(QB_SUPPORT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto get = reinterpret_cast<GetFunction>(dlsym(library, "GetUserData"));
    ASSERT_NE(get, nullptr);
    const auto set = reinterpret_cast<SetFunction>(dlsym(library, "SetUserData"));
    ASSERT_NE(set, nullptr);
    const UserDataRecord::Bytes records[] = {saver.record(0), saver.record(1)};
    ASSERT_EQ(set(records[0].data()), 0); // the game the player had before the first kill

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    const int kills = killCount();
    int survived = 0;
    for (int k = 0; k < kills; ++k) {
        const pid_t saving = startSaving(saver.program);
        ASSERT_GT(saving, 0);
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(saving, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(saving, &status, 0), saving);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save loop stopped by itself, kill " << k;

        ASSERT_EQ(fs::file_size(userDat), UserDataRecord::Size) << "kill " << k;
        UserDataRecord::Bytes loaded{};
        ASSERT_EQ(get(loaded.data()), 0) << "kill " << k;
        ASSERT_TRUE(UserDataRecord::fromBytes(loaded).checksumValid()) << "kill " << k;
        ASSERT_TRUE(loaded == records[0] || loaded == records[1]) << "kill " << k;
        ++survived;
    }
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(userDat.parent_path()))
        leftovers += entry.path().filename() != "User.dat";
    std::printf(
        "%s: %d of %d kills survived; %d unfinished temporary file(s) left beside User.dat\n",
        saver.name, survived, kills, leftovers);
    EXPECT_LE(leftovers, 1) << "each save clears what an earlier cut-off save left behind";
}

INSTANTIATE_TEST_SUITE_P(Savers, KillDuringSave, ::testing::ValuesIn(Savers),
                         [](const auto& each) { return std::string(each.param.name); });
} // namespace
