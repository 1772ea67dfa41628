#pragma once

#include "rules/CardKind.h"

#include <QString>
#include <array>
#include <cstdint>

class RandomSource;

// Side 1 of the table: the computer in a single game and the campaign, the remote player in
// multiplayer (then only Name is used). One instance for the program; its count and stand in a
// match are the table's.
class clsOpponent {
public:
    struct HandCard {
        std::int16_t Kind = 0; // CardKind, or CardKind::Played once laid
        std::int16_t TempValue = 0;
    };
    // The computer's four hand cards in a match.
    using Hand = std::array<HandCard, 4>;

    static clsOpponent& instance();

    // In a single game the language's opponent text, whatever is stored.
    QString Name() const;
    void setName(const QString& name);
    // The largest wager against this opponent: in the campaign the smaller of its credits and
    // its limit; otherwise what keeps the player's credits plus a won wager within 32 bits.
    std::int32_t MaxWager() const;
    QString Planet() const { return m_planet; }
    void setPlanet(const QString& planet) { m_planet = planet; }
    std::int16_t WagerLimit() const { return m_wagerLimit; }
    void setWagerLimit(std::int16_t limit) { m_wagerLimit = limit; }
    std::int32_t BaseCredits() const { return m_baseCredits; }
    void setBaseCredits(std::int32_t credits) { m_baseCredits = credits; }
    // BaseCredits plus the credit change kept in User.dat (it survives a restart).
    std::int32_t Credits() const;
    void setCredits(std::int32_t credits);
    void ResetTempCredits();

    bool SideDeck(int kind) const { return m_sideDeck[kind]; }
    void setSideDeck(int kind, bool allowed) { m_sideDeck[kind] = allowed; }
    // Deals the computer's four hand cards for a new match (single game and campaign) from its
    // side deck; on an error the hand stays as it was.
    void AI_CreateHandCards(Hand& hand, RandomSource& random);
    // Sets up the campaign opponent of the player's level: name, planet, starting credits,
    // wager limit and side deck. The credits already won from it stay in TempCredits.
    void CreateNPC();

private:
    void ChooseSingleGameTier();
    void SaveTempCredits(std::int32_t tempCredits);

    QString m_name;
    std::int16_t m_wagerLimit = 0;
    QString m_planet;
    std::int32_t m_baseCredits = 0;
    std::array<bool, CardKind::Count> m_sideDeck{};
};
