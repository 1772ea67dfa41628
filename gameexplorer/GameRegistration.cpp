#include "GameRegistration.h"

#include "CommandLine.h"
#include "GameDefinition.h"
#include "GameTasks.h"
#include "InstallPlaces.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* group = DesktopEntry::mainGroup;
constexpr const char* idKey = "X-GameExplorer-InstanceID";
constexpr const char* gameIdKey = "X-GameExplorer-GameID";
constexpr const char* definitionKey = "X-GameExplorer-Definition";
constexpr const char* installKey = "X-GameExplorer-InstallDir";

// The menu categories of the genres a definition file may name.
std::string categories(const GameDefinition& game) {
    static const std::pair<const char*, const char*> known[] = {
        {"Action", "ActionGame"},     {"Adventure", "AdventureGame"},  {"Arcade", "ArcadeGame"},
        {"Board Games", "BoardGame"}, {"Card Games", "CardGame"},      {"Family", "KidsGame"},
        {"Puzzle", "LogicGame"},      {"Role-Playing", "RolePlaying"}, {"Simulation", "Simulation"},
        {"Sports", "SportsGame"},     {"Strategy", "StrategyGame"},
    };
    std::string out = "Game;";
    for (const auto& genre : game.genres) {
        for (const auto& [name, category] : known) {
            if (genre == name) {
                out += std::string(category) + ";";
            }
        }
    }
    return out;
}

// The program's own icon beside it, when it has one.
std::optional<std::string> icon(const fs::path& program) {
    std::error_code error;
    for (const char* extension : {".svg", ".png"}) {
        fs::path file = program;
        file += extension;
        if (fs::is_regular_file(file, error)) {
            return file.string();
        }
    }
    return std::nullopt;
}

DesktopEntry gameEntry(const GameDefinition& game, const Guid& id, const fs::path& gdf,
                       const fs::path& installDir) {
    const fs::path program = (installDir / game.programPath()).lexically_normal();
    DesktopEntry entry;
    entry.set(group, "Type", "Application");
    entry.set(group, "Version", "1.4");
    entry.set(group, "Name", game.name);
    if (!game.description.empty()) {
        entry.set(group, "Comment", game.description);
    }
    entry.set(group, "Exec", CommandLine::exec({program.string()}));
    entry.set(group, "Path", installDir.string());
    if (const auto file = icon(program)) {
        entry.set(group, "Icon", *file);
    }
    entry.set(group, "Categories", categories(game));
    entry.set(group, idKey, id.text());
    entry.set(group, gameIdKey, game.gameId);
    entry.set(group, definitionKey, gdf.string());
    entry.set(group, installKey, installDir.string());
    return entry;
}

fs::path absolute(const std::string& path) {
    std::error_code error;
    fs::path out = fs::absolute(path, error).lexically_normal();
    return out.has_filename() || out == out.root_path() ? out : out.parent_path();
}

} // namespace

std::optional<std::string> GameRegistration::entryPath() const {
    const auto folder = InstallPlaces::applications(scope_);
    return folder ? std::optional(*folder + "/gameexplorer-" + id_.fileId() + ".desktop")
                  : std::nullopt;
}

bool GameRegistration::write(const std::string& gdfPath, const std::string& installDir) const {
    const auto game = GameDefinition::fromProgram(gdfPath);
    const auto file = entryPath();
    if (!game || !file) {
        return false;
    }
    DesktopEntry entry = gameEntry(*game, id_, absolute(gdfPath), absolute(installDir));
    GameTasks(id_, scope_).attachTo(entry);
    std::error_code error;
    fs::create_directories(fs::path(*file).parent_path(), error);
    return !error && entry.save(*file);
}

std::optional<GameRegistration> GameRegistration::add(const std::string& gdfPath,
                                                      const std::string& installDir, int scope) {
    std::error_code error;
    if ((scope != InstallPlaces::currentUser && scope != InstallPlaces::allUsers) ||
        !fs::is_directory(installDir, error)) {
        return std::nullopt;
    }
    GameRegistration registration(Guid::random(), scope);
    if (!registration.write(gdfPath, installDir)) {
        return std::nullopt;
    }
    return registration;
}

bool GameRegistration::update() const {
    const auto file = entryPath();
    const auto entry = file ? DesktopEntry::load(*file) : std::nullopt;
    return entry && write(entry->get(group, definitionKey), entry->get(group, installKey));
}

bool GameRegistration::remove() const {
    const auto file = entryPath();
    std::error_code error;
    if (!file || !fs::remove(*file, error)) {
        return false;
    }
    GameTasks(id_, scope_).removeAll();
    return true;
}

bool GameRegistration::attachTasks() const {
    const auto file = entryPath();
    std::error_code error;
    if (!file || !fs::exists(*file, error)) {
        return true;
    }
    auto entry = DesktopEntry::load(*file);
    if (!entry) {
        return false;
    }
    GameTasks(id_, scope_).attachTo(*entry);
    return entry->save(*file);
}
