#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

// The rules a Windows program's start-up code applies to its command line.
TEST(CommandLineTest, SplitsLikeAWindowsProgram) {
    const std::pair<const char*, Words> cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"a b", {"a", "b"}},
        {"  a   b  ", {"a", "b"}},
        {"\"two words\" x", {"two words", "x"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"C:\\Saves\\", {"C:\\Saves\\"}},
        {"\\\"x\\\"", {"\"x\""}},
        {"\"a\\\\\" b", {"a\\", "b"}},
        {"a\\\\\\\"b", {"a\\\"b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"open", {"open"}},
    };
    for (const auto& [text, words] : cases) {
        EXPECT_EQ(CommandLine::split(text), words) << text;
    }
}

TEST(CommandLineTest, QuotesWordsForTheDesktop) {
    const std::pair<Words, const char*> cases[] = {
        {{"/opt/game/QueltaBrovel"}, "/opt/game/QueltaBrovel"},
        {{"/opt/Quelta Brovel/game", "-x"}, "\"/opt/Quelta Brovel/game\" -x"},
        {{"100%"}, "100%%"},
        {{"%f"}, "%%f"},
        {{"x\"y"}, "\"x\\\"y\""},
        {{"$HOME"}, "\"\\$HOME\""},
        {{"a\\b"}, "\"a\\\\b\""},
        {{"`id`"}, "\"\\`id\\`\""},
        {{"a;b|c"}, "\"a;b|c\""},
        {{""}, "\"\""},
    };
    for (const auto& [words, exec] : cases) {
        EXPECT_EQ(CommandLine::exec(words), exec) << words.front();
    }
}

} // namespace
