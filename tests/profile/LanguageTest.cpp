#include "ProfileFixture.h"

#include <QDir>
#include <QFile>

namespace {
class LanguageTest : public ProfileFixture {
protected:
    QString writeBytes(const QByteArray& bytes) const {
        const QString path = m_folder.filePath(QStringLiteral("Raw.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // Loads raw bytes over texts that all read "old".
    bool loadOverOld(const QByteArray& bytes) {
        for (int t = 0; t < clsLanguage::TextCount; ++t)
            language.setText(clsLanguage::Text(t), QStringLiteral("old"));
        return language.LoadLanguageFrom(writeBytes(bytes));
    }
    clsLanguage& language = clsLanguage::instance();
};

// How bytes become lines: the first texts that result, then "old" for the ones not reached.
struct LinesCase {
    const char* name;
    QByteArray bytes;
    std::vector<const char*> texts; // UTF-8
};

class LineEndsTest : public LanguageTest, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(LineEndsTest, SplitTheFileIntoTexts) {
    ASSERT_TRUE(loadOverOld(GetParam().bytes));

    const std::vector<const char*>& expected = GetParam().texts;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(language.text(clsLanguage::Text(i)), QString::fromUtf8(expected[i]))
            << "line " << i + 1;
    EXPECT_EQ(language.text(clsLanguage::Text(expected.size())), QStringLiteral("old"));
    EXPECT_TRUE(m_messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEndsTest,
    ::testing::Values(LinesCase{"CrLf", "Yes\r\nNo\r\n", {"Yes", "No"}},
                      LinesCase{"LoneCr", "Yes\rNo\r", {"Yes", "No"}},
                      LinesCase{"LoneLf", "Yes\nNo", {"Yes", "No"}},
                      LinesCase{"LastLineWithoutEnd", "Yes\r\nNo", {"Yes", "No"}},
                      LinesCase{"EmptyLinesCount", "a\r\n\r\n\rb", {"a", "", "", "b"}},
                      LinesCase{"SpacesKept", "  padded \t\r\n", {"  padded \t"}},
                      LinesCase{"NoEscapes", "50% \\n \"q\"\r\n", {"50% \\n \"q\""}},
                      LinesCase{"CodePage", "Gr\xFC\xDF\x65 \x80\r\n", {"Grüße €"}},
                      LinesCase{"Empty", "", {}}),
    CaseName());

TEST_F(LanguageTest, LinesAfterTheLastTextAreIgnored) {
    QByteArray bytes;
    for (int n = 1; n <= 110; ++n)
        bytes += "line " + QByteArray::number(n) + "\r\n";

    ASSERT_TRUE(loadOverOld(bytes));

    EXPECT_EQ(language.Ok(), QStringLiteral("line 1"));
    EXPECT_EQ(language.SettingsSaveFailed(), QStringLiteral("line 105"));
}

TEST_F(LanguageTest, AShorterFileKeepsTheTextsOfTheFileBefore) {
    ASSERT_TRUE(language.LoadLanguageFrom(m_folder.filePath(QStringLiteral("English.ini"))));
    QByteArray tenLines;
    for (int n = 1; n <= 10; ++n)
        tenLines += "short " + QByteArray::number(n) + "\r\n";

    ASSERT_TRUE(language.LoadLanguageFrom(writeBytes(tenLines)));

    for (int t = 0; t < clsLanguage::TextCount; ++t) {
        const QString expected =
            t < 10 ? QStringLiteral("short %1").arg(t + 1) : numberedText(clsLanguage::Text(t));
        EXPECT_EQ(language.text(clsLanguage::Text(t)), expected) << "line " << t + 1;
    }
}

TEST_F(LanguageTest, TheFirstLineIsTheOkText) {
    ASSERT_TRUE(loadOverOld("Jawohl\r\n"));
    EXPECT_EQ(language.Ok(), QStringLiteral("Jawohl"));
}

TEST_F(LanguageTest, SocketStatesHaveTheirTexts) {
    ASSERT_TRUE(language.LoadLanguageFrom(m_folder.filePath(QStringLiteral("English.ini"))));
    for (short state = 0; state <= 9; ++state)
        EXPECT_EQ(language.WinsockStateString(state), QStringLiteral("text %1").arg(14 + state));
    for (short state : {-1, 10, 12, 32767})
        EXPECT_EQ(language.WinsockStateString(state), QStringLiteral("Error")) << state;
}

// Every kind of file trouble: our number, a description naming the file, the button "OK".
struct FileErrorCase {
    const char* name;
    QString languageFile;
    long number;
};

class FileErrorTest : public LanguageTest, public ::testing::WithParamInterface<FileErrorCase> {};

TEST_P(FileErrorTest, IsReportedWithItsNumber) {
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("Folder.ini")));
    UserData().LanguageFile = GetParam().languageFile.toStdString();

    EXPECT_FALSE(language.LoadLanguage());

    ASSERT_EQ(m_messages.size(), 1u);
    const QString prefix = QStringLiteral("Error %1 in LoadLanguage: ").arg(GetParam().number);
    EXPECT_TRUE(m_messages[0].text.startsWith(prefix)) << m_messages[0].text.toStdString();
    EXPECT_GT(m_messages[0].text.size(), prefix.size() + 3);
    EXPECT_EQ(m_messages[0].first, QStringLiteral("OK"));
    EXPECT_TRUE(m_messages[0].second.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FileErrorTest,
    ::testing::Values(FileErrorCase{"Missing", QStringLiteral("Klingon.ini"), 101},
                      FileErrorCase{"Empty", QString(), 102},
                      FileErrorCase{"OtherFolder", QStringLiteral("../English.ini"), 102},
                      FileErrorCase{"Absolute", QStringLiteral("/etc/hostname"), 102},
                      FileErrorCase{"Folder", QStringLiteral("Folder.ini"), 104}),
    CaseName());

TEST_F(LanguageTest, AnOverlongLineStopsTheLoadButKeepsTheLinesBefore) {
    const QByteArray bytes = "first\r\n" + QByteArray(70000, 'x') + "\r\nthird\r\n";

    EXPECT_FALSE(loadOverOld(bytes));

    EXPECT_EQ(language.Ok(), QStringLiteral("first"));
    EXPECT_EQ(language.Cancel(), QStringLiteral("old"));
    EXPECT_EQ(language.Options(), QStringLiteral("old"));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Error 106 in LoadLanguage: ")));
}
} // namespace
