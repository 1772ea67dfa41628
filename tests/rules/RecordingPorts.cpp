#include "RecordingPorts.h"

void RecordingPorts::Wait(int ms) {
    waits.push_back(ms);
    if (duringWait)
        duringWait(Blocking::Pause);
}

void RecordingPorts::ShowMessage(const QString& message, const QString&, const QString&) {
    messages.push_back(message);
    if (duringWait)
        duringWait(Blocking::Message);
}

void RecordingPorts::tell(std::string line) {
    told.push_back(std::move(line));
    if (duringWait)
        duringWait(Blocking::Send);
}

void RecordingPorts::CardPlaced(int side, int face, const CardText& text) {
    tell("card " + std::to_string(side) + ' ' + std::to_string(face) + ' ' +
         std::string(text.view()));
}

void RecordingPorts::SlotRewritten(int slot, const CardText& text) {
    tell("rewritten " + std::to_string(slot) + ' ' + std::string(text.view()));
}

void RecordingPorts::SlotChanged(int slot) {
    if (model)
        slotTexts.emplace_back(slot, std::string(model->text(slot).view()));
}
