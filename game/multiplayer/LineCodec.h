#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The framing of the protocol: every line ends in CR LF and travels in Windows-1252. A
// delivery may end inside a line; that piece is kept and completed by the next delivery. A line
// that grows past MaxLine bytes before its CR LF marks the stream broken: the other side is not
// speaking the protocol, and the codec never holds more than that.
class LineCodec {
public:
    static constexpr int MaxLine = 512;

    // The bytes of one line with its CR LF.
    static QByteArray Encode(const QString& line);

    // Adds a delivery and returns the lines it completed, in order, without their CR LF.
    // Once the stream is broken nothing more is returned.
    std::vector<QString> Feed(const QByteArray& bytes);
    bool Broken() const { return m_broken; }
    // Forgets a partial line and a broken state, for a new connection.
    void Reset();

private:
    static QString Decode(const QByteArray& bytes);

    QByteArray m_pending;
    bool m_broken = false;
};
