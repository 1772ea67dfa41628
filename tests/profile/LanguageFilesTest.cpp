#include "profile/clsLanguage.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

// The language files the game ships, as the build put them beside the program.
namespace {
class ShippedLanguageTest : public ::testing::TestWithParam<const char*> {
protected:
    static QByteArray read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    QString name() const { return QString::fromLatin1(GetParam()); }
    QByteArray shipped() const { return read(QStringLiteral(QB_BIN_DIR "/") + name()); }
    QStringList source() const {
        QStringList lines =
            QString::fromUtf8(read(QStringLiteral(QB_ASSETS_DIR "/") + name())).split(u'\n');
        lines.removeLast(); // after the last line end
        return lines;
    }
};

TEST_P(ShippedLanguageTest, HasOneCrLfLinePerText) {
    const QByteArray bytes = shipped();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), clsLanguage::TextCount);
    EXPECT_EQ(bytes.count('\r'), clsLanguage::TextCount);
    EXPECT_EQ(bytes.count('\n'), clsLanguage::TextCount);
}

TEST_P(ShippedLanguageTest, LoadsExactlyTheTextsWrittenInTheSource) {
    clsLanguage& language = clsLanguage::instance();
    ASSERT_TRUE(language.LoadLanguageFrom(QStringLiteral(QB_BIN_DIR "/") + name()));

    const QStringList lines = source();
    ASSERT_EQ(lines.size(), clsLanguage::TextCount);
    for (int t = 0; t < clsLanguage::TextCount; ++t) {
        EXPECT_EQ(language.text(clsLanguage::Text(t)), lines[t]) << "line " << t + 1;
        EXPECT_FALSE(lines[t].trimmed().isEmpty()) << "line " << t + 1;
        EXPECT_EQ(lines[t], lines[t].trimmed()) << "line " << t + 1;
    }
}

TEST_P(ShippedLanguageTest, TemplatesKeepTheirMarkersAndOtherTextsHaveNone) {
    clsLanguage& language = clsLanguage::instance();
    ASSERT_TRUE(language.LoadLanguageFrom(QStringLiteral(QB_BIN_DIR "/") + name()));
    const QRegularExpression marker(QStringLiteral("%\\d"));
    for (int t = 0; t < clsLanguage::TextCount; ++t) {
        const QString text = language.text(clsLanguage::Text(t));
        QStringList expected;
        if (t == clsLanguage::SettingsUpdated_)
            expected = {QStringLiteral("%1"), QStringLiteral("%2")};
        if (t == clsLanguage::UpdateToVersionX_)
            expected = {QStringLiteral("%1")};
        QStringList found;
        for (const auto& match : marker.globalMatch(text))
            found << match.captured();
        EXPECT_EQ(found, expected) << "line " << t + 1 << ": " << text.toStdString();
    }
}

std::string fileCaseName(const ::testing::TestParamInfo<const char*>& file) {
    const std::string name = file.param;
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguageTest,
                         ::testing::Values("English.ini", "Deutsch.ini"), fileCaseName);

TEST(ShippedLanguages, TheTranslationDiffersFromEnglishWhereWordsDiffer) {
    clsLanguage& language = clsLanguage::instance();
    ASSERT_TRUE(language.LoadLanguageFrom(QStringLiteral(QB_BIN_DIR "/English.ini")));
    const auto english =
        std::vector<QString>{language.Cancel(), language.SettingsUpdated(), language.MatchWon()};
    ASSERT_TRUE(language.LoadLanguageFrom(QStringLiteral(QB_BIN_DIR "/Deutsch.ini")));
    const auto german =
        std::vector<QString>{language.Cancel(), language.SettingsUpdated(), language.MatchWon()};
    for (std::size_t i = 0; i < english.size(); ++i)
        EXPECT_NE(english[i], german[i]);
}
} // namespace
