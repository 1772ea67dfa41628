#include "view/ChatStrip.h"

#include "multiplayer/ctlChatBox.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "shell/Ports.h"
#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"
#include "view/TableLabel.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int InformationLine = 0;
constexpr int OwnLine = 1;
// Leaves room for the name in front: a whole chat line always fits one protocol line.
constexpr int MaxMessage = 300;
} // namespace

ChatStrip::ChatStrip(QWidget* table)
    : QObject(table), chbChat(new ctlChatBox(table)),
      txtState(MakeTableLabel(table, QStringLiteral("txtState"), {520, 776}, 388, 9)),
      txtMessage(new QLineEdit(table)) {
    chbChat->move(36, 780);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(520, 796, 388, 24);
    txtMessage->setEnabled(GameState::instance().isMultiplayer());
    const QString field = QStringLiteral("color: rgb(173, 173, 151); background: rgb(14, 12, 10); "
                                         "border: 1px solid rgb(96, 78, 30);");
    txtMessage->setStyleSheet(field);
    txtMessage->setMaxLength(MaxMessage);
    connect(txtMessage, &QLineEdit::returnPressed, this, &ChatStrip::Send);
}

void ChatStrip::TextsOnLoad() {
    const clsLanguage& t = clsLanguage::instance();
    txtState->setText(t.state() + QStringLiteral(": ") + t.SckConnect());
    txtMessage->setAccessibleName(t.sSend());
    AddChatLine(QStringLiteral("Quelta Brovel Online - v") + clsStore::instance().Version(),
                InformationLine);
}

void ChatStrip::setShown(bool shown) {
    chbChat->setVisible(shown);
    txtState->setVisible(shown);
    txtMessage->setVisible(shown);
}

void ChatStrip::AddChatLine(const QString& line, int type) {
    chbChat->AddLine(type, line);
}

void ChatStrip::ShowState(const QString& text) {
    txtState->setText(text);
}

void ChatStrip::Send() {
    const QString text = txtMessage->text();
    txtMessage->clear();
    if (text.isEmpty()) {
        ::ShowMessage(clsLanguage::instance().NoMessage());
        return;
    }
    modSoundSystem::PlaySound(SoundEffect::Click);
    const QString line =
        QLatin1Char('[') + clsPlayer::instance().Name() + QStringLiteral("] ") + text;
    AddChatLine(line, OwnLine);
    Q_EMIT Sent(line);
}
