#pragma once

#include <QString>
#include <functional>
#include <optional>

// Reads a language file line by line: Windows-1252 bytes, lines ended by CR LF, a lone CR or a
// lone LF, each line taken whole (no trimming, no escapes). Reading stops at the end of the
// file or after the last line wanted, so whatever follows is never looked at.
class LanguageFileReader {
public:
    // Our numbers for what can go wrong with a language file.
    enum ErrorNumber : long {
        FileNotFound = 101,
        BadFileName = 102,
        AccessDenied = 103,
        NotAFile = 104,
        ReadFailed = 105,
        LineTooLong = 106,
    };
    struct Error {
        long number;
        QString description;
    };
    using LineFunction = std::function<void(int lineNumber, const QString& text)>;

    // A single line longer than this is no language text but a damaged or foreign file.
    static constexpr qsizetype MaxLineBytes = 65536;

    // Hands lines 1..maxLines to take in order; returns the error that stopped the reading.
    // Lines handed over before an error stay handed over.
    static std::optional<Error> read(const QString& path, int maxLines, const LineFunction& take);

    // The error for a language file name that is empty or names another folder, if it is so.
    static std::optional<Error> checkFileName(const QString& name);
};
