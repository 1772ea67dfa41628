#include "TableFixture.h"

#include "binding/MemoryRecordFile.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "rules/clsCardPool.h"
#include "shell/Ports.h"

#include <memory>

void TableFixture::SetUp() {
    ports.model = &table.model();
    Ports::installShowMessage(
        [this](const QString& m, const QString&, const QString&) { shownMessages.push_back(m); });
    clsStore::instance().setFileAccess(std::make_unique<MemoryRecordFile>());
    clsLanguage& texts = clsLanguage::instance();
    for (int t = 0; t < clsLanguage::TextCount; ++t)
        texts.setText(static_cast<clsLanguage::Text>(t), QString::number(t));
    GameState::instance().GameMode = GameState::SingleGame;
    for (int i = 0; i < 4; ++i)
        clsPlayer::instance().setHandCard(i, static_cast<std::int16_t>(i));
}

void TableFixture::TearDown() {
    Ports::installShowMessage(nullptr);
}

void TableFixture::StartWithPlayerToMove() {
    // Four computer hand draws, eighty shuffle draws that exchange nothing, side 0 begins.
    Random::SetSequence(std::vector<double>(85, 0.0));
    table.StartMatch();
    table.Activated();
    table.model().clear(0, TableModel::FirstHandSlot - 1);
    ports.sounds.clear();
    ports.waits.clear();
}

void TableFixture::StartMultiplayerWithPlayerToMove(bool host) {
    GameState& state = GameState::instance();
    state.GameMode = GameState::Multiplayer;
    state.IsHost = host;
    state.HostBegins = true;
    StartWithPlayerToMove();
    if (!host)
        table.RemoteTurnGiven(0);
    ports.told.clear();
}

void TableFixture::Lay(int side, const std::vector<const char*>& texts, int face) {
    TableModel& model = table.model();
    for (const char* text : texts) {
        const int slot = model.FreeSlot(side);
        model.setFace(slot, face);
        model.setText(slot, CardText(text));
    }
}

void TableFixture::NextCardIs(int value) {
    Random::SetSequence(std::vector<double>(80, 0.0));
    clsCardPool& pool = table.deck();
    pool.CreateNew();
    while (pool.CardAt(pool.Top()) != value)
        pool.GetCard();
}

std::vector<std::string> TableFixture::Texts(int first, int last, const TableModel& model) {
    std::vector<std::string> texts;
    for (int slot = first; slot <= last && !model.text(slot).empty(); ++slot)
        texts.emplace_back(model.text(slot).view());
    return texts;
}
