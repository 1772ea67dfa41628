#include "multiplayer/InboundCommand.h"

#include "multiplayer/ProtocolCommand.h"
#include "rules/CardFace.h"

namespace {

constexpr int HighestCard = 10;

int DigitAt(const QString& line, qsizetype at) {
    if (at >= line.size() || line[at] < u'0' || line[at] > u'9')
        return -1;
    return line[at].unicode() - u'0';
}

// Card texts are short ASCII; anything longer or wider is no card.
std::optional<CardText> AsCard(QStringView text) {
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    std::string bytes;
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        bytes.push_back(static_cast<char>(c.unicode()));
    }
    return CardText(std::string_view(bytes));
}

// A number of at most ten either way, or a tie-breaker: what any card on the table can read.
bool CanLieOnTable(const CardText& card) {
    if (card.isTieBreaker())
        return true;
    const int n = card.number();
    return card.isNumber() && n >= -HighestCard && n <= HighestCard;
}

bool IsMainDeckCard(const CardText& card) {
    const char first = card.front();
    return first != '+' && first != '-' && card.isNumber() && card.number() >= 1 &&
           card.number() <= HighestCard;
}

// Control characters would break the chat box's lines; the rest is shown as it came.
QString PlainText(QStringView text) {
    QString plain = text.left(InboundCommand::MaxText).toString();
    for (QChar& c : plain) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return plain;
}

bool ParseCard(const QString& line, InboundCommand& command) {
    command.digit = DigitAt(line, 3);
    command.face = DigitAt(line, 4);
    const auto card = AsCard(QStringView(line).mid(5));
    if (command.digit < 0 || command.digit > 1 || command.face < 0 ||
        command.face > CardFace::MainDeck || !card)
        return false;
    command.card = *card;
    return command.face == CardFace::MainDeck ? IsMainDeckCard(*card) : CanLieOnTable(*card);
}

bool ParseRewrite(const QString& line, InboundCommand& command) {
    command.digit = DigitAt(line, 3);
    const auto card = AsCard(QStringView(line).mid(4));
    if (command.digit < 0 || command.digit > 8 || !card || !CanLieOnTable(*card))
        return false;
    command.card = *card;
    return true;
}

// "tn", "wn" and "pc" carry their digit as the third character of the code.
bool ParseDigitCode(const QString& line, InboundCommand& command, int highest) {
    command.digit = DigitAt(line, 2);
    return command.digit >= 0 && command.digit <= highest;
}

} // namespace

std::optional<InboundCommand> InboundCommand::Parse(const QString& line) {
    if (line.size() < 3)
        return std::nullopt;
    InboundCommand command;
    const QStringView code = QStringView(line).left(3);
    const QStringView shortCode = code.left(2);
    using namespace ProtocolCommand;
    const int shortNumber = NumberOf(shortCode);
    command.number = (shortNumber == Tn || shortNumber == Wn || shortNumber == Pc) ? shortNumber
                                                                                   : NumberOf(code);
    bool valid = true;
    switch (command.number) {
    case Tn:
    case Pc:
        valid = ParseDigitCode(line, command, 1);
        break;
    case Wn:
        valid = ParseDigitCode(line, command, 2);
        break;
    case Crd:
        valid = ParseCard(line, command);
        break;
    case Cva:
        valid = ParseRewrite(line, command);
        break;
    case Msg:
    case Nam:
        command.text = PlainText(QStringView(line).mid(3));
        break;
    case -1:
        valid = false;
        break;
    default:
        break;
    }
    if (!valid)
        return std::nullopt;
    return command;
}
