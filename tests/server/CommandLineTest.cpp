#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {
const GameVersion Own{1, 8, 2};

CommandLine parse(const std::vector<std::string>& words) {
    return CommandLine::Parse(words, Own);
}

TEST(CommandLine, ServeDefaults) {
    const CommandLine line = parse({"serve"});
    EXPECT_EQ(line.command, CommandLine::Command::Serve);
    EXPECT_EQ(line.host, "127.0.0.1");
    EXPECT_EQ(line.port, 8787);
    EXPECT_EQ(line.database, "");
    EXPECT_EQ(line.latest, Own);
    EXPECT_EQ(line.oldest, (GameVersion{1, 8, 0}));
}

TEST(CommandLine, ServeWithEveryOption) {
    const CommandLine line =
        parse({"serve", "--listen", "0.0.0.0:80", "--database", "postgresql://db/stats",
               "--downloads", "/srv/dl", "--latest", "1.9.0", "--oldest", "1.8.2"});
    EXPECT_EQ(line.host, "0.0.0.0");
    EXPECT_EQ(line.port, 80);
    EXPECT_EQ(line.database, "postgresql://db/stats");
    EXPECT_EQ(line.downloads, "/srv/dl");
    EXPECT_EQ(line.latest, (GameVersion{1, 9, 0}));
    EXPECT_EQ(line.oldest, (GameVersion{1, 8, 2}));
    EXPECT_EQ(parse({"serve", "--listen", "[::1]:8787"}).host, "::1");
}

TEST(CommandLine, Accounts) {
    const CommandLine add = parse({"account", "add", "0042", "geheim", "--database", "sqlite:x"});
    EXPECT_EQ(add.command, CommandLine::Command::AccountAdd);
    EXPECT_EQ(add.accountId, 42);
    EXPECT_EQ(add.password, "geheim");
    EXPECT_EQ(add.database, "sqlite:x");
    const CommandLine remove = parse({"account", "remove", "9999"});
    EXPECT_EQ(remove.command, CommandLine::Command::AccountRemove);
    EXPECT_EQ(remove.accountId, 9999);
}

TEST(CommandLine, SignAndKeys) {
    const CommandLine sign = parse({"sign", "update.exe", "--key", "k.key"});
    EXPECT_EQ(sign.command, CommandLine::Command::Sign);
    EXPECT_EQ(sign.file, "update.exe");
    EXPECT_EQ(sign.key, "k.key");
    EXPECT_EQ(parse({"keygen", "new.key"}).command, CommandLine::Command::KeyGen);
}

TEST(CommandLine, MistakesAreExplainedNotGuessed) {
    const std::vector<std::vector<std::string>> mistakes{
        {"serve", "--listen", "8787"},
        {"serve", "--listen", "localhost:65536"},
        {"serve", "--listen", ":80"},
        {"serve", "--latest", "1.9"},
        {"serve", "--oldest"},
        {"serve", "--port", "1"},
        {"serve", "--latest", "1.9.0", "--latest", "2.0.0"},
        {"serve", "extra"},
        {"account", "add", "0", "pw"},
        {"account", "add", "10000", "pw"},
        {"account", "add", "42", ""},
        {"account", "add", "42"},
        {"account", "remove", "abc"},
        {"account", "rename", "42"},
        {"sign", "update.exe"},
        {"keygen"},
        {"start"},
    };
    for (const auto& words : mistakes)
        EXPECT_THROW(parse(words), UsageError) << words.back();
}

} // namespace
