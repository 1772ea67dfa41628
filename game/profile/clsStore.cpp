#include "profile/clsStore.h"

#include "profile/CheckedNarrow.h"
#include "profile/InstanceLock.h"
#include "profile/ProgramSupportLibrary.h"
#include "profile/RecordText.h"
#include "profile/clsLanguage.h"
#include "rules/GameState.h"
#include "shell/Ports.h"

#include <stdexcept>
#include <tuple>

namespace {
QString masterServerUrl(const char* path) {
    return QStringLiteral("http://") + RecordText::read(UserData().MasterServer) +
           QLatin1StringView(path);
}

QString versionText(std::int32_t major, std::int32_t minor, std::int32_t revision) {
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}
} // namespace

UserDataRecord& UserData() {
    static UserDataRecord record;
    return record;
}

clsStore& clsStore::instance() {
    static clsStore store;
    return store;
}

clsStore::clsStore()
    : m_file(GameRecordFile(ProgramSupportLibrary())), m_lock(std::make_unique<InstanceLock>()),
      m_lockPath(InstanceLock::defaultPath()) {
}

clsStore::~clsStore() = default;

void clsStore::setFileAccess(std::unique_ptr<RecordFile> file) {
    m_file = std::move(file);
}

void clsStore::setInstanceLockPath(const QString& path) {
    m_lockPath = path;
}

void clsStore::ReleaseInstanceLock() {
    m_lock->release();
}

bool clsStore::Initialize() {
    if (!loadOrCreateRecord())
        return false;
    if (!clsLanguage::instance().LoadLanguage()) {
        EndProgram();
        return false;
    }
    if (m_defaultsUnsaved)
        ShowMessage(clsLanguage::instance().SettingsSaveFailed());
    if (anotherInstanceRunning()) {
        ShowMessage(clsLanguage::instance().AlreadyStarted());
        EndProgram();
        return false;
    }
    if (UserData().Checksum != ComputeChecksum())
        return failLoad();
    const UserDataRecord& r = UserData();
    const auto stamp = std::tuple(r.VersionMajor, r.VersionMinor, r.DataRevision);
    if (stamp < std::tuple(UserDataRecord::ProgramMajor, UserDataRecord::ProgramMinor,
                           UserDataRecord::FormatRevision))
        upgradeRecord();
    return true;
}

bool clsStore::loadOrCreateRecord() {
    std::int32_t result = readRecord();
    if (result == -1) {
        createDefaults();
        // Read the new file back once; when it could not be written, or still cannot be found,
        // the game goes on with the defaults in memory instead of trying again and again.
        result = m_defaultsUnsaved ? 0 : readRecord();
        if (result == -1)
            result = 0;
    }
    return result == 0 || failLoad();
}

std::int32_t clsStore::readRecord() {
    UserDataRecord::Bytes bytes{};
    const std::int32_t result = m_file->Get(bytes);
    if (result == 0)
        UserData() = UserDataRecord::fromBytes(bytes);
    return result;
}

bool clsStore::writeRecord() {
    // The record goes through its file form even when the write fails, so the texts in memory
    // are always exactly what the file holds or would hold (cut to their width, no padding).
    const UserDataRecord::Bytes bytes = UserData().toBytes();
    UserData() = UserDataRecord::fromBytes(bytes);
    return m_file->Set(bytes) == 0;
}

void clsStore::createDefaults() {
    UserData() = UserDataRecord::defaults();
    SetChecksum();
    // No message yet: the texts are not loaded, so the failure is told after they are.
    m_defaultsUnsaved = !writeRecord();
}

bool clsStore::anotherInstanceRunning() {
    return !m_lockPath.isEmpty() && !m_lock->acquire(m_lockPath);
}

void clsStore::upgradeRecord() {
    UserDataRecord& r = UserData();
    const QString oldVersion = versionText(r.VersionMajor, r.VersionMinor, r.DataRevision);
    r.VersionMajor = UserDataRecord::ProgramMajor;
    r.VersionMinor = UserDataRecord::ProgramMinor;
    r.DataRevision = UserDataRecord::FormatRevision;
    WriteUserData();
    QString message = clsLanguage::instance().SettingsUpdated();
    message.replace(QStringLiteral("%1"), oldVersion);
    message.replace(QStringLiteral("%2"), Version());
    ShowMessage(message);
}

// The specified text, and below it the file's full path, so that the player knows which file to
// delete.
bool clsStore::failLoad() {
    QString message =
        QStringLiteral("Failed to load settings. Delete the file User.dat to reset Quelta Brovel.");
    if (const QString location = m_file->Location(); !location.isEmpty())
        message += QLatin1Char('\n') + location;
    ShowMessage(message, QStringLiteral("OK"));
    EndProgram();
    return false;
}

void clsStore::WriteUserData() {
    if (!writeRecord())
        ShowMessage(clsLanguage::instance().SettingsSaveFailed());
}

void clsStore::storeSetting(std::int32_t& field, std::int32_t value) {
    field = value;
    WriteUserData();
}

void clsStore::SetChecksum() {
    UserData().Checksum = ComputeChecksum();
}

std::int32_t clsStore::ComputeChecksum() const {
    return UserData().computeChecksum();
}

std::int32_t& clsStore::sidedeckEntry(int index) const {
    if (index < 0 || index >= UserDataRecord::SidedeckSize)
        throw std::out_of_range("side deck entry outside 0..9");
    UserDataRecord& r = UserData();
    auto& deck = GameState::instance().GameMode == GameState::Campaign ? r.CampaignSidedeckCards
                                                                       : r.SidedeckCards;
    return deck[static_cast<std::size_t>(index)];
}

std::int32_t clsStore::SidedeckCard(int index) const {
    return sidedeckEntry(index);
}

void clsStore::setSidedeckCard(int index, std::int32_t kind) {
    storeSetting(sidedeckEntry(index), kind);
}

QString clsStore::LanguageFile() const {
    return RecordText::read(UserData().LanguageFile);
}

void clsStore::setLanguageFile(const QString& file) {
    UserData().LanguageFile = RecordText::write(file, UserDataRecord::TextWidth);
    WriteUserData();
}

std::int16_t clsStore::MusicFile() const {
    return checkedNarrow<std::int16_t>(UserData().MusicFile);
}

void clsStore::setMusicFile(std::int16_t track) {
    storeSetting(UserData().MusicFile, track);
}

std::int32_t clsStore::Port() const {
    return UserData().Port;
}

void clsStore::setPort(std::int32_t port) {
    storeSetting(UserData().Port, port);
}

std::int16_t clsStore::SidedeckSaveMode() const {
    return checkedNarrow<std::int16_t>(UserData().SidedeckSaveMode);
}

QString clsStore::TempIP() const {
    return RecordText::read(UserData().TempIP);
}

void clsStore::setTempIP(const QString& ip) {
    UserData().TempIP = RecordText::write(ip, UserDataRecord::TextWidth);
    WriteUserData();
}

QString clsStore::UpdateFile() const {
    return masterServerUrl("/downloads/update.exe");
}

QString clsStore::OnlineStatsPath() const {
    return masterServerUrl("/stats.php");
}

QString clsStore::Version() const {
    return versionText(UserDataRecord::ProgramMajor, UserDataRecord::ProgramMinor,
                       UserDataRecord::FormatRevision);
}
