#include "shell/frmMessage.h"

#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/GameState.h"
#include "shell/Look.h"
#include "shell/ctlButton.h"
#include "shell/modWindow.h"
#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int ButtonWidth = 118;
constexpr int ButtonHeight = 22;
constexpr int ButtonTop = frmMessage::DesignHeight - ButtonHeight - frmMessage::Margin;

std::function<void()>& quitConfirmed() {
    static std::function<void()> action;
    return action;
}

std::function<void()>& waitCancelled() {
    static std::function<void()> action;
    return action;
}

// An unset language text never matches, so an empty message cannot pass for a question.
bool isText(const QString& message, const QString& text) {
    return !text.trimmed().isEmpty() && message == text;
}

ctlButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new ctlButton(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->resize(ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

void frmMessage::ShowMessage(const QString& message, const QString& firstButton,
                             const QString& secondButton) {
    const QString first = firstButton.isEmpty() ? clsLanguage::instance().Ok() : firstButton;
    frmMessage box(message, first, secondButton);
    modSoundSystem::PlaySound(SoundFor(message));
    box.exec();
}

int frmMessage::SoundFor(const QString& message) {
    const clsLanguage& t = clsLanguage::instance();
    const std::array<std::pair<QString, int>, 8> sounds{{
        {t.MatchLost() + QStringLiteral("\r\n") + t.NoCreditsLeft(), SoundEffect::MatchLost},
        {t.MatchLost(), SoundEffect::MatchLost},
        {t.NextLevel(), SoundEffect::LevelReached},
        {t.CampaignEnd(), SoundEffect::LevelReached},
        {t.MatchWon(), SoundEffect::MatchWon},
        {t.SetLost(), SoundEffect::SetLost},
        {t.SetWon(), SoundEffect::SetWon},
        {t.SetTied(), SoundEffect::SetTied},
    }};
    for (const auto& [text, sound] : sounds) {
        if (isText(message, text))
            return sound;
    }
    return SoundEffect::OtherMessage;
}

void frmMessage::setQuitConfirmedAction(std::function<void()> action) {
    quitConfirmed() = std::move(action);
}

void frmMessage::setWaitCancelledAction(std::function<void()> action) {
    waitCancelled() = std::move(action);
}

frmMessage::frmMessage(const QString& message, const QString& firstButton,
                       const QString& secondButton)
    : FramedWindow(WithoutCloseButton), lblMessage(new QLabel(message, this)),
      cmdFirstButton(makeButton(this, QStringLiteral("cmdFirstButton"), firstButton)),
      cmdSecondButton(makeButton(this, QStringLiteral("cmdSecondButton"), secondButton)) {
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(message);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setFont(Look::DisplayFont(9));
    lblMessage->setStyleSheet(QStringLiteral("color: rgb(0, 166, 247);"));
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdSecondButton->setVisible(!secondButton.isEmpty());
    fitWidth(message);
    placeButtons();
    connect(cmdFirstButton, &QAbstractButton::clicked, this, &frmMessage::firstButtonClicked);
    connect(cmdSecondButton, &QAbstractButton::clicked, this, &QDialog::close);
    cmdFirstButton->setFocus();
}

// The box grows with its longest line up to MaxWidth and never becomes narrower than its design.
void frmMessage::fitWidth(const QString& message) {
    const QFontMetrics metrics(lblMessage->font());
    int longest = 0;
    for (const QString& line : message.split(u'\n'))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    const int needed = longest + 2 * Margin;
    const int w = std::clamp(needed, DesignWidth, MaxWidth);
    setFixedSize(w, DesignHeight);
    lblMessage->setGeometry(Margin, Margin, w - 2 * Margin, ButtonTop - Margin - 4);
}

void frmMessage::placeButtons() {
    const int w = width();
    const int w1 = cmdFirstButton->width();
    if (cmdSecondButton->isHidden()) {
        cmdFirstButton->move((w - w1) / 2, ButtonTop);
        return;
    }
    const int w2 = cmdSecondButton->width();
    cmdFirstButton->move((w - w1 - w2 - ButtonGap) / 2, ButtonTop);
    cmdSecondButton->move((w + w1 - w2 + ButtonGap) / 2, ButtonTop);
}

void frmMessage::firstButtonClicked() {
    const QString message = lblMessage->text();
    const clsLanguage& t = clsLanguage::instance();
    if (isText(message, t.QuitReally()))
        confirmQuit();
    else if (isText(message, t.WaitingForPlayer()))
        cancelWaiting();
    close();
}

// Quitting a single game still counts its credits towards the highscore.
void frmMessage::confirmQuit() {
    clsPlayer& player = clsPlayer::instance();
    const bool single = GameState::instance().GameMode == GameState::SingleGame;
    if (single && player.Highscore() < player.Credits())
        player.setHighscore(player.Credits());
    if (quitConfirmed())
        quitConfirmed()();
}

void frmMessage::cancelWaiting() {
    if (waitCancelled())
        waitCancelled()();
    if (QWidget* main = modWindow::MainWindow())
        main->show();
}

// Escape answers with the last button: "No" of a question, or the only button.
void frmMessage::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        FramedWindow::keyPressEvent(event);
        return;
    }
    (cmdSecondButton->isHidden() ? cmdFirstButton : cmdSecondButton)->click();
}
