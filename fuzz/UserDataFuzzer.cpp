// User.dat of any size and content, loaded the way the game starts: clsStore::Initialize() over
// the record file, then every property the windows read, then one save. Bytes that load must
// come back out unchanged; bytes that do not load end in a message, never in a crash.
#include "binding/MemoryRecordFile.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameError.h"
#include "rules/GameState.h"
#include "shell/Ports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

namespace {
void require(bool condition) {
    if (!condition)
        std::abort();
}

// The program folder with a complete English.ini, messages and program ends swallowed.
void prepareProgram() {
    static QTemporaryDir folder;
    require(folder.isValid());
    QFile language(folder.filePath(QStringLiteral("English.ini")));
    require(language.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int n = 1; n <= clsLanguage::TextCount; ++n)
        language.write(QByteArray("text ") + QByteArray::number(n) + "\r\n");
    language.close();
    clsLanguage::instance().setProgramFolder(folder.path());
    Ports::installShowMessage([](const QString&, const QString&, const QString&) {});
    Ports::installEndProgram([] {});
    clsStore::instance().setInstanceLockPath({});
}

// A loaded record is the file's bytes: reading and writing it again changes nothing but the
// two padding fields, which are always written as zero.
void checkRoundTrip(const std::vector<std::uint8_t>& file) {
    UserDataRecord::Bytes bytes{};
    std::copy_n(file.begin(), bytes.size(), bytes.begin());
    UserDataRecord::Bytes expected = bytes;
    for (const std::size_t padding : {162u, 163u, 746u, 747u})
        expected[padding] = 0;
    require(UserDataRecord::fromBytes(bytes).toBytes() == expected);
}

// What the menu, the settings window and the campaign read; the game's overflow error of the
// narrow properties is the documented answer to a value that does not fit them, which the
// reading windows report. Any other error is a fault.
void readProperties() {
    const clsStore& store = clsStore::instance();
    const clsPlayer& player = clsPlayer::instance();
    const auto guarded = [](auto read) {
        try {
            read();
        } catch (const GameError& error) {
            require(error.number() == GameError::OverflowNumber);
        }
    };
    guarded([&] { return store.MusicFile(); });
    guarded([&] { return store.SidedeckSaveMode(); });
    guarded([&] { return player.Wins(); });
    guarded([&] { return player.Losses(); });
    guarded([&] { return player.Level(); });
    for (int kind = 0; kind < UserDataRecord::KindCount; ++kind)
        guarded([&] { return player.Card(kind); });
    for (int index = 0; index < UserDataRecord::SidedeckSize; ++index)
        (void)store.SidedeckCard(index);
    (void)store.LanguageFile();
    (void)store.TempIP();
    (void)store.Port();
    (void)store.UpdateFile();
    (void)store.OnlineStatsPath();
    (void)player.Name();
    (void)player.OnlineID();
    (void)player.OnlinePassword();
    (void)player.Highscore();
    (void)player.Credits();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = (prepareProgram(), true);
    (void)prepared;
    std::vector<std::uint8_t> contents(data, data + size);
    // No bytes at all stands for no file: the first start, which creates the defaults.
    auto file = size == 0 ? std::make_unique<MemoryRecordFile>()
                          : std::make_unique<MemoryRecordFile>(contents);
    MemoryRecordFile& stored = *file;
    clsStore::instance().setFileAccess(std::move(file));
    UserData() = UserDataRecord{};
    GameState::instance().GameMode =
        size > 500 && data[500] % 2 ? GameState::Campaign : GameState::SingleGame;

    if (!clsStore::instance().Initialize())
        return 0;
    require(UserData().checksumValid());
    if (size >= UserDataRecord::Size)
        checkRoundTrip(contents);
    readProperties();

    clsStore::instance().WriteUserData();
    require(stored.contents() && stored.contents()->size() == UserDataRecord::Size);
    UserDataRecord::Bytes written{};
    std::copy_n(stored.contents()->begin(), written.size(), written.begin());
    require(UserDataRecord::fromBytes(written) == UserData());
    return 0;
}
