#pragma once

#include "UserDataRecord.h"

#include <QString>
#include <array>

class LegacyStore;
class RecordFile;

// What a task page's Next leads to: the finish page with its text, or staying on the page with
// a message for the user.
struct TaskOutcome {
    bool finished = true;
    QString text;
};

// The parts of the profile the reset page offers, in the order of its boxes.
enum class ResetPart {
    Language,
    Port,
    Name,
    Music,
    Online,
    MasterServer,
    SidedeckMode,
    Campaign,
    Highscore
};
using ResetChoices = std::array<bool, 9>;

// The utility's four tasks on its one copy of the user data record, with the error log that the
// finish page shows. No window here: the wizard asks and shows, this does.
class UtilityModel {
public:
    UtilityModel(RecordFile& file, LegacyStore& store);

    const UserDataRecord& record() const { return m_record; }
    const QString& ErrorLog() const { return m_errorLog; }
    void AddLog(const QString& line);
    // Every task starts with an empty log.
    void ClearLog() { m_errorLog.clear(); }
    // The finish text of a task that failed: the heading and the log.
    QString ShowErrorLog() const;

    bool LoadUserData();
    void SaveUserData();
    QString LegacyCheckValue() const;

    // Task 1: the legacy settings into User.dat.
    QString ConvertRegistry(bool deleteValues);
    // Task 2: a backup file of the legacy settings imported, then converted.
    TaskOutcome ConvertFile(const QString& path, bool deleteFile, bool deleteRegistry);
    // Task 3, once the user has confirmed it.
    QString Reset(const ResetChoices& choices);
    // Task 4 on the record that LoadUserData read when its page opened.
    TaskOutcome ChangeSettings(int sidedeckMode, const QString& modeText, const QString& server);
    // The settings page's line about the record's version stamp.
    QString SettingsVersion() const;

private:
    QString importFailed();
    void resetCampaign();

    RecordFile& m_file;
    LegacyStore& m_store;
    UserDataRecord m_record;
    QString m_errorLog;
};
