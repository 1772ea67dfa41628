#pragma once

#include "binding/MemoryRecordFile.h"
#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "sound/modSoundSystem.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Effects the shell asked for, in order; Release shows as ReleasedMark.
inline std::vector<int>& PlayedSounds() {
    static std::vector<int> played;
    return played;
}
inline constexpr int ReleasedMark = -1;

class RecordingSoundBank : public SoundBank {
public:
    std::int32_t Init(std::intptr_t) override { return 1; }
    void Play(std::int32_t effect) override { PlayedSounds().push_back(effect); }
    void Release() override { PlayedSounds().push_back(ReleasedMark); }
};

// A window test: one application, a recording sound bank, User.dat in memory and a few texts.
class ShellFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "shell-test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    void SetUp() override {
        modSoundSystem::setSoundBank(std::make_unique<RecordingSoundBank>());
        clsStore::instance().setFileAccess(std::make_unique<MemoryRecordFile>());
        clsLanguage::instance().setOk(QStringLiteral("Okay"));
        PlayedSounds().clear();
    }

    static int countOf(int effect) {
        const auto& s = PlayedSounds();
        return static_cast<int>(std::count(s.begin(), s.end(), effect));
    }
};
