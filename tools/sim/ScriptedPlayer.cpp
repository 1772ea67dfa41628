#include "ScriptedPlayer.h"

#include "rules/CardText.h"
#include "rules/GameTable.h"
#include "rules/Twenty.h"

namespace {
constexpr int StandFrom = 17;

// What playing this hand text would add to side 0's count.
int TextGain(const TableModel& model, const CardText& text) {
    if (text == CardText("D")) {
        const int last = model.LastSlot(0);
        return last < 0 ? 0 : model.text(last).value();
    }
    if (text == CardText("2&4") || text == CardText("3&6")) {
        const int a = text.front() - '0';
        const int b = text.back() - '0';
        int gain = 0;
        for (int slot = 0; slot <= model.LastSlot(0); ++slot) {
            const CardText& t = model.text(slot);
            const int n = t.number();
            if (t.isNumber() && n != 0 && (n == a || n == -a || n == b || n == -b))
                gain -= 2 * n;
        }
        return gain;
    }
    return text.value();
}
} // namespace

int ScriptedPlayer::Gain(const GameTable& table, int handIndex, bool flip, bool magnitude) {
    int gain = TextGain(table.model(), table.model().text(TableModel::FirstHandSlot + handIndex));
    if (magnitude)
        gain = (gain == 1 || gain == -1) ? 2 * gain : gain / 2;
    return flip ? -gain : gain;
}

bool ScriptedPlayer::Better(const Choice& candidate, const Choice& best, int count) {
    if (candidate.count > Twenty)
        return false;
    const bool useful = count > Twenty || candidate.count >= 18;
    return useful && (best.handIndex < 0 || candidate.count > best.count);
}

ScriptedPlayer::Choice ScriptedPlayer::BestCard(const GameTable& table, int count,
                                                int opponentCount, bool opponentStands) {
    Choice best;
    for (int i = 0; i < 4; ++i) {
        if (table.model().text(TableModel::FirstHandSlot + i).empty())
            continue;
        for (int variant = 0; variant < 4; ++variant) {
            Choice c{i, (variant & 1) != 0, (variant & 2) != 0, 0};
            if ((c.flip && !table.hand().SignControlShown(i)) ||
                (c.magnitude && !table.hand().MagnitudeControlShown(i)))
                continue;
            c.count = count + Gain(table, i, c.flip, c.magnitude);
            if (opponentStands && c.count < opponentCount && count <= Twenty)
                continue;
            if (Better(c, best, count))
                best = c;
        }
    }
    return best;
}

void ScriptedPlayer::Act(GameTable& table) {
    const MatchState::Side& player = table.match().Player();
    const MatchState::Side& opponent = table.match().Opponent();
    const auto serial = table.SetSerial();
    if (player.CanPlayCard && !player.Stand) {
        const Choice choice = BestCard(table, player.Count, opponent.Count, opponent.Stand);
        if (choice.handIndex >= 0) {
            if (choice.flip)
                table.FlipClick(choice.handIndex);
            if (choice.magnitude)
                table.MagnitudeClick(choice.handIndex);
            table.HandCardClick(TableModel::FirstHandSlot + choice.handIndex);
        }
    }
    if (!table.IsCurrent(serial) || !player.CanAct)
        return; // the card decided the set or stood at 20
    const bool leads = opponent.Stand && player.Count > opponent.Count;
    const bool stand = player.Count >= StandFrom && player.Count <= Twenty;
    table.ButtonClick(stand || leads ? GameTable::StandButton : GameTable::EndTurnButton);
}
