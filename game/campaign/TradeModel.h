#pragma once

#include "campaign/clsTradeCards.h"

#include <QString>
#include <cstdint>

// What the trade window shows and does, without the window: a strip of five card kinds that
// scrolls through all 23, one selected kind with its price, quantity, required level and
// description, the buy and sell modes, and the trade itself. It reads the player's campaign
// credits, level and owned cards; a trade changes them and is saved at once.
class TradeModel {
public:
    enum class Mode { Buy, Sell };

    static constexpr int SlotCount = 5;
    static constexpr int LastOffset = 18; // the strip then shows kinds 18 to 22
    static constexpr int MaxOwned = 10;   // copies of one kind a player may own
    // A player always keeps enough cards for a full side deck.
    static constexpr int KeptForSideDeck = 10;
    // The scroll thumb's top edge travels between these window coordinates.
    static constexpr int ThumbFirstTop = 74;
    static constexpr int ThumbTravel = 218;

    // The window opens in buy mode at the start of the strip with the first kind selected.
    TradeModel();

    const clsTradeCards& catalogue() const { return m_catalogue; }
    Mode mode() const { return m_mode; }
    int Offset() const { return m_offset; }
    int KindInSlot(int slot) const { return m_offset + slot; }
    // The slot showing the selected kind, or -1 while it is scrolled out of view.
    int SelectedSlot() const;

    // The selected kind's price in this mode.
    std::int32_t Price() const;
    // Buy mode: copies that can still be bought; sell mode: copies owned.
    int Quantity() const;
    // The required level as the player reads it, or empty when the kind needs none.
    QString LevelText() const;
    // Whether one card of the selected kind can be bought or sold now.
    bool CanTrade() const;

    // Selects the kind in slot 0..4; false when it already was the selected one.
    bool Select(int slot);
    // One kind back (-1) or on (+1); false at either end of the strip.
    bool Scroll(int step);
    void ChangeMode();
    // Buys or sells one card of the selected kind when that is allowed; false otherwise.
    bool Trade();

    // The thumb's top edge: where a scroll put it, or where a drag holds it.
    int ThumbTop() const { return m_thumbTop; }
    // The mouse, at windowY inside the window, drags the thumb it grabbed grab pixels below
    // its top edge; the strip follows to the nearest offset.
    void DragThumb(int windowY, int grab);
    static int ThumbTopFor(int offset);
    static int OffsetForThumb(int thumbTop);

private:
    static int Owned(int kind);
    static std::int64_t OwnedInTotal();

    clsTradeCards m_catalogue;
    Mode m_mode = Mode::Buy;
    int m_offset = 0;
    int m_thumbTop = ThumbFirstTop;
};
