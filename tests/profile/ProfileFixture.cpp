#include "ProfileFixture.h"

#include <QFile>
#include <memory>

namespace {
// Texts the store shows, with wording that proves which line was used and how markers work.
const std::vector<std::pair<clsLanguage::Text, std::string>> StoreTexts = {
    {clsLanguage::AlreadyStarted_, "another game runs"},
    {clsLanguage::SettingsUpdated_, "from %1 to %2; again %1 and %2"},
    {clsLanguage::SettingsSaveFailed_, "could not save"},
};
} // namespace

void ProfileFixture::SetUp() {
    ASSERT_TRUE(m_folder.isValid());
    Ports::installShowMessage(
        [this](const QString& text, const QString& first, const QString& second) {
            m_messages.push_back({text, first, second});
        });
    Ports::installEndProgram([this] { ++m_programEnds; });
    auto file = std::make_unique<MemoryRecordFile>();
    m_file = file.get();
    clsStore::instance().setFileAccess(std::move(file));
    clsStore::instance().setInstanceLockPath(m_folder.filePath(QStringLiteral("User.dat.lock")));
    clsLanguage::instance().setProgramFolder(m_folder.path());
    GameState::instance().GameMode = GameState::SingleGame;
    writeLanguageFile(QStringLiteral("English.ini"), numberedTexts());
}

void ProfileFixture::writeLanguageFile(const QString& name,
                                       const std::vector<std::string>& lines) const {
    QFile file(m_folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const std::string& line : lines)
        file.write((line + "\r\n").c_str());
}

std::vector<std::string> ProfileFixture::numberedTexts() {
    std::vector<std::string> lines;
    for (int n = 1; n <= clsLanguage::TextCount; ++n)
        lines.push_back("text " + std::to_string(n));
    for (const auto& [text, wording] : StoreTexts)
        lines[static_cast<std::size_t>(text)] = wording;
    return lines;
}

QString ProfileFixture::numberedText(clsLanguage::Text t) {
    return QString::fromStdString(numberedTexts()[static_cast<std::size_t>(t)]);
}

std::vector<std::uint8_t> ProfileFixture::fileOf(const UserDataRecord& record, std::size_t size) {
    const UserDataRecord::Bytes bytes = record.toBytes();
    std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
    file.resize(size, 0x5A);
    return file;
}

UserDataRecord ProfileFixture::recordWithVersion(int major, int minor, int revision) {
    UserDataRecord record = UserDataRecord::defaults();
    record.VersionMajor = major;
    record.VersionMinor = minor;
    record.DataRevision = revision;
    return record;
}

UserDataRecord ProfileFixture::stored() const {
    UserDataRecord::Bytes bytes{};
    EXPECT_TRUE(m_file->contents().has_value());
    if (m_file->contents() && m_file->contents()->size() >= bytes.size())
        std::copy_n(m_file->contents()->begin(), bytes.size(), bytes.begin());
    return UserDataRecord::fromBytes(bytes);
}
