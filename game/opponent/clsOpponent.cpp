#include "opponent/clsOpponent.h"

#include "UserDataRecord.h"
#include "opponent/CampaignLadder.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameError.h"
#include "rules/GameState.h"
#include "rules/RandomSource.h"
#include "shell/Ports.h"

#include <initializer_list>

namespace {
constexpr std::int32_t LargestWagerBase = 2147483646;

struct Tier {
    std::int32_t upTo; // highest highscore of the tier
    std::initializer_list<int> kinds;
};

// The computer's side deck in a single game grows stronger with the player's highscore.
const Tier SingleGameTiers[] = {
    {100, {0, 1, 2, 3, 4}},
    {800, {2, 3, 4, 8, 9, 10}},
    {6400, {1, 2, 3, 7, 8, 9, 12, 17}},
    {51200, {12, 13, 14, 15}},
    {std::numeric_limits<std::int32_t>::max(), {12, 13, 14, 15, 16, 17, 18, 22}},
};
} // namespace

clsOpponent& clsOpponent::instance() {
    static clsOpponent opponent;
    return opponent;
}

QString clsOpponent::Name() const {
    if (GameState::instance().GameMode == GameState::SingleGame)
        return clsLanguage::instance().Opponent();
    return m_name;
}

void clsOpponent::setName(const QString& name) {
    m_name = name;
}

std::int32_t clsOpponent::MaxWager() const {
    if (GameState::instance().GameMode == GameState::Campaign) {
        const std::int32_t credits = Credits();
        return credits < m_wagerLimit ? credits : std::int32_t(m_wagerLimit);
    }
    return GameError::sub(LargestWagerBase, clsPlayer::instance().Credits());
}

std::int32_t clsOpponent::Credits() const {
    return GameError::add(m_baseCredits, UserData().TempCredits);
}

void clsOpponent::setCredits(std::int32_t credits) {
    SaveTempCredits(GameError::sub(credits, m_baseCredits));
}

void clsOpponent::ResetTempCredits() {
    SaveTempCredits(0);
}

void clsOpponent::SaveTempCredits(std::int32_t tempCredits) {
    UserData().TempCredits = tempCredits;
    clsStore::instance().SetChecksum();
    clsStore::instance().WriteUserData();
}

void clsOpponent::ChooseSingleGameTier() {
    m_sideDeck.fill(false);
    const std::int32_t highscore = clsPlayer::instance().Highscore();
    if (highscore < 0)
        return;
    for (const Tier& tier : SingleGameTiers) {
        if (highscore <= tier.upTo) {
            for (int kind : tier.kinds)
                m_sideDeck[kind] = true;
            return;
        }
    }
}

void clsOpponent::AI_CreateHandCards(Hand& hand, RandomSource& random) {
    const QString source = QStringLiteral("AI_CreateHandCards");
    try {
        const GameState& state = GameState::instance();
        if (state.GameMode == GameState::SingleGame)
            ChooseSingleGameTier();
        clsPlayer& player = clsPlayer::instance();
        if (state.GameMode == GameState::Campaign && player.Level() == CampaignLadder::LastLevel) {
            for (int i = 0; i < 4; ++i)
                hand[i].Kind = player.HandCard(i);
            return;
        }
        std::array<int, CardKind::Count> kinds{};
        int n = 0;
        for (int kind = 0; kind < CardKind::Count; ++kind) {
            if (m_sideDeck[kind])
                kinds[n++] = kind;
        }
        if (n == 0) {
            ReportError(17, source, QStringLiteral("Opponent has no hand cards."));
            return;
        }
        for (HandCard& card : hand) {
            // Single precision as the draw has always been made; a draw that rounds up to 1
            // must still name a kind of the list.
            const int i = static_cast<int>(float(n) * float(random.Next()));
            card.Kind = static_cast<std::int16_t>(kinds[i < n ? i : n - 1]);
        }
    } catch (const GameError& e) {
        ReportError(e.number(), source, QString::fromLatin1(e.what()));
    }
}
