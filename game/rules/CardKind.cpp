#include "rules/CardKind.h"

#include "rules/CardFace.h"

namespace {
constexpr const char* SpecialHandTexts[] = {"+1T", "D", "2&4", "3&6", "+1"};
}

CardText CardKind::HandText(int kind) {
    if (isPlus(kind))
        return CardText::fromNumber(kind + 1, true);
    if (isMinus(kind))
        return CardText::fromNumber(-(kind - 5), true);
    if (isFlip(kind))
        return CardText::fromNumber(kind - 11, true);
    if (kind >= TieBreaker && kind < Count)
        return CardText(SpecialHandTexts[kind - TieBreaker]);
    return {};
}

QString CardKind::ListText(int kind) {
    static const QString plusMinus = QString(QChar(0x00B1));
    if (isFlip(kind))
        return plusMinus + QString::number(kind - 11);
    if (kind == TieBreaker)
        return plusMinus + QStringLiteral("1T");
    if (kind == ValueChange)
        return QStringLiteral("1") + plusMinus + QStringLiteral("2");
    return HandText(kind).toQString();
}

int CardKind::Face(int kind) {
    if (isPlus(kind))
        return CardFace::Plus;
    if (isMinus(kind))
        return CardFace::Minus;
    if (isFlip(kind))
        return CardFace::FlipPlus;
    return isValid(kind) ? int(CardFace::Special) : int(CardFace::None);
}

bool CardKind::HasSignControl(int kind) {
    return isFlip(kind) || kind == TieBreaker || kind == ValueChange;
}

bool CardKind::HasMagnitudeControl(int kind) {
    return kind == ValueChange;
}
