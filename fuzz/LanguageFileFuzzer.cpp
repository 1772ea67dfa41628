// A language file of any content, read by the game's loader: at most 105 texts, each one line
// without its line end, and the socket state texts taken from them.
#include "FuzzFile.h"
#include "profile/clsLanguage.h"
#include "shell/Ports.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet =
        (Ports::installShowMessage([](const QString&, const QString&, const QString&) {}), true);
    (void)quiet;
    clsLanguage& language = clsLanguage::instance();
    for (int t = 0; t < clsLanguage::TextCount; ++t)
        language.setText(static_cast<clsLanguage::Text>(t), {});

    const QString path = QString::fromStdString(FuzzFile::holding(data, size));
    if (!language.LoadLanguageFrom(path))
        return 0;
    for (int t = 0; t < clsLanguage::TextCount; ++t) {
        const QString& text = language.text(static_cast<clsLanguage::Text>(t));
        if (text.contains(u'\r') || text.contains(u'\n'))
            std::abort();
    }
    for (short state = -1; state <= 10; ++state)
        (void)language.WinsockStateString(state);
    return 0;
}
