#include "modLegacySettings.h"

#include "LegacyStore.h"
#include "Md5.h"

#include <array>

namespace {

const QString Player = QStringLiteral("Player");
const QString Settings = QStringLiteral("Settings");

struct NumberValue {
    const QString& section;
    const char* name;
    std::int32_t UserDataRecord::*field;
};

struct TextValue {
    const QString& section;
    const char* name;
    std::string UserDataRecord::*field;
};

const std::array<NumberValue, 10> Numbers = {{
    {Player, "CREDITS", &UserDataRecord::Credits},
    {Player, "HIGHSCORE", &UserDataRecord::Highscore},
    {Player, "LEVEL", &UserDataRecord::Level},
    {Player, "LOSSES", &UserDataRecord::Losses},
    {Player, "NPCCREDITS", &UserDataRecord::TempCredits},
    {Player, "WINS", &UserDataRecord::Wins},
    {Settings, "MUSIC", &UserDataRecord::MusicFile},
    {Settings, "ONLINEID", &UserDataRecord::OnlineID},
    {Settings, "PORT", &UserDataRecord::Port},
    {Settings, "SAVESIDEDECK", &UserDataRecord::SidedeckSaveMode},
}};

const std::array<TextValue, 5> Texts = {{
    {Settings, "LANGUAGE", &UserDataRecord::LanguageFile},
    {Settings, "NAME", &UserDataRecord::Name},
    {Settings, "ONLINEPW", &UserDataRecord::OnlinePassword},
    {Settings, "SERVER", &UserDataRecord::MasterServer},
    {Settings, "TEMPIP", &UserDataRecord::TempIP},
}};

// The older versions' music choice that meant "no music".
constexpr std::int32_t LegacyNoMusic = 4;

std::optional<std::int32_t> number(const LegacyStore& store, const QString& section,
                                   const QString& name) {
    bool ok = false;
    const std::int32_t value = store.value(section, name).trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool readNumbers(const LegacyStore& store, UserDataRecord& record) {
    for (const NumberValue& value : Numbers) {
        const auto read = number(store, value.section, QString::fromLatin1(value.name));
        if (!read)
            return false;
        record.*value.field = *read;
    }
    for (std::size_t kind = 0; kind < record.Card.size(); ++kind) {
        const auto read = number(store, Player, QStringLiteral("CARD") + QString::number(kind));
        if (!read)
            return false;
        record.Card[kind] = *read;
    }
    return true;
}

void readTexts(const LegacyStore& store, UserDataRecord& record) {
    for (const TextValue& value : Texts) {
        record.*value.field =
            store.value(value.section, QString::fromLatin1(value.name)).toStdString();
    }
}

void appendCards(QString& digits, const UserDataRecord& record, std::size_t first,
                 std::size_t last) {
    for (std::size_t kind = first; kind <= last; ++kind) {
        digits += QString::number(record.Card[kind]);
    }
}

} // namespace

QString modLegacySettings::LegacyCheckValue(const UserDataRecord& record) {
    QString digits;
    appendCards(digits, record, 0, 5);
    digits += QString::number(record.Credits) + QString::number(record.TempCredits);
    appendCards(digits, record, 6, 11);
    digits += QString::number(record.Level);
    appendCards(digits, record, 12, 17);
    digits += QString::number(record.Highscore);
    appendCards(digits, record, 18, 22);
    digits += QString::number(record.Wins) + QString::number(record.Losses);
    return QString::fromStdString(MD5(digits.toStdString()));
}

std::optional<UserDataRecord> modLegacySettings::ReadRecord(const LegacyStore& store) {
    UserDataRecord record = UserDataRecord::fromBytes(UserDataRecord::Bytes{});
    if (!readNumbers(store, record))
        return std::nullopt;
    readTexts(store, record);
    if (record.MusicFile == LegacyNoMusic)
        record.MusicFile = -1;
    if (QString::fromStdString(record.MasterServer).trimmed().isEmpty())
        record.MasterServer = UserDataRecord::DefaultMasterServer;
    record.SidedeckCards[0] = -1;
    record.CampaignSidedeckCards[0] = -1;
    return record;
}
