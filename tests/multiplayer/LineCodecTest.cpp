#include "multiplayer/LineCodec.h"

#include <gtest/gtest.h>

namespace {

std::vector<QString> FeedInPieces(LineCodec& codec, const QByteArray& bytes, int piece) {
    std::vector<QString> lines;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        for (const QString& line : codec.Feed(bytes.mid(at, piece)))
            lines.push_back(line);
    }
    return lines;
}

TEST(LineCodecTest, LinesSplitAtEveryByteComeOutWholeAndInOrder) {
    const QByteArray stream = LineCodec::Encode(QStringLiteral("pc0")) +
                              LineCodec::Encode(QStringLiteral("crd1507")) +
                              LineCodec::Encode(QStringLiteral("msg[Zoë] ½ €"));
    for (int piece = 1; piece <= stream.size(); ++piece) {
        SCOPED_TRACE(piece);
        LineCodec codec;
        const auto lines = FeedInPieces(codec, stream, piece);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], QStringLiteral("pc0"));
        EXPECT_EQ(lines[1], QStringLiteral("crd1507"));
        EXPECT_EQ(lines[2], QStringLiteral("msg[Zoë] ½ €"));
        EXPECT_FALSE(codec.Broken());
    }
}

TEST(LineCodecTest, TextTravelsAsOneByteACharacter) {
    EXPECT_EQ(LineCodec::Encode(QStringLiteral("nam€é")), QByteArray("nam\x80\xe9\r\n"));
}

TEST(LineCodecTest, AnUnfinishedPieceWaitsForItsEnd) {
    LineCodec codec;
    EXPECT_TRUE(codec.Feed("pc0\r\ncrd15").size() == 1);
    const auto rest = codec.Feed("07\r\n");
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0], QStringLiteral("crd1507"));
    EXPECT_TRUE(codec.Feed("end\r").empty());
    EXPECT_EQ(codec.Feed("\n").size(), 1u);
}

TEST(LineCodecTest, AnOverlongLineBreaksTheStreamAndIsNotKept) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const QByteArray longest(LineCodec::MaxLine, 'x');
    const std::vector<Case> cases{
        {"1 MB without a line end", QByteArray(1 << 20, 'a')},
        {"1 MB with a line end", QByteArray(1 << 20, 'a') + "\r\n"},
        {"one byte too many", longest + "y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LineCodec codec;
        EXPECT_TRUE(codec.Feed(c.bytes).empty());
        EXPECT_TRUE(codec.Broken());
        EXPECT_TRUE(codec.Feed("pc0\r\n").empty());
    }
    LineCodec codec;
    EXPECT_EQ(codec.Feed(longest + "\r\n").size(), 1u);
    EXPECT_FALSE(codec.Broken());
}

} // namespace
