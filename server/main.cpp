// queltabrovel-server: the master server and product web site the game talks to.

#include "CommandLine.h"
#include "Md5.h"
#include "PasswordHash.h"
#include "Storage.h"
#include "UpdateSigner.h"
#include "WebServer.h"

#include <csignal>
#include <iostream>
#include <pthread.h>
#include <sodium.h>
#include <thread>
#include <unistd.h>

namespace {
// A connection holds its worker while it waits for its request, up to the read time-out: enough
// workers that a crowd of silent connections cannot keep the game's requests waiting.
constexpr int WorkerThreads = 256;

std::string databaseUrl(const CommandLine& line) {
    return line.database.empty() ? "sqlite:" + (DefaultDataFolder() / "stats.sqlite").string()
                                 : line.database;
}

std::filesystem::path programFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

// SIGTERM and SIGINT stop the listener; the workers finish their requests and the program
// ends normally. The signals are blocked before any thread starts so only the watcher sees them.
sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

int serve(const CommandLine& line) {
    // A client that hangs up mid-answer must not end the server.
    std::signal(SIGPIPE, SIG_IGN);
    const sigset_t signals = stopSignals();
    const auto storage = OpenStorage(databaseUrl(line));
    StatsService stats(*storage, line.latest, line.oldest);
    WebServer::Settings settings;
    settings.downloads =
        line.downloads.empty() ? DefaultDataFolder() / "downloads" : line.downloads;
    settings.userGuide = programFolder() / "userguide.html";
    settings.workerThreads = WorkerThreads;
    WebServer server(settings, stats, *storage);
    const int port = server.Bind(line.host, line.port);
    if (port < 0) {
        std::cerr << "queltabrovel-server: cannot listen on " << line.host << ':' << line.port
                  << '\n';
        return 1;
    }
    std::cout << "queltabrovel-server: listening on " << line.host << ':' << port << std::endl;
    std::thread([&server, signals] {
        int received = 0;
        sigwait(&signals, &received);
        server.Stop();
    }).detach();
    return server.Run() ? 0 : 1;
}

int addAccount(const CommandLine& line) {
    const auto storage = OpenStorage(databaseUrl(line));
    const auto change = storage->SetAccount(line.accountId, PasswordHash::Hash(MD5(line.password)));
    std::cout << "Account " << line.accountId
              << (change == AccountChange::Added ? " added\n" : ": password replaced\n");
    return 0;
}

int removeAccount(const CommandLine& line) {
    const auto storage = OpenStorage(databaseUrl(line));
    if (!storage->RemoveAccount(line.accountId)) {
        std::cerr << "queltabrovel-server: there is no account " << line.accountId << '\n';
        return 1;
    }
    std::cout << "Account " << line.accountId << " removed with its reports\n";
    return 0;
}

int sign(const CommandLine& line) {
    const UpdateSigner signer(line.key);
    std::cout << "Signed " << line.file.string() << " into " << signer.SignFile(line.file).string()
              << "\nPublic key: " << signer.PublicHex() << '\n';
    return 0;
}

int keygen(const CommandLine& line) {
    UpdateSigner::MakeKeyFile(line.key);
    std::cout << "New key in " << line.key.string()
              << "\nPublic key: " << UpdateSigner(line.key).PublicHex() << '\n';
    return 0;
}

int run(const CommandLine& line) {
    switch (line.command) {
    case CommandLine::Command::Serve:
        return serve(line);
    case CommandLine::Command::AccountAdd:
        return addAccount(line);
    case CommandLine::Command::AccountRemove:
        return removeAccount(line);
    case CommandLine::Command::Sign:
        return sign(line);
    case CommandLine::Command::KeyGen:
        return keygen(line);
    case CommandLine::Command::Help:
        break;
    }
    std::cout << CommandLine::Usage();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (sodium_init() < 0) {
        std::cerr << "queltabrovel-server: libsodium cannot start\n";
        return 1;
    }
    try {
        const auto own = GameVersion::FromDotted(QB_GAME_VERSION);
        return run(CommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc), *own));
    } catch (const UsageError& e) {
        std::cerr << "queltabrovel-server: " << e.what() << "\n\n" << CommandLine::Usage();
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "queltabrovel-server: " << e.what() << '\n';
        return 1;
    }
}
