#include "shell/Ports.h"

#include <cstdio>
#include <utility>

namespace {
Ports::MessageFunction& messageFunction() {
    static Ports::MessageFunction f;
    return f;
}
std::function<void()>& endFunction() {
    static std::function<void()> f;
    return f;
}
} // namespace

void ShowMessage(const QString& message, const QString& firstButton, const QString& secondButton) {
    if (messageFunction()) {
        messageFunction()(message, firstButton, secondButton);
        return;
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

void EndProgram() {
    if (endFunction())
        endFunction()();
}

void ReportError(long number, const QString& source, const QString& description) {
    ShowMessage(QStringLiteral("Error ") + QString::number(number) + QStringLiteral(" in ") +
                source + QStringLiteral(": ") + description);
}

void Ports::installShowMessage(MessageFunction f) {
    messageFunction() = std::move(f);
}
void Ports::installEndProgram(std::function<void()> f) {
    endFunction() = std::move(f);
}
