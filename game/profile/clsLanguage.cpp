#include "profile/clsLanguage.h"

#include "profile/LanguageFileReader.h"
#include "profile/clsStore.h"
#include "shell/Ports.h"

#include <QCoreApplication>

clsLanguage& clsLanguage::instance() {
    static clsLanguage language;
    return language;
}

QString clsLanguage::programFolder() const {
    return m_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_programFolder;
}

bool clsLanguage::LoadLanguage() {
    const QString name = clsStore::instance().LanguageFile();
    // The name comes from User.dat: it may only name a file in the program's folder.
    if (const auto error = LanguageFileReader::checkFileName(name))
        return reportLoadError(error->number, error->description);
    return LoadLanguageFrom(programFolder() + u'/' + name);
}

bool clsLanguage::LoadLanguageFrom(const QString& path) {
    const auto take = [this](int lineNumber, const QString& text) {
        m_texts[static_cast<std::size_t>(lineNumber - 1)] = text;
    };
    if (const auto error = LanguageFileReader::read(path, TextCount, take))
        return reportLoadError(error->number, error->description);
    return true;
}

bool clsLanguage::reportLoadError(long number, const QString& description) {
    ShowMessage(QStringLiteral("Error ") + QString::number(number) +
                    QStringLiteral(" in LoadLanguage: ") + description,
                QStringLiteral("OK"));
    return false;
}

QString clsLanguage::WinsockStateString(short state) const {
    // The socket states 0..9 are the ten texts from SckClosed on, in the same order.
    if (state < 0 || state > SckError_ - SckClosed_)
        return QStringLiteral("Error");
    return m_texts[static_cast<std::size_t>(SckClosed_ + state)];
}
