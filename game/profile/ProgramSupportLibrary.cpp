#include "profile/ProgramSupportLibrary.h"

#include "binding/SupportRecordFile.h"
#include "shell/Ports.h"

namespace {
// Our number for "the support library could not be used".
constexpr long SupportLibraryMissing = 48;

void reportMissingLibrary(const QString& function, const QString& reason) {
    ReportError(SupportLibraryMissing, function, reason);
}
} // namespace

std::shared_ptr<SupportLibrary> ProgramSupportLibrary() {
    static const auto library = std::make_shared<SupportLibrary>();
    return library;
}

std::unique_ptr<RecordFile> GameRecordFile(std::shared_ptr<SupportLibrary> library) {
    return std::make_unique<SupportRecordFile>(std::move(library), &reportMissingLibrary);
}
