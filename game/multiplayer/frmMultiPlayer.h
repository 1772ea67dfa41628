#pragma once

#include "shell/FramedWindow.h"

#include <QString>

class MultiplayerSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class ctlButton;

// The connection window: host on one of the computer's addresses (or on all of them), or join
// the host at the address typed in. While it waits it shows what the socket is doing; once the
// connection stands it hands over to the side deck selection. Closing it otherwise closes the
// socket.
class frmMultiPlayer : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 340;
    static constexpr int WindowHeight = 210;
    static constexpr int StateInterval = 500;

    // The menu's opener: shows the window modally over the main window.
    static void Open(MultiplayerSession& session);

    frmMultiPlayer(MultiplayerSession& session, QWidget* parent = nullptr);

    void Host();
    void Join();
    // The waiting text, and the hand-over once the connection stands.
    void StateTick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void Load();
    void StartWaiting();
    QString WaitingText() const;
    void HandOver();

    MultiplayerSession& m_session;
    QLabel* lblMultiPlayer;
    QLineEdit* txtIP;
    QComboBox* cboLocalIP;
    ctlButton* cmdHost;
    ctlButton* cmdClient;
    QLabel* lblState;
    QTimer* tmrState;
    QString m_dots;
    bool m_handedOver = false;
};
