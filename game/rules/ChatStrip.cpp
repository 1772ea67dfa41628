#include "rules/ChatStrip.h"

#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "rules/TableLabel.h"
#include "shell/Ports.h"
#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {} // namespace

ChatStrip::ChatStrip(QWidget* table)
    : QObject(table), chbChat(new QPlainTextEdit(table)),
      txtState(MakeTableLabel(table, QStringLiteral("txtState"), {520, 776}, 388, 9)),
      txtMessage(new QLineEdit(table)) {
    chbChat->setObjectName(QStringLiteral("chbChat"));
    chbChat->setReadOnly(true);
    chbChat->setGeometry(36, 776, 468, 112);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(520, 796, 388, 24);
    txtMessage->setEnabled(GameState::instance().isMultiplayer());
    const QString field = QStringLiteral("color: rgb(173, 173, 151); background: rgb(14, 12, 10); "
                                         "border: 1px solid rgb(96, 78, 30);");
    chbChat->setStyleSheet(field);
    txtMessage->setStyleSheet(field);
    connect(txtMessage, &QLineEdit::returnPressed, this, &ChatStrip::Send);
}

void ChatStrip::TextsOnLoad() {
    const clsLanguage& t = clsLanguage::instance();
    txtState->setText(t.state() + QStringLiteral(": ") + t.SckConnect());
    txtMessage->setAccessibleName(t.sSend());
    AddChatLine(QStringLiteral("Quelta Brovel Online - v") + clsStore::instance().Version());
}

void ChatStrip::setShown(bool shown) {
    chbChat->setVisible(shown);
    txtState->setVisible(shown);
    txtMessage->setVisible(shown);
}

void ChatStrip::AddChatLine(const QString& line) {
    chbChat->appendPlainText(line);
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
    AddChatLine(line);
    Q_EMIT Sent(line);
}
