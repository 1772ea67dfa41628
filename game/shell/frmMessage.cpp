#include "shell/frmMessage.h"

#include "profile/clsLanguage.h"
#include "shell/Look.h"
#include "shell/ctlButton.h"
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

ctlButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new ctlButton(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->resize(ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

frmMessage::Answer frmMessage::ShowMessage(const QString& message, const QString& firstButton,
                                           const QString& secondButton) {
    const QString first = firstButton.isEmpty() ? clsLanguage::instance().Ok() : firstButton;
    frmMessage box(message, first, secondButton);
    modSoundSystem::PlaySound(SoundFor(message));
    box.exec();
    return box.m_answer;
}

bool frmMessage::IsText(const QString& message, const QString& text) {
    return !text.trimmed().isEmpty() && message == text;
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
        if (IsText(message, text))
            return sound;
    }
    return SoundEffect::OtherMessage;
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
    connect(cmdFirstButton, &QAbstractButton::clicked, this, [this] { answer(FirstButton); });
    connect(cmdSecondButton, &QAbstractButton::clicked, this, [this] { answer(SecondButton); });
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

void frmMessage::answer(Answer given) {
    m_answer = given;
    close();
}

// Escape answers with the last button: "No" of a question, or the only button.
void frmMessage::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        FramedWindow::keyPressEvent(event);
        return;
    }
    (cmdSecondButton->isHidden() ? cmdFirstButton : cmdSecondButton)->click();
}
