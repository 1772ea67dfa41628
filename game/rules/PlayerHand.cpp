#include "rules/PlayerHand.h"

#include "profile/clsPlayer.h"
#include "rules/CardFace.h"
#include "rules/CardKind.h"
#include "rules/GameTable.h"
#include "rules/TableEffects.h"
#include "rules/TablePeer.h"
#include "rules/TableView.h"
#include "sound/SoundEffect.h"

namespace {
constexpr int HandCards = 4;
} // namespace

void PlayerHand::ShowHandCards() {
    TableModel& model = m_table.model();
    for (int i = 0; i < HandCards; ++i) {
        const int kind = clsPlayer::instance().HandCard(i);
        if (!CardKind::isValid(kind))
            continue;
        model.setText(TableModel::FirstHandSlot + i, CardKind::HandText(kind));
        model.setFace(TableModel::FirstHandSlot + i, CardKind::Face(kind));
        m_sign[i] = CardKind::HasSignControl(kind);
        m_magnitude[i] = CardKind::HasMagnitudeControl(kind);
        m_table.view().HandControls(i, m_sign[i], m_magnitude[i]);
    }
}

CardText PlayerHand::Flipped(const CardText& text) {
    if (text.back() == 'T') {
        const int magnitude = CardText(text.view().substr(0, 2)).number();
        return CardText::fromNumber(-magnitude, true).appended('T');
    }
    return CardText::fromNumber(-text.number(), true);
}

void PlayerHand::Flip(int handIndex) {
    if (handIndex < 0 || handIndex >= HandCards || !m_sign[handIndex])
        return;
    TableModel& model = m_table.model();
    const int slot = TableModel::FirstHandSlot + handIndex;
    const CardText flipped = Flipped(model.text(slot));
    model.setText(slot, flipped);
    const int face = model.face(slot);
    const int bright = CardFace::bright(face);
    if (bright != CardFace::FlipPlus && bright != CardFace::FlipMinus)
        return;
    const int turned = flipped.front() == '-' ? CardFace::FlipMinus : CardFace::FlipPlus;
    model.setFace(slot, CardFace::isDimmed(face) ? turned + CardFace::DimOffset : turned);
}

void PlayerHand::ChangeMagnitude(int handIndex) {
    if (handIndex < 0 || handIndex >= HandCards || !m_magnitude[handIndex])
        return;
    TableModel& model = m_table.model();
    const int slot = TableModel::FirstHandSlot + handIndex;
    const CardText& text = model.text(slot);
    const int n = text.number();
    if (text.isNumber() && (n == 1 || n == -1 || n == 2 || n == -2))
        model.setText(slot, CardText::fromNumber(n == 1 || n == -1 ? 2 * n : n / 2, true));
}

void PlayerHand::Play(int slot) {
    MatchState::Side& player = m_table.match().Player();
    if (slot < TableModel::FirstHandSlot || slot >= TableModel::SlotCount || !m_table.IsOpen() ||
        !player.CanPlayCard || player.Stand)
        return;
    TableModel& model = m_table.model();
    const CardText text = model.text(slot);
    const int target = model.FreeSlot(0);
    // A double needs a card to copy: with side 0's table still empty the click is ignored.
    if (text.empty() || target < 0 || (text == CardText("D") && target == 0))
        return;
    m_table.effects().PlaySound(SoundEffect::HandCardPlayed);
    Place(target, text);
    model.setFace(target, model.face(slot));
    TellPlayed(target);
    Hide(slot - TableModel::FirstHandSlot);
    player.CanPlayCard = false;
    m_table.rules().SetCardsDimmed(TableModel::FirstHandSlot, TableModel::SlotCount - 1, true);
    model.Recount();
    m_table.match().LastCardSide = 0;
    if (!m_table.rules().CheckFullTable())
        m_table.rules().CheckAutoStand();
}

void PlayerHand::Place(int slot, const CardText& text) {
    TableModel& model = m_table.model();
    if (text == CardText("D")) {
        model.setText(slot, model.text(slot - 1));
    } else if (text == CardText("2&4") || text == CardText("3&6")) {
        model.setText(slot, CardText("0"));
        Rewrite(text.front() - '0', text.back() - '0');
    } else {
        model.setText(slot, text);
    }
}

void PlayerHand::Rewrite(int a, int b) {
    const std::uint32_t rewritten = m_table.model().FlipMatching(0, a, b);
    for (int slot = 0; slot < TableModel::SideSlots; ++slot) {
        if (rewritten & (1u << slot))
            m_table.peer().SlotRewritten(slot, m_table.model().text(slot));
    }
}

void PlayerHand::TellPlayed(int slot) {
    const int face = m_table.model().face(slot);
    const int told = face >= CardFace::Plus && face <= CardFace::Special ? face : 0;
    m_table.peer().CardPlaced(0, told, m_table.model().text(slot));
}

void PlayerHand::Hide(int handIndex) {
    const int slot = TableModel::FirstHandSlot + handIndex;
    m_table.model().clear(slot, slot);
    m_sign[handIndex] = m_magnitude[handIndex] = false;
    m_table.view().HandControls(handIndex, false, false);
}
