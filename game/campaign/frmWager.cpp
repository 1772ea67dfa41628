#include "campaign/frmWager.h"

#include "campaign/WagerRules.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "shell/Look.h"
#include "shell/WindowLabel.h"
#include "shell/ctlButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int Margin = 16;
constexpr int ButtonWidth = 118;
constexpr int ButtonHeight = 22;
} // namespace

frmWager::frmWager(QWidget* parent)
    : FramedWindow(WithoutCloseButton, parent), txtWager(new QLineEdit(this)),
      cmdWager(new ctlButton(this)),
      cmdEnd(new ctlButton(this)), lblInfo{makeLabel(QStringLiteral("lblInfo0"), 14),
                                           makeLabel(QStringLiteral("lblInfo1"), 94),
                                           makeLabel(QStringLiteral("lblInfo2"), 74)} {
    setObjectName(QStringLiteral("frmWager"));
    txtWager->setObjectName(QStringLiteral("txtWager"));
    cmdWager->setObjectName(QStringLiteral("cmdWager"));
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    txtWager->installEventFilter(this);
    fillTexts();
    layOut();
    connect(txtWager, &QLineEdit::textChanged, this, &frmWager::Validate);
    connect(cmdWager, &QAbstractButton::clicked, this, &frmWager::StoreWager);
    connect(cmdEnd, &QAbstractButton::clicked, this, &frmWager::End);
    const clsPlayer& player = clsPlayer::instance();
    txtWager->setText(
        QString::number(WagerRules::Preset(player.Credits(), clsOpponent::instance().MaxWager())));
    Validate();
    txtWager->selectAll();
    txtWager->setFocus();
}

QLabel* frmWager::makeLabel(const QString& name, int top) {
    return MakeWindowLabel(this, name, QRect(Margin, top, WindowWidth - 2 * Margin, 18), 9);
}

void frmWager::fillTexts() {
    const clsLanguage& t = clsLanguage::instance();
    const clsPlayer& player = clsPlayer::instance();
    setWindowTitle(t.Wager());
    cmdEnd->setCaption(t.sEnd());
    cmdWager->setCaption(t.Wager());
    lblInfo[0]->setText(t.WagerHowMuch());
    lblInfo[2]->setText(QStringLiteral("Credits: ") + QString::number(player.Credits()));
    if (GameState::instance().GameMode != GameState::SingleGame)
        lblInfo[1]->setText(t.WagerMax() + QStringLiteral(": ") +
                            QString::number(clsOpponent::instance().MaxWager()));
    else
        lblInfo[1]->setText(t.Highscore() + QStringLiteral(": ") +
                            QString::number(player.Highscore()));
    txtWager->setAccessibleName(t.WagerHowMuch());
}

void frmWager::layOut() {
    setFixedSize(WindowWidth, WindowHeight);
    txtWager->setGeometry(Margin, 40, WindowWidth - 2 * Margin, 24);
    txtWager->setFont(Look::DisplayFont(10));
    txtWager->setStyleSheet(QStringLiteral("color: rgb(0, 166, 247); background: rgb(20, 16, "
                                           "14); border: 1px solid rgb(197, 160, 49);"));
    const int top = WindowHeight - ButtonHeight - Margin;
    cmdWager->setGeometry(Margin, top, ButtonWidth, ButtonHeight);
    cmdEnd->setGeometry(WindowWidth - Margin - ButtonWidth, top, ButtonWidth, ButtonHeight);
}

void frmWager::Validate() {
    const clsPlayer& player = clsPlayer::instance();
    cmdWager->setEnabled(WagerRules::Accepts(txtWager->text(), player.Credits(),
                                             clsOpponent::instance().MaxWager()));
}

void frmWager::StoreWager() {
    if (!cmdWager->isEnabled())
        return;
    const auto wager = static_cast<std::int32_t>(*WagerRules::Amount(txtWager->text()));
    clsPlayer::instance().Wager = wager;
    Q_EMIT wagerStored(wager);
    accept();
}

void frmWager::End() {
    Q_EMIT ended();
    done(Rejected);
}

void frmWager::reject() {
    End();
}

bool frmWager::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWager && event->type() == QEvent::KeyPress)
        return filterKey(static_cast<QKeyEvent*>(event));
    return FramedWindow::eventFilter(watched, event);
}

// Digits and backspace reach the box; Enter checks the amount and stores it when it is valid;
// every other typed character is dropped. Keys that type nothing (arrows, Tab) work as usual.
bool frmWager::filterKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Validate();
        if (cmdWager->isEnabled())
            cmdWager->click();
        return true;
    }
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape)
        return false;
    const QString typed = key->text();
    if (typed.isEmpty() || key->matches(QKeySequence::Paste))
        return false;
    return !(typed.size() == 1 && typed.front() >= u'0' && typed.front() <= u'9');
}
