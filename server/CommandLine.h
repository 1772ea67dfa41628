#pragma once

#include "GameVersion.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The server's command line:
//   serve [--listen HOST:PORT] [--database URL] [--downloads DIR] [--latest X.Y.Z] [--oldest X.Y.Z]
//   account add ID PASSWORD [--database URL]
//   account remove ID [--database URL]
//   sign FILE --key KEYFILE
//   keygen KEYFILE
// Options left out keep their defaults; the database and the downloads folder default to the
// server's own data folder (see DefaultDataFolder).
struct CommandLine {
    enum class Command { Serve, AccountAdd, AccountRemove, Sign, KeyGen, Help };

    Command command = Command::Help;
    std::string host = "127.0.0.1";
    int port = 8787;
    std::string database;
    std::filesystem::path downloads;
    GameVersion latest;
    GameVersion oldest{1, 8, 0};
    int accountId = 0;
    std::string password;
    std::filesystem::path file;
    std::filesystem::path key;

    // Throws UsageError with a message for the user.
    static CommandLine Parse(const std::vector<std::string>& args, GameVersion ownVersion);
    static const char* Usage();
};

// $XDG_DATA_HOME/queltabrovel-server, else ~/.local/share/queltabrovel-server.
std::filesystem::path DefaultDataFolder();
