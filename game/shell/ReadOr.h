#pragma once

#include "rules/GameError.h"
#include "shell/Ports.h"

// A lasting value read by a procedure that must go on whatever the record holds. The checksum
// does not cover every field, and a foreign tool may write any number into the ones it covers:
// a value the property cannot hand out raises its error, which is reported here under the
// reading procedure's name, and the procedure goes on with the fallback.
template <typename Read, typename Fallback>
auto ReadOr(const char* procedure, Read&& read, Fallback fallback) -> decltype(read()) {
    try {
        return read();
    } catch (const GameError& e) {
        ReportError(e.number(), QString::fromLatin1(procedure), QString::fromLatin1(e.what()));
        return static_cast<decltype(read())>(fallback);
    }
}
