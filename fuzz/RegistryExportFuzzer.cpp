// A backup file of any content, converted the way the utility's second task does it: read whole,
// applied to a legacy settings store, converted into User.dat. A file that is no complete export
// changes nothing; whatever is applied reaches only the application's two sections and reads
// back as written; a conversion that says it succeeded leaves a valid record in User.dat.
#include "FuzzFile.h"
#include "LegacyStore.h"
#include "RegistryExportReader.h"
#include "UtilityModel.h"
#include "binding/MemoryRecordFile.h"

#include <QFile>
#include <QStringList>
#include <cstdlib>
#include <map>

namespace {
void require(bool condition) {
    if (!condition)
        std::abort();
}

bool storable(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

// What each value holds after the changes, as far as the changes alone tell.
using Expected = std::map<std::pair<QString, QString>, QString>;

Expected expectedValues(const std::vector<RegistryChange>& changes) {
    Expected values;
    for (const RegistryChange& change : changes) {
        require(change.kind == RegistryChange::Kind::DeleteAll || storable(change.section));
        switch (change.kind) {
        case RegistryChange::Kind::SetText:
            require(storable(change.name));
            values[{change.section, change.name}] = change.text;
            break;
        case RegistryChange::Kind::DeleteValue:
            values[{change.section, change.name}].clear();
            break;
        case RegistryChange::Kind::DeleteSection:
            std::erase_if(values, [&](const auto& v) { return v.first.first == change.section; });
            break;
        case RegistryChange::Kind::DeleteAll:
            values.clear();
            break;
        }
    }
    return values;
}

void checkStore(const std::vector<RegistryChange>& changes, const QString& storeFile) {
    LegacyStore store(storeFile);
    require(store.apply(changes));
    for (const auto& [key, text] : expectedValues(changes))
        require(store.value(key.first, key.second) == text);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = QString::fromStdString(FuzzFile::folder());
    const QString storeFile = folder + QStringLiteral("/legacy.ini");
    QFile::remove(storeFile);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto changes = RegistryExportReader::read(bytes);
    if (changes)
        checkStore(*changes, storeFile);
    QFile::remove(storeFile);

    MemoryRecordFile userDat;
    LegacyStore store(storeFile);
    UtilityModel model(userDat, store);
    const TaskOutcome outcome =
        model.ConvertFile(QString::fromStdString(FuzzFile::holding(data, size)), false, true);
    require(outcome.finished);
    if (!changes)
        require(!userDat.contents());
    if (outcome.text.startsWith(QStringLiteral("The conversion was successfully completed."))) {
        require(userDat.contents() && userDat.contents()->size() == UserDataRecord::Size);
        UserDataRecord::Bytes written{};
        std::copy_n(userDat.contents()->begin(), written.size(), written.begin());
        require(UserDataRecord::fromBytes(written).checksumValid());
    }
    return 0;
}
