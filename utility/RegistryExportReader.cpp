#include "RegistryExportReader.h"

#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

const QString ApplicationKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\QueltaBrovel");
const QString Version4 = QStringLiteral("REGEDIT4");
const QString Version5 = QStringLiteral("Windows Registry Editor Version 5.00");

std::optional<QString> decoded(QStringDecoder::Encoding encoding, const QByteArray& bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The export's text. Version 4 files are in the Windows code page, version 5 files in UTF-16LE
// (with the byte-order mark the registry editor writes) or UTF-8.
std::optional<QString> textOf(const QByteArray& file) {
    if (file.startsWith("\xFF\xFE")) {
        // An odd byte count is a file cut in the middle of a character.
        if (file.size() % 2 != 0)
            return std::nullopt;
        return decoded(QStringDecoder::Utf16LE, file.mid(2));
    }
    if (file.startsWith("\xEF\xBB\xBF"))
        return decoded(QStringDecoder::Utf8, file.mid(3));
    if (file.startsWith(Version4.toLatin1()))
        return QString::fromStdString(cp1252::toUtf8(file.toStdString()));
    return decoded(QStringDecoder::Utf8, file);
}

// A value line ending in a backslash outside a quoted string goes on in the next line (the
// registry editor wraps long binary values so).
bool continues(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.front() == u'[' || trimmed.front() == u';')
        return false;
    bool quoted = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (quoted && trimmed[i] == u'\\')
            ++i;
        else if (trimmed[i] == u'"')
            quoted = !quoted;
    }
    return !quoted && trimmed.back() == u'\\';
}

// A quoted string from pos, whose escapes are \\ and \"; pos ends behind the closing quote.
std::optional<QString> quoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\') {
            if (++pos == line.size() || (line[pos] != u'\\' && line[pos] != u'"'))
                return std::nullopt;
        }
        text += line[pos];
    }
    return std::nullopt;
}

bool isHex(QStringView digits, qsizetype minimum, qsizetype maximum) {
    if (digits.size() < minimum || digits.size() > maximum)
        return false;
    for (const QChar c : digits) {
        if (!c.isDigit() && !(c.toLower() >= u'a' && c.toLower() <= u'f'))
            return false;
    }
    return true;
}

// "hex:01,02" or "hex(7):00,00": bytes of two hexadecimal digits separated by commas.
bool isBinary(QStringView data) {
    const qsizetype colon = data.indexOf(u':');
    const QStringView type = data.left(colon);
    const bool typed = type.startsWith(u"hex(", Qt::CaseInsensitive) && type.endsWith(u')') &&
                       isHex(type.mid(4, type.size() - 5), 1, 8);
    if (colon < 0 || (type.compare(u"hex", Qt::CaseInsensitive) != 0 && !typed))
        return false;
    const QStringView bytes = data.mid(colon + 1).trimmed();
    if (bytes.isEmpty())
        return true;
    for (const QStringView byte : bytes.split(u',')) {
        if (!isHex(byte.trimmed(), 2, 2))
            return false;
    }
    return true;
}

bool isOtherType(QStringView data) {
    if (data.startsWith(u"dword:", Qt::CaseInsensitive))
        return isHex(data.mid(6).trimmed(), 1, 8);
    return isBinary(data);
}

// The two sections the game used, spelled as the conversion reads them; the registry ignores
// the case of key names.
QString sectionName(const QString& key) {
    for (const QString& known : {QStringLiteral("Player"), QStringLiteral("Settings")}) {
        if (key.compare(known, Qt::CaseInsensitive) == 0)
            return known;
    }
    return key;
}

// Names the settings store can hold: it reads '/' and '\' as separators of nested keys.
bool storable(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

} // namespace

std::optional<std::vector<RegistryChange>> RegistryExportReader::read(const QByteArray& file) {
    const std::optional<QString> text = textOf(file);
    if (!text)
        return std::nullopt;
    QStringList lines = text->split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    const QString header = lines.isEmpty() ? QString() : lines.takeFirst().trimmed();
    if (header != Version4 && header != Version5)
        return std::nullopt;

    RegistryExportReader reader;
    QString logical;
    bool continued = false;
    for (const QString& line : lines) {
        logical += continued ? line.trimmed() : line;
        continued = continues(logical);
        if (continued) {
            logical = logical.trimmed();
            logical.chop(1);
            continue;
        }
        if (!reader.readLogicalLine(logical))
            return std::nullopt;
        logical.clear();
    }
    // A file that ends inside a continued value was cut off.
    if (continued)
        return std::nullopt;
    return std::move(reader.m_changes);
}

bool RegistryExportReader::readLogicalLine(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.front() == u';')
        return true;
    if (trimmed.front() == u'[') {
        if (trimmed.back() != u']')
            return false;
        return readKey(trimmed.mid(1, trimmed.size() - 2).trimmed());
    }
    return readValue(trimmed);
}

bool RegistryExportReader::readKey(QStringView key) {
    const bool deleted = key.startsWith(u'-');
    const QString path = (deleted ? key.mid(1) : key).trimmed().toString();
    const QString below = ApplicationKey + u'\\';
    m_place = Place::Elsewhere;
    if (path.compare(ApplicationKey, Qt::CaseInsensitive) == 0 ||
        below.startsWith(path + u'\\', Qt::CaseInsensitive)) {
        // The application's key itself, or a key that holds it.
        m_section.clear();
        if (deleted)
            add(RegistryChange::Kind::DeleteAll);
        else if (path.size() == ApplicationKey.size())
            m_place = Place::ApplicationKey;
        return true;
    }
    const QString section = path.mid(below.size());
    if (!path.startsWith(below, Qt::CaseInsensitive) || !storable(section))
        return true;
    m_section = sectionName(section);
    if (deleted)
        add(RegistryChange::Kind::DeleteSection);
    else
        m_place = Place::Section;
    return true;
}

bool RegistryExportReader::readValue(QStringView line) {
    if (m_place == Place::BeforeFirstKey)
        return false;
    qsizetype pos = 0;
    std::optional<QString> name;
    if (line.front() == u'@')
        pos = 1; // the key's default value: the legacy settings never had one
    else if (name = quoted(line, pos); !name)
        return false;
    const QStringView rest = line.mid(pos).trimmed();
    if (!rest.startsWith(u'='))
        return false;
    const QStringView data = rest.mid(1).trimmed();
    const bool ours = m_place == Place::Section && name && storable(*name);
    if (data == u"-") {
        if (ours)
            add(RegistryChange::Kind::DeleteValue, *name);
        return true;
    }
    if (data.startsWith(u'"')) {
        qsizetype end = 0;
        const std::optional<QString> text = quoted(data, end);
        if (!text || end != data.size())
            return false;
        if (ours)
            add(RegistryChange::Kind::SetText, *name, *text);
        return true;
    }
    return isOtherType(data);
}

void RegistryExportReader::add(RegistryChange::Kind kind, const QString& name,
                               const QString& text) {
    m_changes.push_back({kind, m_section, name, text});
}
