#include "profile/clsPlayer.h"

#include "profile/CheckedNarrow.h"
#include "profile/RecordText.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"

#include <cmath>
#include <stdexcept>

namespace {
bool inCampaign() {
    return GameState::instance().GameMode == GameState::Campaign;
}

std::int32_t& cardEntry(int kind) {
    if (kind < 0 || kind >= UserDataRecord::KindCount)
        throw std::out_of_range("card kind outside 0..22");
    return UserData().Card[static_cast<std::size_t>(kind)];
}

std::size_t handSlotIndex(int slot) {
    if (slot < 0 || slot > 3)
        throw std::out_of_range("hand card slot outside 0..3");
    return static_cast<std::size_t>(slot);
}

// Any text that reads as a number: an integer, or a decimal rounded to the nearest integer
// (halves to even). Anything else is the caller's conversion error.
std::int32_t onlineIdFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qlonglong whole = trimmed.toLongLong(&ok);
    const double value = ok ? static_cast<double>(whole) : trimmed.toDouble(&ok);
    if (!ok)
        throw std::invalid_argument("online ID is not a number");
    const double rounded = std::nearbyint(value);
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw std::overflow_error("online ID outside 32 bits");
    return static_cast<std::int32_t>(rounded);
}
} // namespace

clsPlayer& clsPlayer::instance() {
    static clsPlayer player;
    return player;
}

void clsPlayer::storeCovered(std::int32_t& field, std::int32_t value) {
    field = value;
    clsStore::instance().SetChecksum();
    clsStore::instance().WriteUserData();
}

QString clsPlayer::Name() const {
    return RecordText::read(UserData().Name);
}

void clsPlayer::setName(const QString& name) {
    UserData().Name = RecordText::write(name, UserDataRecord::TextWidth);
    clsStore::instance().WriteUserData();
}

std::int32_t clsPlayer::Credits() const {
    return inCampaign() ? UserData().Credits : m_matchCredits;
}

void clsPlayer::setCredits(std::int32_t credits) {
    if (!inCampaign()) {
        m_matchCredits = credits;
        return;
    }
    storeCovered(UserData().Credits, credits);
}

std::uint8_t clsPlayer::Card(int kind) const {
    return checkedNarrow<std::uint8_t>(cardEntry(kind));
}

void clsPlayer::setCard(int kind, std::uint8_t count) {
    storeCovered(cardEntry(kind), count);
}

std::int16_t clsPlayer::Wins() const {
    return checkedNarrow<std::int16_t>(UserData().Wins);
}

void clsPlayer::setWins(std::int16_t wins) {
    storeCovered(UserData().Wins, wins);
}

std::int16_t clsPlayer::Losses() const {
    return checkedNarrow<std::int16_t>(UserData().Losses);
}

void clsPlayer::setLosses(std::int16_t losses) {
    storeCovered(UserData().Losses, losses);
}

std::uint8_t clsPlayer::Level() const {
    return checkedNarrow<std::uint8_t>(UserData().Level);
}

void clsPlayer::setLevel(std::uint8_t level) {
    storeCovered(UserData().Level, level);
}

std::int32_t clsPlayer::Highscore() const {
    return UserData().Highscore;
}

void clsPlayer::setHighscore(std::int32_t highscore) {
    storeCovered(UserData().Highscore, highscore);
}

QString clsPlayer::OnlineID() const {
    const qint64 id = UserData().OnlineID;
    const QString digits = QStringLiteral("%1").arg(id < 0 ? -id : id, 4, 10, QLatin1Char('0'));
    return id < 0 ? QStringLiteral("-") + digits : digits;
}

void clsPlayer::setOnlineID(const QString& id) {
    UserData().OnlineID = onlineIdFromText(id);
    clsStore::instance().WriteUserData();
}

QString clsPlayer::OnlinePassword() const {
    // Before the record was first written the text may be shorter; the file pads it with spaces.
    return QString::fromStdString(UserData().OnlinePassword)
        .leftJustified(UserDataRecord::PasswordWidth, u' ', true);
}

void clsPlayer::setOnlinePassword(const QString& password) {
    UserData().OnlinePassword = RecordText::write(
        password.leftJustified(UserDataRecord::PasswordWidth, u' '), UserDataRecord::PasswordWidth);
    clsStore::instance().WriteUserData();
}

std::int16_t clsPlayer::HandCard(int slot) const {
    return m_handCards[handSlotIndex(slot)];
}

void clsPlayer::setHandCard(int slot, std::int16_t kind) {
    m_handCards[handSlotIndex(slot)] = kind;
}
