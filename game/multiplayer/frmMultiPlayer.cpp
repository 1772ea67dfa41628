#include "multiplayer/frmMultiPlayer.h"

#include "multiplayer/MultiplayerSession.h"
#include "multiplayer/modGetLocalIPs.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "rules/GameState.h"
#include "shell/Look.h"
#include "shell/ScreenCoordinator.h"
#include "shell/WindowLabel.h"
#include "shell/ctlButton.h"
#include "shell/modWindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

constexpr int Margin = 16;
constexpr int RowHeight = 22;
constexpr int ButtonWidth = 140;
const QString BoxStyle = QStringLiteral("color: rgb(0, 166, 247); background: rgb(20, 16, 14); "
                                        "border: 1px solid rgb(197, 160, 49);");

QString NextDots(const QString& dots) {
    return dots.size() >= 3 ? QString() : dots + QLatin1Char('.');
}

} // namespace

void frmMultiPlayer::Open(MultiplayerSession& session) {
    frmMultiPlayer window(session, modWindow::MainWindow());
    window.exec();
}

frmMultiPlayer::frmMultiPlayer(MultiplayerSession& session, QWidget* parent)
    : FramedWindow(WithCloseButton, parent), m_session(session),
      lblMultiPlayer(MakeWindowLabel(this, QStringLiteral("lblMultiPlayer"),
                                     QRect(Margin, 12, WindowWidth - 2 * Margin, 30), 16)),
      txtIP(new QLineEdit(this)), cboLocalIP(new QComboBox(this)), cmdHost(new ctlButton(this)),
      cmdClient(new ctlButton(this)),
      lblState(MakeWindowLabel(this, QStringLiteral("lblState"),
                               QRect(Margin, 56, WindowWidth - 2 * Margin, 120), 9)),
      tmrState(new QTimer(this)) {
    setObjectName(QStringLiteral("frmMultiPlayer"));
    setFixedSize(WindowWidth, WindowHeight);
    lblMultiPlayer->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    lblState->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblState->hide();
    txtIP->setObjectName(QStringLiteral("txtIP"));
    cboLocalIP->setObjectName(QStringLiteral("cboLocalIP"));
    cmdHost->setObjectName(QStringLiteral("cmdHost"));
    cmdClient->setObjectName(QStringLiteral("cmdClient"));
    for (QWidget* box : {static_cast<QWidget*>(txtIP), static_cast<QWidget*>(cboLocalIP)}) {
        box->setFont(Look::DisplayFont(9));
        box->setStyleSheet(BoxStyle);
    }
    txtIP->setGeometry(Margin, 64, WindowWidth - 3 * Margin - ButtonWidth, RowHeight);
    cboLocalIP->setGeometry(Margin, 110, WindowWidth - 3 * Margin - ButtonWidth, RowHeight);
    cmdClient->setGeometry(WindowWidth - Margin - ButtonWidth, 64, ButtonWidth, RowHeight);
    cmdHost->setGeometry(WindowWidth - Margin - ButtonWidth, 110, ButtonWidth, RowHeight);
    tmrState->setInterval(StateInterval);
    txtIP->installEventFilter(this);
    connect(txtIP, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdClient->setEnabled(!text.isEmpty()); });
    connect(cmdHost, &QAbstractButton::clicked, this, &frmMultiPlayer::Host);
    connect(cmdClient, &QAbstractButton::clicked, this, &frmMultiPlayer::Join);
    connect(tmrState, &QTimer::timeout, this, &frmMultiPlayer::StateTick);
    Load();
}

void frmMultiPlayer::Load() {
    const clsLanguage& t = clsLanguage::instance();
    setWindowTitle(t.Multiplayer());
    lblMultiPlayer->setText(t.Multiplayer());
    cmdHost->setCaption(t.Host());
    cmdClient->setCaption(t.Join());
    txtIP->setAccessibleName(QStringLiteral("IP"));
    cboLocalIP->setAccessibleName(QStringLiteral("Local IP"));
    txtIP->setText(clsStore::instance().TempIP());
    cmdClient->setEnabled(!txtIP->text().isEmpty());
    GameState& state = GameState::instance();
    state.GameMode = GameState::Multiplayer;
    state.LocalReady = state.MatchOver = false;
    clsOpponent::instance().setName(t.Opponent());
    modGetLocalIPs::FillLocalIPList(*cboLocalIP);
    if (cboLocalIP->count() > 1)
        cboLocalIP->setCurrentIndex(0);
    else
        cboLocalIP->hide();
}

void frmMultiPlayer::Host() {
    GameState::instance().IsHost = true;
    Winsock& socket = m_session.socket();
    socket.Close();
    const auto port = static_cast<quint16>(clsStore::instance().Port());
    socket.Bind(port, cboLocalIP->isVisible() ? cboLocalIP->currentText() : QString());
    socket.Listen();
    StartWaiting();
}

void frmMultiPlayer::Join() {
    clsStore::instance().setTempIP(txtIP->text());
    GameState::instance().IsHost = false;
    Winsock& socket = m_session.socket();
    socket.Close();
    socket.Connect(txtIP->text(), static_cast<quint16>(clsStore::instance().Port()));
    StartWaiting();
}

void frmMultiPlayer::StartWaiting() {
    for (QWidget* control : {static_cast<QWidget*>(cmdHost), static_cast<QWidget*>(cmdClient),
                             static_cast<QWidget*>(txtIP), static_cast<QWidget*>(cboLocalIP)})
        control->hide();
    lblState->show();
    tmrState->start();
    StateTick();
}

QString frmMultiPlayer::WaitingText() const {
    const clsLanguage& t = clsLanguage::instance();
    const QString first =
        GameState::instance().IsHost ? t.WaitingForPlayer() : t.SckConnectionPending();
    return first + QLatin1Char('\n') + t.PleaseWait() + m_dots + QStringLiteral("\n\n") +
           t.state() + QStringLiteral(": ") +
           t.WinsockStateString(static_cast<short>(m_session.socket().State()));
}

void frmMultiPlayer::StateTick() {
    lblState->setText(WaitingText());
    lblState->setAccessibleName(lblState->text());
    m_dots = NextDots(m_dots);
    if (m_session.socket().State() == Winsock::Connected)
        HandOver();
}

void frmMultiPlayer::HandOver() {
    tmrState->stop();
    m_handedOver = true;
    m_session.Connected();
    close();
    m_session.screens().OpenSideDeckSelection();
}

// Enter in the address acts as Join and goes no further.
bool frmMultiPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtIP && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (cmdClient->isEnabled())
                cmdClient->click();
            return true;
        }
    }
    return FramedWindow::eventFilter(watched, event);
}

// However the window closes, the waiting ends; without a connection the socket closes too.
void frmMultiPlayer::done(int result) {
    tmrState->stop();
    if (!m_handedOver)
        m_session.socket().Close();
    FramedWindow::done(result);
}
