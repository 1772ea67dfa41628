#include "TablePair.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

// The other program's bytes reach a live host table and a live client table in the middle of a
// match, cut into deliveries where the input says, as a socket would hand them over. Between
// deliveries the player whose turn it is acts as scripted, so the lines meet every moment of a
// set: dealing, the hand cards, a full row being decided, the end of a set and of the match.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TablePair pair(input.ConsumeIntegral<std::uint16_t>());
    pair.StartMatch(input.ConsumeBool());
    pair.Settle();
    while (input.remaining_bytes() > 0) {
        const bool toHost = input.ConsumeBool();
        const int piece = input.ConsumeIntegralInRange(0, 16);
        const std::string bytes = input.ConsumeRandomLengthString(LineCodec::MaxLine + 64);
        TablePair::Side& to = toHost ? *pair.host : *pair.client;
        TablePair::Side& from = toHost ? *pair.client : *pair.host;
        from.outbox += QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
        pair.Deliver(from, to, piece);
        pair.Settle();
        if (TablePair::Side* mover = pair.Mover(); mover && input.ConsumeBool()) {
            pair.As(*mover, [&] { pair.player.Act(mover->table); });
            pair.Settle();
        }
    }
    return 0;
}
