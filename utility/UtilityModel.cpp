#include "UtilityModel.h"

#include "LegacyStore.h"
#include "RegistryExportReader.h"
#include "binding/RecordFile.h"
#include "modLegacySettings.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Paragraph = QStringLiteral("\r\n\r\n");

} // namespace

UtilityModel::UtilityModel(RecordFile& file, LegacyStore& store)
    : m_file(file), m_store(store), m_record(UserDataRecord::fromBytes(UserDataRecord::Bytes{})) {
}

void UtilityModel::AddLog(const QString& line) {
    m_errorLog += line + QStringLiteral("\r\n");
}

QString UtilityModel::ShowErrorLog() const {
    return QStringLiteral("An error occured:") + Paragraph + m_errorLog;
}

bool UtilityModel::LoadUserData() {
    UserDataRecord::Bytes bytes = m_record.toBytes();
    const std::int32_t result = m_file.Get(bytes);
    m_record = UserDataRecord::fromBytes(bytes);
    if (result < 0) {
        AddLog(QStringLiteral("The file User.dat could not be loaded."));
        return false;
    }
    if (!m_record.checksumValid()) {
        AddLog(QStringLiteral("The file User.dat seems to be corrupt."));
        return false;
    }
    return true;
}

void UtilityModel::SaveUserData() {
    if (m_file.Set(m_record.toBytes()) != 0)
        AddLog(QStringLiteral("Failed to save the file User.dat"));
}

QString UtilityModel::LegacyCheckValue() const {
    return modLegacySettings::LegacyCheckValue(m_record);
}

QString UtilityModel::ConvertRegistry(bool deleteValues) {
    ClearLog();
    const std::optional<UserDataRecord> converted = modLegacySettings::ReadRecord(m_store);
    if (!converted)
        return importFailed();
    m_record = *converted;
    // A mismatch means the values were edited: they must not become a valid record.
    if (m_store.value(QStringLiteral("Player"), QStringLiteral("CHK")) == LegacyCheckValue()) {
        m_record.Checksum = m_record.computeChecksum();
        SaveUserData();
    } else {
        AddLog(QStringLiteral("The registry entries seem to be corrupt."));
    }
    if (!m_errorLog.isEmpty())
        return ShowErrorLog();
    QString finish = QStringLiteral("The conversion was successfully completed.");
    if (deleteValues && m_store.clear())
        finish += Paragraph + QStringLiteral("The registry entries were cleared.");
    return finish;
}

TaskOutcome UtilityModel::ConvertFile(const QString& path, bool deleteFile, bool deleteRegistry) {
    if (!QFileInfo(path).isFile())
        return {false, QStringLiteral("The backup file was not found.")};
    ClearLog();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {true, importFailed()};
    // Nothing of a damaged file reaches the store: it is read whole before anything is written.
    const auto changes = RegistryExportReader::read(file.readAll());
    file.close();
    if (!changes || !m_store.apply(*changes))
        return {true, importFailed()};
    QString finish = ConvertRegistry(deleteRegistry);
    if (m_errorLog.isEmpty() && deleteFile && QFile::remove(path))
        finish += Paragraph + QStringLiteral("The backup file was deleted.");
    return {true, finish};
}

QString UtilityModel::importFailed() {
    AddLog(QStringLiteral("The registry entries could not be loaded."));
    return ShowErrorLog();
}

QString UtilityModel::Reset(const ResetChoices& choices) {
    ClearLog();
    // Without a readable file the reset starts from what the record held before; only a failed
    // save is worth reporting then.
    LoadUserData();
    ClearLog();
    const auto chosen = [&choices](ResetPart part) {
        return choices[static_cast<std::size_t>(part)];
    };
    if (chosen(ResetPart::Campaign))
        resetCampaign();
    if (chosen(ResetPart::Language))
        m_record.LanguageFile = "English.ini";
    if (chosen(ResetPart::Port))
        m_record.Port = 333;
    if (chosen(ResetPart::Name))
        m_record.Name = "Player";
    if (chosen(ResetPart::Music))
        m_record.MusicFile = 1;
    if (chosen(ResetPart::Online)) {
        m_record.OnlineID = 0;
        m_record.OnlinePassword.assign(UserDataRecord::PasswordWidth, ' ');
    }
    if (chosen(ResetPart::MasterServer))
        m_record.MasterServer = UserDataRecord::DefaultMasterServer;
    if (chosen(ResetPart::SidedeckMode))
        m_record.SidedeckSaveMode = 1;
    SaveUserData();
    if (!m_errorLog.isEmpty())
        return ShowErrorLog();
    return QStringLiteral("The specified settings and saves were reset to default.");
}

// The campaign as a new player starts it; the highscore goes with it.
void UtilityModel::resetCampaign() {
    const UserDataRecord start = UserDataRecord::defaults();
    m_record.Losses = start.Losses;
    m_record.Wins = start.Wins;
    m_record.TempCredits = start.TempCredits;
    m_record.Credits = start.Credits;
    m_record.Level = start.Level;
    m_record.Highscore = start.Highscore;
    m_record.Card = start.Card;
    m_record.Checksum = m_record.computeChecksum();
}

TaskOutcome UtilityModel::ChangeSettings(int sidedeckMode, const QString& modeText,
                                         const QString& server) {
    ClearLog();
    const QString host = server.trimmed().left(UserDataRecord::TextWidth);
    if (host.isEmpty())
        return {false, QStringLiteral("You have to specify a master server.")};
    m_record.SidedeckSaveMode = sidedeckMode;
    m_record.MasterServer = host.toStdString();
    SaveUserData();
    if (!m_errorLog.isEmpty())
        return {true, ShowErrorLog()};
    return {true, QStringLiteral("The advanced settings were saved.") + Paragraph +
                      QStringLiteral("New sidedeck savemode: ") + modeText +
                      QStringLiteral("\r\n") + QStringLiteral("New Quelta Brovel Master Server: ") +
                      host};
}

QString UtilityModel::SettingsVersion() const {
    return QStringLiteral("Version of the settings: %1.%2.%3")
        .arg(m_record.VersionMajor)
        .arg(m_record.VersionMinor)
        .arg(m_record.DataRevision);
}
