#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// A row of cards as the table shows them: the game's own card faces with each card's text in
// its value window, side by side.
class CardRow {
public:
    struct Card {
        int face;
        QString text;
    };

    // The family of the game's font, once loaded; empty for the platform's default.
    explicit CardRow(QString fontFamily) : m_fontFamily(std::move(fontFamily)) {}

    QImage Paint(const QVector<Card>& cards) const;

private:
    static constexpr int Gap = 8;
    QString m_fontFamily;
};
