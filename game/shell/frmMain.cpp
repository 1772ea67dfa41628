#include "shell/frmMain.h"

#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "shell/MenuBackdrop.h"
#include "shell/Ports.h"
#include "shell/StartupLog.h"
#include "shell/ctlButton.h"
#include "shell/ctlToolbox.h"
#include "shell/frmInfo.h"
#include "shell/modWindow.h"
#include "sound/modSoundSystem.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

namespace {

constexpr std::int32_t ColourKey = 0xff00ff;
constexpr int ReadyInterval = 500;
constexpr QRect MenuColumn{372, 128, 190, 26};
constexpr int MenuRowStep = 36;
// Long enough for the event loop to go idle once, which is when the first frame reaches the
// screen; starting the music player takes longer than drawing the whole menu.
constexpr int DeferredStartMs = 100;
const QString WebSite = QStringLiteral("localhost:8787");

} // namespace

QString frmMain::UserGuideAddress() {
    return QStringLiteral("http://") + WebSite + QStringLiteral("/index.php?page=userguide");
}

// Highscore / 5 never ends in .5, so rounding to nearest is exact here.
std::int32_t frmMain::SingleGameCredits(std::int32_t highscore) {
    if (highscore <= 125)
        return 25;
    return static_cast<std::int32_t>(std::nearbyint(highscore / 5.0));
}

frmMain::frmMain()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_backdrop(MenuBackdrop::Paint()),
      m_tmrReady(new QTimer(this)), cmdSinglegame(addMenuButton(QStringLiteral("cmdSinglegame"), 0,
                                                                [this] { startSingleGame(); })),
      cmdCampaign(
          addMenuButton(QStringLiteral("cmdCampaign"), 1, [this] { Q_EMIT campaignChosen(); })),
      cmdMultiPlayer(addMenuButton(QStringLiteral("cmdMultiPlayer"), 2,
                                   [this] { Q_EMIT multiPlayerChosen(); })),
      cmdSettings(
          addMenuButton(QStringLiteral("cmdSettings"), 3, [this] { Q_EMIT settingsChosen(); })),
      cmdUpdate(addMenuButton(QStringLiteral("cmdUpdate"), 4, [this] { Q_EMIT updateChosen(); })),
      cmdInfo(addMenuButton(QStringLiteral("cmdInfo"), 5, [this] { showInfo(); })),
      cmdHelp(addMenuButton(QStringLiteral("cmdHelp"), 6, [this] { Q_EMIT userGuideChosen(); })),
      cmdEnd(addMenuButton(QStringLiteral("cmdEnd"), 7, [] { EndProgram(); })),
      tbMinimize(new ctlToolbox(this)), tbClose(new ctlToolbox(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quelta Brovel"));
    setFixedSize(MenuBackdrop::WindowSize);
    m_tmrReady->setInterval(ReadyInterval);
    tbMinimize->setObjectName(QStringLiteral("tbMinimize"));
    tbClose->setObjectName(QStringLiteral("tbClose"));
    tbMinimize->move(width() - 64, 26);
    tbClose->move(width() - 42, 26);
    connect(tbMinimize, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(tbClose, &QAbstractButton::clicked, this, [] { EndProgram(); });
    modWindow::setMainWindow(this);
    modWindow::SetWindowGlass(this, 255, ColourKey);
}

ctlButton* frmMain::addMenuButton(const QString& name, int row, std::function<void()> action) {
    auto* button = new ctlButton(this);
    button->setObjectName(name);
    button->setFontSize(10);
    button->setGeometry(MenuColumn.translated(0, row * MenuRowStep));
    connect(button, &QAbstractButton::clicked, this, std::move(action));
    return button;
}

bool frmMain::Load() {
    // Placed first, so that start-up messages appear where the menu will be.
    modWindow::CenterOverMain(this);
    modSoundSystem::InitSound(static_cast<std::intptr_t>(winId()));
    Random::SeedFromClock();
    if (!clsStore::instance().Initialize())
        return false;
    tbMinimize->setMinButton(true);
    Form_Language();
    return true;
}

void frmMain::Form_Language() {
    const clsLanguage& t = clsLanguage::instance();
    cmdSettings->setCaption(t.Options());
    cmdCampaign->setCaption(t.Campaign());
    cmdSinglegame->setCaption(t.Singlegame());
    cmdMultiPlayer->setCaption(t.Multiplayer());
    cmdInfo->setCaption(t.Info());
    cmdUpdate->setCaption(t.Update());
    cmdHelp->setCaption(t.UserGuide());
    cmdEnd->setCaption(t.Quit());
    tbClose->setMinButton(false);
}

// The music and anything else that can wait starts once the menu is on screen.
void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backdrop);
    if (!m_firstFrameShown) {
        m_firstFrameShown = true;
        QTimer::singleShot(DeferredStartMs, this, &frmMain::startDeferredWork);
    }
}

void frmMain::startDeferredWork() {
    reportShown();
    modSoundSystem::StartMusic();
}

void frmMain::reportShown() const {
    QStringList captions;
    for (const ctlButton* button : findChildren<ctlButton*>())
        captions << button->Caption();
    qCDebug(lcStartup).noquote() << "menu shown in" << QFontInfo(cmdSinglegame->font()).family()
                                 << "with" << captions.join(QStringLiteral(" | "));
}

void frmMain::mousePressEvent(QMouseEvent*) {
    modWindow::DragWindow(this);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        Q_EMIT userGuideChosen();
    else
        QWidget::keyPressEvent(event);
}

// Closed by the desktop rather than by the menu: the program ends the one way it ends, which
// releases the sound effects on the way out.
void frmMain::closeEvent(QCloseEvent* event) {
    EndProgram();
    QWidget::closeEvent(event);
}

void frmMain::startSingleGame() {
    GameState::instance().GameMode = GameState::SingleGame;
    clsPlayer& player = clsPlayer::instance();
    player.setCredits(SingleGameCredits(player.Highscore()));
    Q_EMIT singleGameChosen();
}

void frmMain::showInfo() {
    frmInfo info(this);
    info.exec();
}
