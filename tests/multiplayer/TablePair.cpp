#include "TablePair.h"

#include "binding/MemoryRecordFile.h"
#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "rules/CardKind.h"
#include "rules/Random.h"
#include "rules/TableModel.h"

TablePair::Side::Side() {
    state.GameMode = GameState::Multiplayer;
    link.setTable(&table);
}

void TablePair::Side::Enter() const {
    GameState::instance() = state;
    clsPlayer::instance() = player;
    clsOpponent::instance() = opponent;
}

void TablePair::Side::Leave() {
    state = GameState::instance();
    player = clsPlayer::instance();
    opponent = clsOpponent::instance();
}

TablePair::TablePair(std::uint64_t seed) {
    clsStore::instance().setFileAccess(std::make_unique<MemoryRecordFile>());
    clsLanguage& texts = clsLanguage::instance();
    for (int t = 0; t < clsLanguage::TextCount; ++t)
        texts.setText(static_cast<clsLanguage::Text>(t), QString::number(t));
    Random::Seed(seed);
    host = std::make_unique<Side>();
    client = std::make_unique<Side>();
    host->state.IsHost = true;
}

void TablePair::StartMatch(bool hostBegins) {
    for (Side* side : {host.get(), client.get()}) {
        As(*side, [side, hostBegins] {
            GameState::instance().HostBegins = hostBegins;
            for (int i = 0; i < 4; ++i)
                clsPlayer::instance().setHandCard(
                    i, static_cast<std::int16_t>(Random::Pick(CardKind::Count)));
            side->markers.fill(false);
            side->matchResult = -1;
            side->receiver.Reset();
            side->table.StartMatch();
            side->table.Activated();
        });
    }
}

int TablePair::Deliver(Side& from, Side& to, int piece) {
    const QByteArray bytes = from.outbox;
    from.outbox.clear();
    int delivered = 0;
    As(to, [&] {
        const qsizetype step = piece > 0 ? piece : std::max<qsizetype>(bytes.size(), 1);
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            const std::vector<QString> lines = to.codec.Feed(bytes.mid(at, step));
            delivered += static_cast<int>(lines.size());
            to.receiver.Receive(lines);
        }
    });
    return delivered;
}

void TablePair::Settle() {
    while (!host->outbox.isEmpty() || !client->outbox.isEmpty()) {
        Deliver(*host, *client);
        Deliver(*client, *host);
    }
}

TablePair::Side* TablePair::Mover() {
    for (Side* side : {host.get(), client.get()}) {
        if (side->table.IsOpen() && side->table.match().Player().CanAct)
            return side;
    }
    return nullptr;
}

std::string TablePair::MirrorDifference() {
    const TableModel& h = host->table.model();
    const TableModel& c = client->table.model();
    for (int slot = 0; slot < 2 * TableModel::SideSlots; ++slot) {
        const int mirrored = (slot + TableModel::SideSlots) % (2 * TableModel::SideSlots);
        if (h.text(slot).view() != c.text(mirrored).view())
            return "slot " + std::to_string(slot) + ": host " + std::string(h.text(slot).view()) +
                   ", client " + std::string(c.text(mirrored).view());
    }
    if (host->table.match().Player().Count != client->table.match().Opponent().Count ||
        host->table.match().Opponent().Count != client->table.match().Player().Count)
        return "counts";
    if (host->table.match().Player().Stand != client->table.match().Opponent().Stand ||
        host->table.match().Opponent().Stand != client->table.match().Player().Stand)
        return "stands";
    for (std::size_t m = 0; m < 3; ++m) {
        if (host->markers[m] != client->markers[m + 3] ||
            host->markers[m + 3] != client->markers[m])
            return "set markers";
    }
    return {};
}
