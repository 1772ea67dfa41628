#include "multiplayer/MultiplayerSession.h"

#include "multiplayer/ProtocolCommand.h"
#include "multiplayer/frmMultiPlayer.h"
#include "profile/clsLanguage.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "shell/Ports.h"
#include "shell/ScreenCoordinator.h"
#include "shell/frmMain.h"
#include "shell/frmMessage.h"
#include "shell/modWindow.h"
#include "view/frmGame.h"

#include <QCoreApplication>
#include <QTimer>

MultiplayerSession::MultiplayerSession(QObject* parent) : QObject(parent) {
    connect(&m_socket, &Winsock::ConnectionRequest, this, &MultiplayerSession::ConnectionRequest);
    connect(&m_socket, &Winsock::DataArrival, this, &MultiplayerSession::DataArrival);
    connect(&m_socket, &Winsock::PeerClosed, this, &MultiplayerSession::ConnectionLost);
}

void MultiplayerSession::Install(ScreenCoordinator& screens) {
    m_screens = &screens;
    m_menu = &screens.menu();
    connect(&screens, &ScreenCoordinator::multiPlayerChosen, this,
            [this] { frmMultiPlayer::Open(*this); });
    connect(&screens, &ScreenCoordinator::localPlayerReady, this, &MultiplayerSession::ReportReady);
    connect(&screens, &ScreenCoordinator::sideDeckLeft, this, &MultiplayerSession::CancelWaiting);
    connect(m_menu->tmrReady(), &QTimer::timeout, this, &MultiplayerSession::ReadyTick);
}

void MultiplayerSession::Connected() {
    m_codec.Reset();
    SendCommand(ProtocolCommand::Nam);
    GameState& state = GameState::instance();
    if (!state.IsHost)
        return;
    const int clientBegins = Random::Pick(2);
    SendCommand(ProtocolCommand::Tn, QString::number(clientBegins));
    state.HostBegins = clientBegins == 0;
}

void MultiplayerSession::SendCommand(int number, const QString& argument) {
    m_link.SendCommand(number, argument);
}

// One send, then whatever waits: the line leaves at once, and what came meanwhile is handled.
void MultiplayerSession::Write(const QByteArray& bytes) {
    const int error = m_socket.SendData(bytes);
    if (error != 0 && error != Winsock::WrongProtocolOrConnectionState)
        ReportError(error, QStringLiteral("SendCommand"), m_socket.LastError());
    QCoreApplication::processEvents();
}

frmGame* MultiplayerSession::Game() {
    if (m_game)
        return m_game;
    // The link and the receiver follow the table from its first deal on.
    frmGame& game = m_screens->OpenTable(&m_link, [this](frmGame& table) {
        m_game = &table;
        m_link.setTable(&table.table());
        m_receiver.Reset();
        connect(&table, &frmGame::closed, this, [this] {
            m_game = nullptr;
            m_socket.Close();
        });
    });
    return &game;
}

void MultiplayerSession::WithTable(const std::function<void(GameTable&)>& act) {
    if (m_socket.State() == Winsock::Connected)
        Game()->Hold(act);
}

void MultiplayerSession::ReportReady() {
    SendCommand(ProtocolCommand::Rdy);
}

void MultiplayerSession::OtherReady() {
    if (!m_menu)
        return;
    m_menu->tmrReady()->start();
    ReadyTick();
}

// Both players are ready once the own one is: the side deck selection and the waiting box
// give way to the table.
void MultiplayerSession::ReadyTick() {
    if (!m_menu || !GameState::instance().LocalReady)
        return;
    m_menu->tmrReady()->stop();
    GameState::instance().LocalReady = false;
    if (m_socket.State() != Winsock::Connected)
        return;
    // The other program hears of the start before the table's first set, and the table is up
    // before the other windows go, so the program never lacks a window.
    SendCommand(ProtocolCommand::Plj);
    if (m_socket.State() != Winsock::Connected)
        return;
    Game()->show();
    modWindow::UnloadOtherForms(false);
}

void MultiplayerSession::CancelWaiting() {
    m_socket.Close();
    if (m_menu)
        m_menu->tmrReady()->stop();
}

// The host takes the first request and stops listening; any other finds nobody.
void MultiplayerSession::ConnectionRequest(int requestId) {
    if (!GameState::instance().IsHost || m_socket.State() != Winsock::Listening)
        return;
    m_socket.Close();
    m_socket.Accept(requestId);
}

void MultiplayerSession::DataArrival() {
    const std::vector<QString> lines = m_codec.Feed(m_socket.GetData());
    m_receiver.Receive(lines);
    if (m_codec.Broken())
        ConnectionLost();
}

void MultiplayerSession::ConnectionLost() {
    m_socket.Close();
    m_codec.Reset();
    if (GameState::instance().MatchOver)
        return;
    const clsLanguage& t = clsLanguage::instance();
    if (m_game && m_game->isActiveWindow())
        m_game->ShowConnectionState(t.state() + QStringLiteral(": ") + t.SckClosing());
    ShowMessage(t.SckClosing());
    m_screens->ShowMenu();
    modWindow::UnloadOtherForms(true);
}
