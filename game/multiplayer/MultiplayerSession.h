#pragma once

#include "multiplayer/LineCodec.h"
#include "multiplayer/MultiplayerLink.h"
#include "multiplayer/ProtocolReceiver.h"
#include "multiplayer/Winsock.h"

#include <QObject>
#include <QPointer>

class ScreenCoordinator;
class frmGame;
class frmMain;

// A multiplayer game in the program: the socket, its lines in and out, the readiness exchange
// that starts a match, the table of the match and the end of the connection. One for the
// program's life, beside the main menu.
class MultiplayerSession : public QObject,
                           private MultiplayerLink::Wire,
                           private ProtocolReceiver::Owner {
    Q_OBJECT
public:
    explicit MultiplayerSession(QObject* parent = nullptr);

    // Hooks the session into the screens: the menu's multiplayer button opens the connection
    // window, the side deck selection's ready report and the waiting box's Cancel reach the
    // other program, and the menu's ready timer watches for both players.
    void Install(ScreenCoordinator& screens);

    ScreenCoordinator& screens() { return *m_screens; }

    Winsock& socket() { return m_socket; }
    // The connection stands: the own name, and on the host who begins every set.
    void Connected();
    // One protocol line: 0..12 with its argument. Without a connection nothing happens.
    void SendCommand(int number, const QString& argument = {});

private:
    void Write(const QByteArray& bytes) override;
    void WithTable(const std::function<void(GameTable&)>& act) override;
    void OtherReady() override;

    frmGame* Game();
    void ReadyTick();
    void ReportReady();
    void CancelWaiting();
    void ConnectionRequest(int requestId);
    void DataArrival();
    void ConnectionLost();

    Winsock m_socket;
    LineCodec m_codec;
    ProtocolReceiver m_receiver{*this};
    MultiplayerLink m_link{*this, m_receiver};
    QPointer<frmGame> m_game;
    QPointer<frmMain> m_menu;
    ScreenCoordinator* m_screens = nullptr;
};
