#include "CommandLine.h"

#include "AccountId.h"
#include "Decimal.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {
constexpr std::size_t LongestPassword = 255;

using Options = std::map<std::string, std::string>;

// Splits the words into positional words and "--name value" options of the allowed names.
std::vector<std::string> split(const std::vector<std::string>& words,
                               const std::vector<std::string>& allowed, Options& options) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) {
            positional.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            throw UsageError("unknown option " + word);
        if (i + 1 >= words.size())
            throw UsageError(word + " needs a value");
        if (!options.emplace(name, words[++i]).second)
            throw UsageError(word + " is given twice");
    }
    return positional;
}

GameVersion version(const std::string& text, const std::string& option) {
    const auto parsed = GameVersion::FromDotted(text);
    if (!parsed)
        throw UsageError("--" + option + " needs a version X.Y.Z, not \"" + text + "\"");
    return *parsed;
}

void listen(CommandLine& line, const std::string& text) {
    const auto colon = text.rfind(':');
    const auto port = colon == std::string::npos
                          ? std::nullopt
                          : Decimal::Parse(std::string_view(text).substr(colon + 1), 0, 65535);
    std::string host = colon == std::string::npos ? "" : text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (!port || host.empty())
        throw UsageError("--listen needs HOST:PORT, not \"" + text + "\"");
    line.host = host;
    line.port = static_cast<int>(*port);
}

void serve(CommandLine& line, const std::vector<std::string>& words) {
    Options options;
    if (!split(words, {"listen", "database", "downloads", "latest", "oldest"}, options).empty())
        throw UsageError("serve takes options only");
    line.command = CommandLine::Command::Serve;
    if (options.count("listen"))
        listen(line, options["listen"]);
    line.database = options["database"];
    line.downloads = options["downloads"];
    if (options.count("latest"))
        line.latest = version(options["latest"], "latest");
    if (options.count("oldest"))
        line.oldest = version(options["oldest"], "oldest");
}

int accountId(const std::string& text) {
    const auto id = ParseAccountId(text);
    if (!id)
        throw UsageError("an online ID is a number from 1 to 9999, not \"" + text + "\"");
    return *id;
}

void account(CommandLine& line, const std::vector<std::string>& words) {
    Options options;
    const auto positional = split(words, {"database"}, options);
    line.database = options["database"];
    if (positional.size() == 3 && positional[0] == "add") {
        line.command = CommandLine::Command::AccountAdd;
        line.accountId = accountId(positional[1]);
        line.password = positional[2];
        if (line.password.empty() || line.password.size() > LongestPassword)
            throw UsageError("a password has 1 to 255 characters");
    } else if (positional.size() == 2 && positional[0] == "remove") {
        line.command = CommandLine::Command::AccountRemove;
        line.accountId = accountId(positional[1]);
    } else {
        throw UsageError("account add ID PASSWORD, or account remove ID");
    }
}

void sign(CommandLine& line, const std::vector<std::string>& words) {
    Options options;
    const auto positional = split(words, {"key"}, options);
    if (positional.size() != 1 || !options.count("key"))
        throw UsageError("sign FILE --key KEYFILE");
    line.command = CommandLine::Command::Sign;
    line.file = positional[0];
    line.key = options["key"];
}

void keygen(CommandLine& line, const std::vector<std::string>& words) {
    Options options;
    const auto positional = split(words, {}, options);
    if (positional.size() != 1)
        throw UsageError("keygen KEYFILE");
    line.command = CommandLine::Command::KeyGen;
    line.key = positional[0];
}
} // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& args, GameVersion ownVersion) {
    CommandLine line;
    line.latest = ownVersion;
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help")
        return line;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "serve")
        serve(line, rest);
    else if (args[0] == "account")
        account(line, rest);
    else if (args[0] == "sign")
        sign(line, rest);
    else if (args[0] == "keygen")
        keygen(line, rest);
    else
        throw UsageError("unknown command \"" + args[0] + "\"");
    return line;
}

const char* CommandLine::Usage() {
    return "Usage:\n"
           "  queltabrovel-server serve [--listen HOST:PORT] [--database URL] [--downloads DIR]\n"
           "                            [--latest X.Y.Z] [--oldest X.Y.Z]\n"
           "  queltabrovel-server account add ID PASSWORD [--database URL]\n"
           "  queltabrovel-server account remove ID [--database URL]\n"
           "  queltabrovel-server sign FILE --key KEYFILE\n"
           "  queltabrovel-server keygen KEYFILE\n"
           "URL is sqlite:PATH or postgresql://...; the defaults keep the database and the\n"
           "downloads folder in the server's data folder.\n";
}

std::filesystem::path DefaultDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base = data && *data   ? std::filesystem::path(data)
                                 : home && *home ? std::filesystem::path(home) / ".local" / "share"
                                                 : std::filesystem::path(".");
    return base / "queltabrovel-server";
}
