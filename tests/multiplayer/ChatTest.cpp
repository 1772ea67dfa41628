#include "TablePair.h"

#include "sound/SoundEffect.h"

#include <gtest/gtest.h>

// A chat line from the table of one program to the table of the other.
namespace {

TEST(ChatTest, ALineArrivesInTheOtherColourWithItsSound) {
    TablePair pair(3);
    pair.StartMatch(true);
    pair.Settle();
    pair.client->sounds.clear();
    pair.As(*pair.host, [&] { pair.host->link.ChatSent(QStringLiteral("[Anna] Hallo, Bert")); });
    pair.Settle();
    ASSERT_FALSE(pair.client->chat.empty());
    EXPECT_EQ(pair.client->chat.back(), std::make_pair(QStringLiteral("[Anna] Hallo, Bert"), 2));
    EXPECT_EQ(pair.client->sounds, std::vector<int>{SoundEffect::ChatArrived});
}

} // namespace
