#include "UserDataRecord.h"

#include "Cp1252.h"

namespace {

enum class Trailing { Trim, Keep };

// Writes fields one after another into the record bytes.
class FieldWriter {
public:
    explicit FieldWriter(UserDataRecord::Bytes& bytes) : bytes_(bytes) {}

    void integer(const std::int32_t& value) {
        const auto u = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            bytes_[pos_++] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
        }
    }
    // Space-padded to the width or cut to it, one code page byte per character.
    void text(const std::string& value, std::size_t width, Trailing) {
        const std::string encoded = cp1252::fromUtf8(value);
        for (std::size_t i = 0; i < width; ++i) {
            bytes_[pos_++] = static_cast<std::uint8_t>(i < encoded.size() ? encoded[i] : ' ');
        }
    }
    void padding(std::size_t width) { pos_ += width; }

private:
    UserDataRecord::Bytes& bytes_;
    std::size_t pos_ = 0;
};

// Reads fields in the same order as FieldWriter writes them.
class FieldReader {
public:
    explicit FieldReader(const UserDataRecord::Bytes& bytes) : bytes_(bytes) {}

    void integer(std::int32_t& value) {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) {
            u |= static_cast<std::uint32_t>(bytes_[pos_++]) << (8 * i);
        }
        value = static_cast<std::int32_t>(u);
    }
    // Trailing spaces are the padding; zero bytes of a never-written field are content.
    void text(std::string& value, std::size_t width, Trailing trailing) {
        std::string raw(reinterpret_cast<const char*>(bytes_.data() + pos_), width);
        pos_ += width;
        if (trailing == Trailing::Trim) {
            const auto last = raw.find_last_not_of(' ');
            raw.erase(last == std::string::npos ? 0 : last + 1);
        }
        value = cp1252::toUtf8(raw);
    }
    void padding(std::size_t width) { pos_ += width; }

private:
    const UserDataRecord::Bytes& bytes_;
    std::size_t pos_ = 0;
};

template <typename Io, typename Array> void integers(Io& io, Array& values) {
    for (auto& v : values) {
        io.integer(v);
    }
}

// The one description of the file layout, walked for reading and for writing.
template <typename Io, typename Record> void walkFields(Io& io, Record& r) {
    constexpr std::size_t Text = UserDataRecord::TextWidth;
    io.integer(r.VersionMajor);
    io.integer(r.VersionMinor);
    io.integer(r.DataRevision);
    io.text(r.LanguageFile, Text, Trailing::Trim);
    io.padding(2);
    io.integer(r.MusicFile);
    io.integer(r.Reserved);
    io.integer(r.Port);
    io.text(r.MasterServer, Text, Trailing::Trim);
    io.text(r.TempIP, Text, Trailing::Trim);
    io.integer(r.Checksum);
    io.integer(r.Credits);
    io.integer(r.Highscore);
    io.integer(r.Level);
    io.integer(r.Losses);
    io.integer(r.Wins);
    io.integer(r.TempCredits);
    integers(io, r.Card);
    io.text(r.Name, Text, Trailing::Trim);
    io.padding(2);
    io.integer(r.OnlineID);
    io.text(r.OnlinePassword, UserDataRecord::PasswordWidth, Trailing::Keep);
    integers(io, r.SidedeckCards);
    integers(io, r.CampaignSidedeckCards);
    io.integer(r.SidedeckSaveMode);
}

// Wrapping 32-bit arithmetic: values a foreign tool wrote must not make the check overflow.
std::int32_t wrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace

UserDataRecord UserDataRecord::fromBytes(const Bytes& bytes) {
    UserDataRecord r;
    FieldReader reader(bytes);
    walkFields(reader, r);
    return r;
}

UserDataRecord::Bytes UserDataRecord::toBytes() const {
    Bytes bytes{};
    FieldWriter writer(bytes);
    walkFields(writer, *this);
    return bytes;
}

UserDataRecord UserDataRecord::defaults() {
    UserDataRecord r;
    r.VersionMajor = ProgramMajor;
    r.VersionMinor = ProgramMinor;
    r.DataRevision = FormatRevision;
    r.LanguageFile = "English.ini";
    r.MusicFile = 1;
    r.Port = 333;
    r.MasterServer = DefaultMasterServer;
    r.TempIP = "127.0.0.1";
    r.Credits = 100;
    r.Highscore = 25;
    r.Level = 1;
    for (int kind = 0; kind < 10; ++kind) {
        r.Card[static_cast<std::size_t>(kind)] = 1;
    }
    r.Name = "Player";
    // Never set until the player enters an online identity: stays zero bytes in the file.
    r.OnlinePassword.assign(PasswordWidth, '\0');
    r.SidedeckCards[0] = -1;
    r.CampaignSidedeckCards[0] = -1;
    r.SidedeckSaveMode = 1;
    r.Checksum = r.computeChecksum();
    return r;
}

std::int32_t UserDataRecord::computeChecksum() const {
    std::int32_t c = 0;
    for (int i = 0; i < KindCount; ++i) {
        c ^= wrapSub(Card[static_cast<std::size_t>(i)], -i);
    }
    c ^= Level;
    c ^= wrapSub(Highscore, 3);
    c ^= wrapSub(Wins, 7);
    c ^= wrapSub(Credits, 11);
    c ^= wrapSub(Losses, 15);
    c ^= wrapSub(TempCredits, 20);
    return c;
}
