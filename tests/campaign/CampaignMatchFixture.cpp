#include "CampaignMatchFixture.h"

#include "campaign/CampaignBoard.h"
#include "campaign/WagerRules.h"
#include "opponent/clsOpponent.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "rules/TableModel.h"
#include "sidedeck/MatchStart.h"
#include "sidedeck/SideDeck.h"

void CampaignMatchFixture::StartMatch(std::int32_t wager) {
    CampaignBoard::Open();
    SideDeck deck([](int) {});
    SideDeck::Owned owned{};
    for (int kind = 0; kind < CardKind::Count; ++kind)
        owned[static_cast<std::size_t>(kind)] = clsPlayer::instance().Card(kind);
    deck.OfferOwned(owned);
    for (int kind = 0; kind < CardKind::Count && !deck.Complete(); ++kind) {
        while (deck.AddCard(kind, true) && !deck.Complete()) {
        }
    }
    ASSERT_TRUE(deck.Complete());
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        clsStore::instance().setSidedeckCard(slot, deck.SlotKind(slot));
    MatchStart::DrawHand(deck.Deck());
    clsPlayer& player = clsPlayer::instance();
    player.Wager = wager != PresetWager
                       ? wager
                       : WagerRules::Preset(player.Credits(), clsOpponent::instance().MaxWager());
    MatchStart::BookCampaignStake();
    ports = RecordingPorts{};
    table = std::make_unique<GameTable>(ports, ports, ports, ports);
    ports.model = &table->model();
    table->StartMatch();
    table->Activated();
}

void CampaignMatchFixture::StandAgainst(std::initializer_list<const char*> player,
                                        std::initializer_list<const char*> opponent) {
    TableModel& model = table->model();
    model.clear(0, TableModel::FirstHandSlot - 1);
    table->match().Player().Stand = false;
    table->match().Player().CanAct = true;
    table->match().Opponent().Stand = true;
    for (int side : {0, 1}) {
        for (const char* text : side == 0 ? player : opponent) {
            const int slot = model.FreeSlot(side);
            model.setFace(slot, 5);
            model.setText(slot, CardText(text));
        }
    }
    table->ButtonClick(GameTable::StandButton);
}

void CampaignMatchFixture::WinSet() {
    StandAgainst({"10", "9"}, {"10", "5"});
}

void CampaignMatchFixture::LoseSet() {
    StandAgainst({"10", "4"}, {"10", "8"});
}

void CampaignMatchFixture::WinMatch() {
    for (int set = 0; set < 3 && table->IsOpen(); ++set)
        WinSet();
}

void CampaignMatchFixture::LoseMatch() {
    for (int set = 0; set < 3 && table->IsOpen(); ++set)
        LoseSet();
}
