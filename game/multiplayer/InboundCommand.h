#pragma once

#include "rules/CardText.h"

#include <QString>
#include <optional>

// One line from the other program, read and checked before anything acts on it. Only lines
// that a program playing by the rules could send come through: a known code, digits in their
// ranges, card texts that can lie on the table. Everything else is no command at all.
struct InboundCommand {
    // Names and chat lines are cut to this many characters; the chat box shows no more.
    static constexpr int MaxText = 150;

    int number = -1; // ProtocolCommand::Number
    int digit = 0;   // side of "crd", slot of "cva", the digit of "tn", "pc" and "wn"
    int face = 0;    // face of "crd"
    CardText card;   // card text of "crd" and "cva"
    QString text;    // name of "nam", line of "msg": plain, one line

    static std::optional<InboundCommand> Parse(const QString& line);
};
