#include "multiplayer/LineCodec.h"

#include "Cp1252.h"

namespace {
const QByteArray LineEnd("\r\n");
} // namespace

QByteArray LineCodec::Encode(const QString& line) {
    const std::string bytes = cp1252::fromUtf8(line.toStdString());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())) + LineEnd;
}

QString LineCodec::Decode(const QByteArray& bytes) {
    return QString::fromStdString(cp1252::toUtf8(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

std::vector<QString> LineCodec::Feed(const QByteArray& bytes) {
    std::vector<QString> lines;
    if (m_broken)
        return lines;
    m_pending += bytes;
    qsizetype start = 0;
    for (qsizetype end = m_pending.indexOf(LineEnd); end >= 0;
         end = m_pending.indexOf(LineEnd, start)) {
        if (end - start > MaxLine) {
            m_broken = true;
            break;
        }
        lines.push_back(Decode(m_pending.mid(start, end - start)));
        start = end + LineEnd.size();
    }
    m_pending.remove(0, start);
    // A lone CR may still be followed by its LF, so it does not count yet.
    const qsizetype open = m_pending.endsWith('\r') ? m_pending.size() - 1 : m_pending.size();
    if (m_broken || open > MaxLine) {
        m_broken = true;
        m_pending.clear();
    }
    return lines;
}

void LineCodec::Reset() {
    m_pending.clear();
    m_broken = false;
}
