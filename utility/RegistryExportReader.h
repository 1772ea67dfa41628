#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// One change that a backup file makes to the application's legacy settings.
struct RegistryChange {
    enum class Kind { SetText, DeleteValue, DeleteSection, DeleteAll };
    Kind kind = Kind::SetText;
    QString section;
    QString name;
    QString text;

    bool operator==(const RegistryChange&) const = default;
};

// Reads a backup file of the legacy settings: registry export text, either "REGEDIT4"
// (Windows-1252) or "Windows Registry Editor Version 5.00" (UTF-16LE with its byte-order mark,
// or UTF-8). Quoted string values with their escapes, continued lines, deleted keys and values
// are understood; values of other types are checked and skipped. Only the application's own key
// and its sections count: whatever else the file holds is ignored, so a backup file can never
// reach another program's settings. A file that is not a complete export gives nothing at all.
class RegistryExportReader {
public:
    static std::optional<std::vector<RegistryChange>> read(const QByteArray& file);

private:
    enum class Place { BeforeFirstKey, Elsewhere, ApplicationKey, Section };

    bool readLogicalLine(QStringView line);
    bool readKey(QStringView key);
    bool readValue(QStringView line);
    void add(RegistryChange::Kind kind, const QString& name = {}, const QString& text = {});

    Place m_place = Place::BeforeFirstKey;
    QString m_section;
    std::vector<RegistryChange> m_changes;
};
