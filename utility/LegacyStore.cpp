#include "LegacyStore.h"

#include "RegistryExportReader.h"

#include <QSettings>
#include <QStringList>

namespace {

QString keyOf(const QString& section, const QString& name) {
    return section + u'/' + name;
}

// On Windows the values live where the legacy settings functions put them; elsewhere the
// application's own folder of the per-user configuration holds them.
std::unique_ptr<QSettings> nativeSettings() {
#ifdef Q_OS_WIN
    const QString owner = QStringLiteral("VB and VBA Program Settings");
#else
    const QString owner = QStringLiteral("QueltaBrovel");
#endif
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, owner,
                                       QStringLiteral("QueltaBrovel"));
}

} // namespace

LegacyStore::LegacyStore() : m_settings(nativeSettings()) {
}

LegacyStore::LegacyStore(const QString& file)
    : m_settings(std::make_unique<QSettings>(file, QSettings::IniFormat)) {
}

LegacyStore::~LegacyStore() = default;

QString LegacyStore::value(const QString& section, const QString& name) const {
    const QVariant stored = m_settings->value(keyOf(section, name));
    // A hand-edited file may hold an unquoted text with commas, which reads as a list.
    if (stored.metaType().id() == QMetaType::QStringList)
        return stored.toStringList().join(u',');
    return stored.toString();
}

void LegacyStore::setValue(const QString& section, const QString& name, const QString& text) {
    m_settings->setValue(keyOf(section, name), text);
}

bool LegacyStore::apply(const std::vector<RegistryChange>& changes) {
    for (const RegistryChange& change : changes) {
        switch (change.kind) {
        case RegistryChange::Kind::SetText:
            setValue(change.section, change.name, change.text);
            break;
        case RegistryChange::Kind::DeleteValue:
            m_settings->remove(keyOf(change.section, change.name));
            break;
        case RegistryChange::Kind::DeleteSection:
            m_settings->remove(change.section);
            break;
        case RegistryChange::Kind::DeleteAll:
            m_settings->clear();
            break;
        }
    }
    return flushed();
}

bool LegacyStore::clear() {
    m_settings->clear();
    return flushed();
}

bool LegacyStore::flushed() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
