#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

class QLabel;

// The chat box of the game table: the last five lines, oldest at the top, each in the colour of
// its kind (information, own line, the other player's line). A fixed 473 by 101 pixels that no
// layout can change. Lines are plain text, cut to the width they have.
class ctlChatBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int Lines = 5;
    static constexpr int BoxWidth = 473;
    static constexpr int BoxHeight = 101;
    static constexpr int LineStep = 19;

    explicit ctlChatBox(QWidget* parent = nullptr);

    // Type 0 information, 1 own line, 2 the other player's; another type keeps the colour the
    // record had.
    void AddLine(int messageType, const QString& text);
    // Forgets every line; the labels keep showing theirs until the next AddLine.
    void Clear();

    int LineCount() const { return m_count; }
    QString LineText(int index) const { return m_records[static_cast<std::size_t>(index)].text; }
    QColor LineColour(int index) const { return m_records[static_cast<std::size_t>(index)].colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Record {
        QColor colour = Qt::black;
        QString text;
    };
    void Redraw();

    std::array<Record, Lines> m_records{};
    std::array<QLabel*, Lines> lblChat{};
    int m_count = 0;
};
