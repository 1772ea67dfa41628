#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The local player, side 0: the lasting profile kept in User.dat (every let saves at once,
// campaign values with a new checksum) and what the player chose for the next match: the stake
// and the four hand cards drawn from the side deck (never saved). The running match's own state
// is its table's.
class clsPlayer {
public:
    static clsPlayer& instance();

    // The stake chosen in the wager window, booked and settled by the match; a plain field.
    std::int32_t Wager = 0;

    QString Name() const;
    void setName(const QString& name);
    // Campaign (GameMode 2): the stored campaign balance. Other modes: the series' working
    // balance, never saved. Decided at every access.
    std::int32_t Credits() const;
    void setCredits(std::int32_t credits);
    std::uint8_t Card(int kind) const; // std::out_of_range for a kind outside 0..22
    void setCard(int kind, std::uint8_t count);
    std::int16_t Wins() const;
    void setWins(std::int16_t wins);
    std::int16_t Losses() const;
    void setLosses(std::int16_t losses);
    std::uint8_t Level() const;
    void setLevel(std::uint8_t level);
    std::int32_t Highscore() const;
    void setHighscore(std::int32_t highscore);
    QString OnlineID() const; // at least four digits: "0000", "0042", "12345"
    void setOnlineID(const QString& id);
    QString OnlinePassword() const; // all 32 characters
    void setOnlinePassword(const QString& password);
    std::int16_t HandCard(int slot) const; // std::out_of_range for a slot outside 0..3
    void setHandCard(int slot, std::int16_t kind);

private:
    clsPlayer() = default;
    // Stores a campaign value with a new checksum and saves the record.
    static void storeCovered(std::int32_t& field, std::int32_t value);

    std::int32_t m_matchCredits = 0;
    std::array<std::int16_t, 4> m_handCards{};
};
