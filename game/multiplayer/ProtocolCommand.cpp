#include "multiplayer/ProtocolCommand.h"

#include <array>

namespace {

const std::array<QString, ProtocolCommand::Count> Codes{
    QStringLiteral("msg"), QStringLiteral("crd"), QStringLiteral("wn"),  QStringLiteral("nam"),
    QStringLiteral("tn"),  QStringLiteral("pc"),  QStringLiteral("rdy"), QStringLiteral("std"),
    QStringLiteral("end"), QStringLiteral("cva"), QStringLiteral("usi"), QStringLiteral("stv"),
    QStringLiteral("plj")};

bool CarriesArgument(int number) {
    using namespace ProtocolCommand;
    return number == Msg || number == Crd || number == Wn || number == Tn || number == Pc ||
           number == Cva;
}

} // namespace

QString ProtocolCommand::Code(int number) {
    if (number < 0 || number >= Count)
        return {};
    return Codes[static_cast<std::size_t>(number)];
}

int ProtocolCommand::NumberOf(QStringView code) {
    for (std::size_t i = 0; i < Codes.size(); ++i) {
        if (Codes[i] == code)
            return static_cast<int>(i);
    }
    return -1;
}

QString ProtocolCommand::Line(int number, const QString& argument, const QString& ownName) {
    if (number == Nam)
        return Code(number) + ownName;
    if (CarriesArgument(number))
        return Code(number) + argument;
    return Code(number);
}
