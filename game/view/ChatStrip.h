#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class ctlChatBox;
class QWidget;

// The strip below the game table: the chat box, the connection state and the message input.
// Outside multiplayer it lies below the window's lower edge and its input is disabled. Its
// pieces are the table's own children, so the table's Send button and keys reach them alike.
class ChatStrip : public QObject {
    Q_OBJECT
public:
    explicit ChatStrip(QWidget* table);

    void TextsOnLoad();
    // The strip lies below the window outside multiplayer: hidden there, it is out of reach.
    void setShown(bool shown);
    // Type 0 information, 1 the player's own line, 2 the other player's.
    void AddChatLine(const QString& line, int type);
    // The connection state text beside the chat box.
    void ShowState(const QString& text);
    // Sends what the input holds: an empty input is refused with a message, anything else is
    // written into the chat box under the player's name and announced.
    void Send();

Q_SIGNALS:
    // A chat line of the player, for the other program.
    void Sent(const QString& line);

private:
    ctlChatBox* chbChat;
    QLabel* txtState;
    QLineEdit* txtMessage;
};
