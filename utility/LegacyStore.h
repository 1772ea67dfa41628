#pragma once

#include <QString>
#include <memory>
#include <vector>

class QSettings;
struct RegistryChange;

// The settings of the older game versions: text values by section ("Player", "Settings") and
// value name, kept per user for the application "QueltaBrovel" in the platform's native settings
// store (on Windows the registry key the legacy settings functions used). Reading a value that
// does not exist gives an empty text, as those functions did.
class LegacyStore {
public:
    // The per-user native store.
    LegacyStore();
    // A store kept in one settings file, for tests and tools.
    explicit LegacyStore(const QString& file);
    ~LegacyStore();

    QString value(const QString& section, const QString& name) const;
    void setValue(const QString& section, const QString& name, const QString& text);

    // Applies the changes of an imported backup file in their order; false when the store could
    // not be written.
    bool apply(const std::vector<RegistryChange>& changes);
    // Deletes the application's whole key with every section; false when that failed.
    bool clear();

private:
    bool flushed();

    std::unique_ptr<QSettings> m_settings;
};
