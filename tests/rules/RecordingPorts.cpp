#include "RecordingPorts.h"

void RecordingPorts::Wait(int ms) {
    waits.push_back(ms);
    if (duringWait)
        duringWait(ms);
}

void RecordingPorts::ShowMessage(const QString& message, const QString&, const QString&) {
    messages.push_back(message);
}

void RecordingPorts::SendCommand(const QString& command, const QString& argument) {
    commands.emplace_back(command, argument);
}

void RecordingPorts::SlotChanged(int slot) {
    if (model)
        slotTexts.emplace_back(slot, std::string(model->text(slot).view()));
}
