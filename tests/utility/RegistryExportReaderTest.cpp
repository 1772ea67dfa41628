#include "RegistryExportReader.h"
#include "UtilityFixture.h"

namespace {

using Kind = RegistryChange::Kind;

const QString Key = QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"
                                   "QueltaBrovel");

QByteArray version4(const QString& body) {
    return QByteArray("REGEDIT4\r\n\r\n") + body.toLatin1();
}

std::vector<RegistryChange> read(const QByteArray& file) {
    const auto changes = RegistryExportReader::read(file);
    EXPECT_TRUE(changes.has_value()) << file.toStdString();
    return changes.value_or(std::vector<RegistryChange>{});
}

RegistryChange text(const char* section, const char* name, const QString& value) {
    return {Kind::SetText, QString::fromLatin1(section), QString::fromLatin1(name), value};
}

TEST(RegistryExportReader, QuotedStringsWithTheirEscapes) {
    const auto changes = read(version4(QStringLiteral("[") + Key +
                                       QStringLiteral("\\Settings]\r\n\"NAME\"=\"Say \\\"hi\\\" at "
                                                      "C:\\\\Games\\\\\"\r\n\"TEMPIP\"=\"\"\r\n")));
    EXPECT_EQ(changes, (std::vector<RegistryChange>{
                           text("Settings", "NAME", QStringLiteral("Say \"hi\" at C:\\Games\\")),
                           text("Settings", "TEMPIP", QString())}));
}

TEST(RegistryExportReader, ContinuedLinesAndOtherTypesAreReadAndSkipped) {
    const auto changes = read(version4(QStringLiteral("[") + Key +
                                       QStringLiteral("\\Player]\r\n"
                                                      "\"BLOB\"=hex:01,02,03,\\\r\n"
                                                      "  04,05,\\\r\n"
                                                      "  06\r\n"
                                                      "\"COUNT\"=dword:00000064\r\n"
                                                      "\"PATHS\"=hex(7):41,00,00,00,\\\r\n"
                                                      "  00,00\r\n"
                                                      "@=\"default value\"\r\n"
                                                      "; a comment\r\n"
                                                      "\"CREDITS\"=\"100\"\r\n")));
    EXPECT_EQ(changes,
              (std::vector<RegistryChange>{text("Player", "CREDITS", QStringLiteral("100"))}));
}

TEST(RegistryExportReader, OnlyTheApplicationsOwnSectionsCount) {
    const auto changes = read(version4(
        QStringLiteral(
            "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\OtherGame\\Player]\r\n"
            "\"CREDITS\"=\"1\"\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\QueltaBrovel\\Player]\r\n"
            "\"CREDITS\"=\"2\"\r\n"
            "[HKEY_CURRENT_USER\\Software\\Run]\r\n"
            "\"QueltaBrovel\"=\"evil.exe\"\r\n[") +
        Key + QStringLiteral("]\r\n\"CREDITS\"=\"3\"\r\n[") + Key +
        QStringLiteral("\\Player\\Deeper]\r\n\"CREDITS\"=\"4\"\r\n[") + Key.toUpper() +
        QStringLiteral("\\player]\r\n\"CREDITS\"=\"5\"\r\n")));
    EXPECT_EQ(changes,
              (std::vector<RegistryChange>{text("Player", "CREDITS", QStringLiteral("5"))}));
}

TEST(RegistryExportReader, DeletedValuesAndKeys) {
    const auto changes = read(version4(
        QStringLiteral("[") + Key + QStringLiteral("\\Player]\r\n\"CREDITS\"=-\r\n[-") + Key +
        QStringLiteral("\\Settings]\r\n\"NAME\"=\"ignored below a deleted key\"\r\n[-") + Key +
        QStringLiteral("]\r\n[-HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings]\r\n[-") +
        Key + QStringLiteral("\\Other\\Deeper]\r\n")));
    EXPECT_EQ(changes,
              (std::vector<RegistryChange>{
                  {Kind::DeleteValue, QStringLiteral("Player"), QStringLiteral("CREDITS"), {}},
                  {Kind::DeleteSection, QStringLiteral("Settings"), {}, {}},
                  {Kind::DeleteAll, {}, {}, {}},
                  {Kind::DeleteAll, {}, {}, {}}}));
}

