#include "UtilityFixture.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>

LegacyProfile defaultLegacyProfile() {
    LegacyProfile profile = {
        {QStringLiteral("Player/CREDITS"), QStringLiteral("100")},
        {QStringLiteral("Player/HIGHSCORE"), QStringLiteral("25")},
        {QStringLiteral("Player/LEVEL"), QStringLiteral("1")},
        {QStringLiteral("Player/LOSSES"), QStringLiteral("0")},
        {QStringLiteral("Player/NPCCREDITS"), QStringLiteral("0")},
        {QStringLiteral("Player/WINS"), QStringLiteral("0")},
        // MD5 of "11111110001111001000000250000000", the default profile's numbers.
        {QStringLiteral("Player/CHK"), QStringLiteral("4a7e085906b5d0d2221d2d15aaae58e9")},
        {QStringLiteral("Settings/LANGUAGE"), QStringLiteral("English.ini")},
        {QStringLiteral("Settings/MUSIC"), QStringLiteral("1")},
        {QStringLiteral("Settings/NAME"), QStringLiteral("Player")},
        {QStringLiteral("Settings/ONLINEID"), QStringLiteral("0")},
        {QStringLiteral("Settings/ONLINEPW"), QString()},
        {QStringLiteral("Settings/PORT"), QStringLiteral("333")},
        {QStringLiteral("Settings/SERVER"),
         QString::fromLatin1(UserDataRecord::DefaultMasterServer)},
        {QStringLiteral("Settings/SAVESIDEDECK"), QStringLiteral("1")},
        {QStringLiteral("Settings/TEMPIP"), QStringLiteral("127.0.0.1")},
    };
    for (int kind = 0; kind < UserDataRecord::KindCount; ++kind)
        profile[QStringLiteral("Player/CARD%1").arg(kind)] =
            kind < 10 ? QStringLiteral("1") : QStringLiteral("0");
    return profile;
}

LegacyProfile campaignLegacyProfile() {
    LegacyProfile profile = defaultLegacyProfile();
    const int cards[UserDataRecord::KindCount] = {2, 1, 1, 1, 1, 3, 1, 1, 1, 1, 0, 0,
                                                  0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0};
    for (int kind = 0; kind < UserDataRecord::KindCount; ++kind)
        profile[QStringLiteral("Player/CARD%1").arg(kind)] = QString::number(cards[kind]);
    profile[QStringLiteral("Player/CREDITS")] = QStringLiteral("5000");
    profile[QStringLiteral("Player/NPCCREDITS")] = QStringLiteral("-40");
    profile[QStringLiteral("Player/LEVEL")] = QStringLiteral("7");
    profile[QStringLiteral("Player/HIGHSCORE")] = QStringLiteral("6000");
    profile[QStringLiteral("Player/WINS")] = QStringLiteral("12");
    profile[QStringLiteral("Player/LOSSES")] = QStringLiteral("5");
    // MD5 of "2111135000-401111007000100600010000125".
    profile[QStringLiteral("Player/CHK")] = QStringLiteral("9c1c156e46ea8ce16cd148a6950f12ac");
    return profile;
}

LegacyProfile contentsOfStoreFile(const QString& file) {
    QSettings settings(file, QSettings::IniFormat);
    LegacyProfile contents;
    for (const QString& key : settings.allKeys())
        contents[key] = settings.value(key).toString();
    return contents;
}

UserDataRecord recordOf(const MemoryRecordFile& file) {
    UserDataRecord::Bytes bytes{};
    if (file.contents()) {
        const auto& contents = *file.contents();
        std::copy_n(contents.begin(), std::min(contents.size(), bytes.size()), bytes.begin());
    }
    return UserDataRecord::fromBytes(bytes);
}
