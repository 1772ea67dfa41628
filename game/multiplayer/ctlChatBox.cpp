#include "multiplayer/ctlChatBox.h"

#include "shell/Look.h"

#include <QLabel>
#include <QPainter>

namespace {
const std::array<QColor, 3> TypeColours{QColor(173, 173, 151), QColor(0, 166, 247),
                                        QColor(192, 0, 0)};
constexpr int TextLeft = 4;
} // namespace

ctlChatBox::ctlChatBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chbChat"));
    // No layout or resize changes the box.
    setFixedSize(BoxWidth, BoxHeight);
    for (int i = 0; i < Lines; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblChat%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setFont(Look::DisplayFont(9));
        label->setGeometry(TextLeft, 2 + i * LineStep, BoxWidth - 2 * TextLeft, LineStep);
        label->setStyleSheet(QStringLiteral("color: rgb(173, 173, 151);"));
        lblChat[static_cast<std::size_t>(i)] = label;
    }
}

void ctlChatBox::AddLine(int messageType, const QString& text) {
    int at = m_count;
    if (m_count == Lines) {
        std::move(m_records.begin() + 1, m_records.end(), m_records.begin());
        at = Lines - 1;
    } else {
        ++m_count;
    }
    Record& record = m_records[static_cast<std::size_t>(at)];
    record.text = text;
    if (messageType >= 0 && messageType < static_cast<int>(TypeColours.size()))
        record.colour = TypeColours[static_cast<std::size_t>(messageType)];
    Redraw();
}

void ctlChatBox::Clear() {
    m_count = 0;
    m_records.fill(Record{});
}

void ctlChatBox::Redraw() {
    for (std::size_t i = 0; i < lblChat.size(); ++i) {
        QLabel* label = lblChat[i];
        const QString line = m_records[i].text;
        label->setText(label->fontMetrics().elidedText(line, Qt::ElideRight, label->width()));
        label->setAccessibleName(line);
        label->setStyleSheet(QStringLiteral("color: %1;").arg(m_records[i].colour.name()));
    }
}

void ctlChatBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(14, 12, 10));
    painter.setPen(QColor(96, 78, 30));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