TEST(RegistryExportReader, Version4IsInTheWindowsCodePage) {
    QByteArray file = version4(QStringLiteral("[") + Key + QStringLiteral("\\Settings]\r\n"));
    file += "\"NAME\"=\"J\xF6rg \x80\"\r\n";
    EXPECT_EQ(read(file),
              (std::vector<RegistryChange>{text("Settings", "NAME", QStringLiteral("Jörg €"))}));
}

TEST(RegistryExportReader, Version5InUtf16AndUtf8ReadsTheSame) {
    const QString body = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[") + Key +
                         QStringLiteral("\\Settings]\r\n\"NAME\"=\"Jörg €\"\n");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(body.utf16()), body.size() * 2);
    const std::vector<RegistryChange> expected{text("Settings", "NAME", QStringLiteral("Jörg €"))};
    EXPECT_EQ(read(utf16), expected);
    EXPECT_EQ(read(body.toUtf8()), expected);
    EXPECT_EQ(read(QByteArray("\xEF\xBB\xBF") + body.toUtf8()), expected);
}

struct MalformedCase {
    std::string name;
    QByteArray file;
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.name;
}

class RegistryExportMalformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(RegistryExportMalformed, GivesNothing) {
    EXPECT_FALSE(RegistryExportReader::read(GetParam().file).has_value());
}

QByteArray withKey(const char* lines) {
    return version4(QStringLiteral("[") + Key + QStringLiteral("\\Player]\r\n")) + lines;
}

QByteArray utf16Cut() {
    const QString body = QStringLiteral("Windows Registry Editor Version 5.00\r\n");
    QByteArray file("\xFF\xFE", 2);
    file.append(reinterpret_cast<const char*>(body.utf16()), body.size() * 2);
    file.chop(1);
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryExportMalformed,
    ::testing::Values(
        MalformedCase{"Empty", QByteArray()},
        MalformedCase{"NoHeader", QByteArray("[HKEY_CURRENT_USER]\r\n")},
        MalformedCase{"OtherHeader", QByteArray("REGEDIT5\r\n")},
        MalformedCase{"CutInsideAString", withKey("\"CREDITS\"=\"10")},
        MalformedCase{"CutInsideAName", withKey("\"CRED")},
        MalformedCase{"CutAfterTheEqualsSign", withKey("\"CREDITS\"=")},
        MalformedCase{"CutInsideAContinuedValue", withKey("\"BLOB\"=hex:01,02,\\\r\n")},
        MalformedCase{"CutInsideAKey", version4(QStringLiteral("[HKEY_CURRENT_USER\\Softw"))},
        MalformedCase{"CutInsideAByte", withKey("\"BLOB\"=hex:01,0")},
        MalformedCase{"CutInsideACharacter", utf16Cut()},
        MalformedCase{"UnknownEscape", withKey("\"NAME\"=\"a\\qb\"\r\n")},
        MalformedCase{"TextAfterTheString", withKey("\"NAME\"=\"a\" b\r\n")},
        MalformedCase{"UnknownType", withKey("\"NAME\"=word:1\r\n")},
        MalformedCase{"BadNumber", withKey("\"COUNT\"=dword:xyz\r\n")},
        MalformedCase{"NameWithoutQuotes", withKey("NAME=\"a\"\r\n")},
        MalformedCase{"ValueBeforeAnyKey", QByteArray("REGEDIT4\r\n\"NAME\"=\"a\"\r\n")},
        MalformedCase{"BrokenUtf8",
                      QByteArray("Windows Registry Editor Version 5.00\r\n\xC3(\r\n")}),
    TableCaseName());

} // namespace
