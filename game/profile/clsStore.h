#pragma once

#include "UserDataRecord.h"
#include "binding/RecordFile.h"

#include <QString>
#include <cstdint>
#include <memory>

class InstanceLock;

// The program-wide user data record: loaded at start-up, written back whole after every change.
UserDataRecord& UserData();

// The settings store: start-up loading of User.dat and the settings part of the record.
class clsStore {
public:
    static clsStore& instance();

    // Replaces the support library binding (tests, simulator). Takes effect at the next call.
    void setFileAccess(std::unique_ptr<RecordFile> file);
    // Where Initialize() takes the one-game-per-profile lock; by default beside User.dat in the
    // per-user data folder. An empty path turns the check off (the headless simulator).
    void setInstanceLockPath(const QString& path);
    // Gives the profile free for the next start; the program's end calls it.
    void ReleaseInstanceLock();

    // Read, create defaults, load the language, refuse a second instance or a damaged record,
    // upgrade an older version stamp. Returns false when the program must end (the message was
    // shown and EndProgram() called).
    bool Initialize();
    void WriteUserData();
    void SetChecksum();
    std::int32_t ComputeChecksum() const;

    std::int32_t SidedeckCard(int index) const;
    void setSidedeckCard(int index, std::int32_t kind);
    QString LanguageFile() const;
    void setLanguageFile(const QString& file);
    std::int16_t MusicFile() const;
    void setMusicFile(std::int16_t track);
    std::int32_t Port() const;
    void setPort(std::int32_t port);
    std::int16_t SidedeckSaveMode() const;
    QString TempIP() const;
    void setTempIP(const QString& ip);
    QString UpdateFile() const;
    QString OnlineStatsPath() const;
    QString Version() const;

private:
    clsStore();
    ~clsStore();

    // Read User.dat into UserData; the support library's result code.
    std::int32_t readRecord();
    // Write UserData without any message; true when the file now holds it.
    bool writeRecord();
    // Step 1 of the start-up: read, or create the defaults. False when the program must end.
    bool loadOrCreateRecord();
    void createDefaults();
    bool anotherInstanceRunning();
    void upgradeRecord();
    bool failLoad();
    std::int32_t& sidedeckEntry(int index) const;
    // Settings are not covered by the checksum: stored and saved, nothing else.
    void storeSetting(std::int32_t& field, std::int32_t value);

    std::unique_ptr<RecordFile> m_file;
    std::unique_ptr<InstanceLock> m_lock;
    QString m_lockPath;
    // The defaults could not be written before the texts were loaded; say so once they are.
    bool m_defaultsUnsaved = false;
};
