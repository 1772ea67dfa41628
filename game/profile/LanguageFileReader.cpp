#include "profile/LanguageFileReader.h"

#include "Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <string>

namespace {
using Error = LanguageFileReader::Error;

std::optional<Error> openFile(QFile& file) {
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return Error{LanguageFileReader::FileNotFound,
                     QStringLiteral("File not found: ") + file.fileName()};
    if (!info.isFile())
        return Error{LanguageFileReader::NotAFile,
                     QStringLiteral("Not a file: ") + file.fileName()};
    if (file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.error() == QFileDevice::PermissionsError)
        return Error{LanguageFileReader::AccessDenied,
                     QStringLiteral("Permission denied: ") + file.fileName()};
    return Error{LanguageFileReader::ReadFailed, QStringLiteral("Cannot open ") + file.fileName() +
                                                     QStringLiteral(" (") + file.errorString() +
                                                     QStringLiteral(")")};
}

// Splits the byte stream into lines and hands them over until enough were taken.
class LineSplitter {
public:
    LineSplitter(int maxLines, const LanguageFileReader::LineFunction& take)
        : m_maxLines(maxLines), m_take(take) {}

    bool done() const { return m_lineNumber >= m_maxLines; }

    // False when the current line grew too long.
    bool feed(char byte) {
        const bool afterCr = m_afterCr;
        m_afterCr = byte == '\r';
        if (byte == '\r' || (byte == '\n' && !afterCr)) {
            endLine();
            return true;
        }
        if (byte != '\n')
            m_line.push_back(byte);
        return static_cast<qsizetype>(m_line.size()) <= LanguageFileReader::MaxLineBytes;
    }

    // A last line without a line end is a line too.
    void finish() {
        if (!m_line.empty() && !done())
            endLine();
    }

    int lineNumber() const { return m_lineNumber + 1; }

private:
    void endLine() {
        ++m_lineNumber;
        m_take(m_lineNumber, QString::fromStdString(cp1252::toUtf8(m_line)));
        m_line.clear();
    }

    int m_maxLines;
    const LanguageFileReader::LineFunction& m_take;
    int m_lineNumber = 0;
    bool m_afterCr = false;
    std::string m_line;
};
} // namespace

std::optional<Error> LanguageFileReader::read(const QString& path, int maxLines,
                                              const LineFunction& take) {
    QFile file(path);
    if (auto error = openFile(file))
        return error;
    LineSplitter lines(maxLines, take);
    char chunk[4096];
    while (!lines.done()) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return Error{ReadFailed, QStringLiteral("Read error in ") + path};
        if (got == 0)
            break;
        for (qint64 i = 0; i < got && !lines.done(); ++i) {
            if (!lines.feed(chunk[i]))
                return Error{LineTooLong,
                             QStringLiteral("Line %1 is too long").arg(lines.lineNumber())};
        }
    }
    lines.finish();
    return std::nullopt;
}

std::optional<Error> LanguageFileReader::checkFileName(const QString& name) {
    const bool bad = name.isEmpty() || name.contains(u'/') || name.contains(u'\\') ||
                     name == QStringLiteral(".") || name == QStringLiteral("..") ||
                     name.contains(QChar(0));
    if (!bad)
        return std::nullopt;
    return Error{BadFileName, QStringLiteral("Bad file name: \"") + name + QStringLiteral("\"")};
}
