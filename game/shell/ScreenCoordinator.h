#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class TablePeer;
class frmGame;
class frmMain;
class frmSelectCards;

// The one owner of the game's screens and of the running match. Windows never open each other:
// they say what the player chose and the coordinator opens what follows — the menu, the
// campaign window, the side deck selection (with its wager), the table, and after the table the
// next side deck selection, the campaign window or the menu. It is also the program's message
// box (with the follow-up of the quit and waiting questions) and lets the program end only
// through EndProgram, never by the last window closing.
class ScreenCoordinator : public QObject {
    Q_OBJECT
public:
    ScreenCoordinator();
    ~ScreenCoordinator() override;
    ScreenCoordinator(const ScreenCoordinator&) = delete;
    ScreenCoordinator& operator=(const ScreenCoordinator&) = delete;

    // The main menu, created on first use (after the program's font was loaded).
    frmMain& menu();
    // The menu's load sequence, then the menu on screen. False when the program has to end.
    bool Start();

    // The selection for the next match of the running mode; the menu goes out of sight.
    void OpenSideDeckSelection();
    // The table for the match whose hand was just drawn; peer: the other program in
    // multiplayer, and beforeMatch what has to know the table before its first deal (the
    // other program's receiver). Closes the side deck selection.
    frmGame& OpenTable(TablePeer* peer = nullptr,
                       const std::function<void(frmGame&)>& beforeMatch = {});
    // The open side deck selection and the open table, if any.
    frmSelectCards* SideDeckSelection() const;
    frmGame* CurrentTable() const;
    // The menu back on screen, restored if the player had minimised it.
    void ShowMenu();

    // The program's message box: shows it and carries out what the first button of the quit
    // question (abandon the match) and of the waiting box (give up waiting) means.
    void Message(const QString& message, const QString& firstButton, const QString& secondButton);

Q_SIGNALS:
    // The menu's multiplayer button.
    void multiPlayerChosen();
    // Multiplayer: the player pressed Play with a complete deck and the hand is drawn.
    void localPlayerReady();
    // The player left the side deck selection without a match: the wager's end button, the
    // waiting box's Cancel, or the desktop closing the window.
    void sideDeckLeft();

private:
    void connectMenu();
    void OpenCampaign();
    void SideDeckClosedByPlayer();
    void TableClosed();
    void AfterTable();
    // Back where the player came from: the campaign window in the campaign, else the menu.
    void ReturnFromMatch();
    void AbandonMatch();
    void CancelWaiting();

    std::unique_ptr<frmMain> m_menu;
    QPointer<frmSelectCards> m_sideDeck;
    QPointer<frmGame> m_table;
    bool m_seriesGoesOn = false;
};
