#pragma once

#include <QString>

// The commands of the line protocol between two programs: each is one line, a three-letter
// code directly followed by its argument. The number selects the code when sending.
namespace ProtocolCommand {

enum Number {
    Msg = 0,
    Crd = 1,
    Wn = 2,
    Nam = 3,
    Tn = 4,
    Pc = 5,
    Rdy = 6,
    Std = 7,
    End = 8,
    Cva = 9,
    Usi = 10,
    Stv = 11,
    Plj = 12,
    Count = 13,
};

// The three-letter code of a command number ("" for a number outside 0..12).
QString Code(int number);
// The number of a code, or -1 for none.
int NumberOf(QStringView code);
// The line of a command without its CR LF: codes with an argument carry it, "nam" carries the
// own player's name whatever the argument, the others stand alone. "" for an unknown number.
QString Line(int number, const QString& argument, const QString& ownName);

} // namespace ProtocolCommand
