#include "GuidePage.h"

#include "shell/CardPainter.h"

#include <QBuffer>
#include <QRegularExpression>
#include <stdexcept>

namespace {
QVector<CardRow::Card> cardsOf(const QString& list) {
    QVector<CardRow::Card> cards;
    for (const QString& token : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto colon = token.indexOf(QLatin1Char(':'));
        bool ok = false;
        const int face = token.left(colon).toInt(&ok);
        if (colon < 0 || !ok || face < 0 || face >= CardPainter::FaceCount)
            throw std::runtime_error("not a card: " + token.toStdString());
        cards.push_back({face, token.mid(colon + 1)});
    }
    if (cards.isEmpty())
        throw std::runtime_error("a card picture without cards");
    return cards;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
} // namespace

GuidePage::GuidePage(const CardRow& painter, QString style, QString version)
    : m_painter(painter), m_style(std::move(style)), m_version(std::move(version)) {
}

QString GuidePage::cardsPicture(const QString& spec) const {
    const auto bar = spec.indexOf(QLatin1Char('|'));
    const QString caption = bar < 0 ? QString() : spec.mid(bar + 1).trimmed();
    const QImage image = m_painter.Paint(cardsOf(spec.left(bar)));
    return QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\" "
                          "alt=\"%4\">")
        .arg(QString::fromLatin1(png(image).toBase64()))
        .arg(image.width())
        .arg(image.height())
        .arg(caption.toHtmlEscaped());
}

QString GuidePage::Fill(const QString& page) const {
    static const QRegularExpression placeholder(QStringLiteral(R"(\{\{(\w+)\s*([^}]*)\}\})"));
    QString out;
    qsizetype done = 0;
    for (auto it = placeholder.globalMatch(page); it.hasNext();) {
        const auto match = it.next();
        out += page.mid(done, match.capturedStart() - done);
        const QString name = match.captured(1);
        if (name == QLatin1String("style"))
            out += m_style;
        else if (name == QLatin1String("version"))
            out += m_version;
        else if (name == QLatin1String("cards"))
            out += cardsPicture(match.captured(2));
        else
            throw std::runtime_error("unknown placeholder " + name.toStdString());
        done = match.capturedEnd();
    }
    return out + page.mid(done);
}
