#include "SoundFixture.h"

#include "sound/SupportSoundBank.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <climits>

using namespace Qt::StringLiterals;
using modSoundSystem::PlaySound;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
constexpr int kDealFirstHalf = 6;
constexpr int kCardLaid = 1;
constexpr int kClick = 2;
} // namespace

class SoundEffects : public SoundFixture {};

TEST_F(SoundEffects, EveryBankEffectGoesStraightToTheBank) {
    for (int n = 0; n <= 13; ++n) {
        bank->played.clear();
        PlaySound(n);
        EXPECT_THAT(bank->played, ElementsAre(n)) << "effect " << n;
    }
}

TEST_F(SoundEffects, NumbersOutsideTheSoundTablePlayNothing) {
    for (const int n : {15, 16, 100, -1, INT_MIN, INT_MAX})
        PlaySound(n);
    runEvents(modSoundSystem::kDealDelayMs + 100);
    EXPECT_THAT(bank->played, IsEmpty());
}

// The card's sound at once, the laid card's sound later, and the game goes on in between.
TEST_F(SoundEffects, DealSoundPlaysItsSecondHalfAfterTheDelay) {
    QElapsedTimer clock;
    clock.start();
    PlaySound(modSoundSystem::kDealSound);
    EXPECT_THAT(bank->played, ElementsAre(kDealFirstHalf));
    PlaySound(kClick);
    waitForEffects(3, 2000);
    EXPECT_THAT(bank->played, ElementsAre(kDealFirstHalf, kClick, kCardLaid));
    EXPECT_GE(clock.elapsed(), modSoundSystem::kDealDelayMs);
}

TEST_F(SoundEffects, SecondDealWithinTheDelayEndsWithOneLaidCard) {
    PlaySound(modSoundSystem::kDealSound);
    runEvents(modSoundSystem::kDealDelayMs / 2);
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    PlaySound(modSoundSystem::kDealSound);
    waitForEffects(3, 2000);
    EXPECT_GE(sinceSecond.elapsed(), modSoundSystem::kDealDelayMs);
    runEvents(modSoundSystem::kDealDelayMs);
    EXPECT_THAT(bank->played, ElementsAre(kDealFirstHalf, kDealFirstHalf, kCardLaid));
}

TEST_F(SoundEffects, ReleasingTheBankDropsAPendingSecondHalf) {
    PlaySound(modSoundSystem::kDealSound);
    modSoundSystem::ReleaseSound();
    runEvents(modSoundSystem::kDealDelayMs + 100);
    EXPECT_THAT(bank->played, ElementsAre(kDealFirstHalf));
    EXPECT_EQ(bank->releases, 1);
}

TEST_F(SoundEffects, FailedStartShowsTheFixedMessageOnceAndTheGameGoesOn) {
    for (const int result : {0, -1, 2}) {
        messages.clear();
        bank->initResult = result;
        modSoundSystem::InitSound(0);
        EXPECT_THAT(messages, ElementsAre(u"Failed to initialize DirectSound.|OK|"_s))
            << "result " << result;
    }
    PlaySound(kClick);
    EXPECT_THAT(bank->played, ElementsAre(kClick));
}

TEST_F(SoundEffects, SuccessfulStartIsSilent) {
    modSoundSystem::InitSound(42);
    EXPECT_EQ(bank->inits, 1);
    EXPECT_THAT(messages, IsEmpty());
}

TEST_F(SoundEffects, MissingSupportLibraryMeansNoSoundAndTheMessage) {
    QTemporaryDir empty;
    modSoundSystem::setSoundBank(
        std::make_unique<SupportSoundBank>(std::make_shared<SupportLibrary>(empty.path())));
    modSoundSystem::InitSound(0);
    PlaySound(modSoundSystem::kDealSound);
    PlaySound(kClick);
    runEvents(modSoundSystem::kDealDelayMs + 100);
    EXPECT_THAT(messages, ElementsAre(u"Failed to initialize DirectSound.|OK|"_s));
}

// The real support library beside the program, bound by its name; the tests' null audio
// driver lets it open its sound system without a sound card.
TEST_F(SoundEffects, SupportLibraryIsBoundByName) {
    modSoundSystem::setSoundBank(std::make_unique<SupportSoundBank>(
        std::make_shared<SupportLibrary>(QStringLiteral(QB_BIN_DIR))));
    modSoundSystem::InitSound(0);
    EXPECT_THAT(messages, IsEmpty());
    for (int n = 0; n <= modSoundSystem::kDealSound + 1; ++n)
        PlaySound(n);
    runEvents(modSoundSystem::kDealDelayMs + 100);
    modSoundSystem::ReleaseSound();
    PlaySound(kClick);
}

// Opening the bank ahead, while the menu is being built, ends the same way as opening it when
// the load sequence gets there: the message only when the library is missing.
TEST_F(SoundEffects, OpeningAheadGivesTheLoadSequenceTheSameResult) {
    for (const bool present : {false, true}) {
        QTemporaryDir empty;
        messages.clear();
        modSoundSystem::setSoundBank(std::make_unique<SupportSoundBank>(
            std::make_shared<SupportLibrary>(present ? QStringLiteral(QB_BIN_DIR) : empty.path())));
        modSoundSystem::PrepareSound();
        PlaySound(kClick);
        modSoundSystem::InitSound(0);
        EXPECT_EQ(messages.isEmpty(), present) << "library present: " << present;
        modSoundSystem::ReleaseSound();
    }
}
