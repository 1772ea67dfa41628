#pragma once

#include <array>
#include <cstdint>
#include <string>

// The player's whole memory between runs: the fixed 868-byte record stored as User.dat.
// In memory, text fields are UTF-8; in the file they are Windows-1252, space-padded or cut to
// their width. Integers are 32-bit little-endian in the file.
struct UserDataRecord {
    static constexpr std::size_t Size = 868;
    using Bytes = std::array<std::uint8_t, Size>;

    static constexpr int KindCount = 23;
    static constexpr int SidedeckSize = 10;
    static constexpr int TextWidth = 150;    // LanguageFile, MasterServer, TempIP, Name
    static constexpr int PasswordWidth = 32; // OnlinePassword

    // The running program's version; the record format revision is always 2.
    static constexpr std::int32_t ProgramMajor = 1;
    static constexpr std::int32_t ProgramMinor = 8;
    static constexpr std::int32_t FormatRevision = 2;
    static constexpr const char* DefaultMasterServer = "localhost:8787";

    std::int32_t VersionMajor = 0;
    std::int32_t VersionMinor = 0;
    std::int32_t DataRevision = 0;
    std::string LanguageFile;
    std::int32_t MusicFile = 0;
    std::int32_t Reserved = 0; // offset 168: nobody reads or changes it, it is only carried
    std::int32_t Port = 0;
    std::string MasterServer;
    std::string TempIP;
    std::int32_t Checksum = 0;
    std::int32_t Credits = 0;
    std::int32_t Highscore = 0;
    std::int32_t Level = 0;
    std::int32_t Losses = 0;
    std::int32_t Wins = 0;
    std::int32_t TempCredits = 0;
    std::array<std::int32_t, KindCount> Card{};
    std::string Name;
    std::int32_t OnlineID = 0;
    std::string OnlinePassword;
    std::array<std::int32_t, SidedeckSize> SidedeckCards{};
    std::array<std::int32_t, SidedeckSize> CampaignSidedeckCards{};
    std::int32_t SidedeckSaveMode = 0;

    // Reading removes trailing spaces of every text field except OnlinePassword (all 32
    // characters); zero bytes of a never-written field are kept as U+0000 characters.
    static UserDataRecord fromBytes(const Bytes& bytes);
    Bytes toBytes() const;

    // All zero, then the documented defaults, then the checksum (-73 for the defaults).
    static UserDataRecord defaults();

    // XOR over the campaign values (cards, level, highscore, wins, credits, losses, opponent
    // credits) with wrapping 32-bit arithmetic.
    std::int32_t computeChecksum() const;
    bool checksumValid() const { return Checksum == computeChecksum(); }

    bool operator==(const UserDataRecord&) const = default;
};
