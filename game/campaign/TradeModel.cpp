#include "campaign/TradeModel.h"

#include "UserDataRecord.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/CardKind.h"
#include "rules/GameError.h"

#include <algorithm>
#include <cmath>

TradeModel::TradeModel() {
    // Selecting the first slot only takes effect for a kind not yet selected.
    m_catalogue.ActiveCard = 1;
    Select(0);
}

int TradeModel::SelectedSlot() const {
    const int slot = m_catalogue.ActiveCard - m_offset;
    return slot >= 0 && slot < SlotCount ? slot : -1;
}

std::int32_t TradeModel::Price() const {
    return m_mode == Mode::Buy ? m_catalogue.BuyPrice() : m_catalogue.SellPrice();
}

// The counts as the record holds them, the way a trade writes them: a count beyond what a byte
// holds (a foreign tool's) can then still be sold down instead of stopping the window.
int TradeModel::Owned(int kind) {
    return UserData().Card[static_cast<std::size_t>(kind)];
}

int TradeModel::Quantity() const {
    const int owned = Owned(m_catalogue.ActiveCard);
    return m_mode == Mode::Buy ? MaxOwned - owned : owned;
}

QString TradeModel::LevelText() const {
    const int level = m_catalogue.RequiredLevel();
    if (level == 0)
        return {};
    return clsLanguage::instance().RequiresLevel() + QLatin1Char(' ') + QString::number(level);
}

bool TradeModel::CanTrade() const {
    if (Quantity() <= 0)
        return false;
    const clsPlayer& player = clsPlayer::instance();
    if (m_mode == Mode::Buy)
        return player.Credits() >= Price() && player.Level() >= m_catalogue.RequiredLevel();
    return OwnedInTotal() > KeptForSideDeck;
}

std::int64_t TradeModel::OwnedInTotal() {
    std::int64_t total = 0;
    for (int kind = 0; kind < CardKind::Count; ++kind)
        total += Owned(kind);
    return total;
}

bool TradeModel::Select(int slot) {
    const int kind = KindInSlot(slot);
    if (slot < 0 || slot >= SlotCount || kind == m_catalogue.ActiveCard)
        return false;
    m_catalogue.ActiveCard = static_cast<std::int16_t>(kind);
    return true;
}

bool TradeModel::Scroll(int step) {
    const int target = m_offset + step;
    if (target < 0 || target > LastOffset)
        return false;
    m_offset = target;
    m_thumbTop = ThumbTopFor(m_offset);
    return true;
}

void TradeModel::ChangeMode() {
    m_mode = m_mode == Mode::Buy ? Mode::Sell : Mode::Buy;
}

bool TradeModel::Trade() {
    if (!CanTrade())
        return false;
    // Card, credits and the forgotten side deck go to User.dat in one write, so that no crash
    // can leave a card paid for and not received, or the other way round.
    UserDataRecord& record = UserData();
    const std::size_t kind = static_cast<std::size_t>(m_catalogue.ActiveCard);
    const std::int32_t price = Price();
    if (m_mode == Mode::Buy) {
        record.Credits = GameError::sub(record.Credits, price);
        record.Card[kind] += 1;
    } else {
        record.Credits = GameError::add(record.Credits, price);
        record.Card[kind] -= 1;
    }
    // The deck saved for the next campaign match may hold cards no longer owned.
    record.CampaignSidedeckCards[0] = -1;
    clsStore::instance().SetChecksum();
    clsStore::instance().WriteUserData();
    return true;
}

int TradeModel::ThumbTopFor(int offset) {
    return ThumbFirstTop + static_cast<int>(std::lround(offset * double(ThumbTravel) / LastOffset));
}

int TradeModel::OffsetForThumb(int thumbTop) {
    // Halves go to the even offset.
    return static_cast<int>(
        std::nearbyint(double(thumbTop - ThumbFirstTop) / ThumbTravel * LastOffset));
}

void TradeModel::DragThumb(int windowY, int grab) {
    m_thumbTop = std::clamp(windowY - grab, ThumbFirstTop, ThumbFirstTop + ThumbTravel);
    m_offset = OffsetForThumb(m_thumbTop);
}
