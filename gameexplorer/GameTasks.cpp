#include "GameTasks.h"

#include "CommandLine.h"
#include "InstallPlaces.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* kindFolder(bool support) {
    return support ? "SupportTasks" : "PlayTasks";
}

// The number of characters in text, or nothing when it is not UTF-8.
std::optional<std::size_t> characters(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return std::nullopt;
            }
        }
        i += length;
    }
    return count;
}

// Paths are counted in characters; a path that is not UTF-8 is counted in bytes.
bool fits(const std::string& path) {
    return characters(path).value_or(path.size()) <= GameTasks::maxPathLength;
}

bool validName(const std::string& name) {
    const auto length = characters(name);
    return length && *length > 0 && *length <= GameTasks::maxNameLength &&
           name.find('/') == std::string::npos;
}

DesktopEntry taskEntry(const std::string& name, const std::string& target, const char* arguments) {
    std::error_code error;
    const fs::path full = fs::absolute(target, error).lexically_normal();
    std::vector<std::string> words{full.string()};
    if (arguments != nullptr) {
        const auto more = CommandLine::split(arguments);
        words.insert(words.end(), more.begin(), more.end());
    }
    DesktopEntry entry;
    entry.set(DesktopEntry::mainGroup, "Type", "Application");
    entry.set(DesktopEntry::mainGroup, "Version", "1.4");
    entry.set(DesktopEntry::mainGroup, "Name", name);
    entry.set(DesktopEntry::mainGroup, "Exec", CommandLine::exec(words));
    entry.set(DesktopEntry::mainGroup, "Path", full.parent_path().string());
    return entry;
}

// The numbered task folders below kind, in numeric order.
std::map<long long, fs::path> indexFolders(const fs::path& kind) {
    std::map<long long, fs::path> out;
    std::error_code error;
    for (const auto& folder : fs::directory_iterator(kind, error)) {
        const std::string name = folder.path().filename().string();
        char* end = nullptr;
        const long long index = std::strtoll(name.c_str(), &end, 10);
        if (!name.empty() && *end == '\0' && folder.is_directory(error)) {
            out.emplace(index, folder.path());
        }
    }
    return out;
}

std::vector<fs::path> taskFiles(const fs::path& folder) {
    std::vector<fs::path> out;
    std::error_code error;
    for (const auto& file : fs::directory_iterator(folder, error)) {
        if (file.path().extension() == ".desktop") {
            out.push_back(file.path());
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Adds an action for every task in one index folder, named prefix + its ordinal there;
// returns the action list's part for them.
std::string attachFolder(DesktopEntry& entry, const fs::path& folder, const std::string& prefix) {
    std::string actions;
    int ordinal = 0;
    for (const auto& file : taskFiles(folder)) {
        const auto task = DesktopEntry::load(file.string());
        if (!task) {
            continue;
        }
        const std::string id = prefix + std::to_string(ordinal++);
        const std::string group = "Desktop Action " + id;
        entry.set(group, "Name", task->get(DesktopEntry::mainGroup, "Name"));
        entry.set(group, "Exec", task->get(DesktopEntry::mainGroup, "Exec"));
        actions += id + ";";
    }
    return actions;
}

} // namespace

std::optional<std::string> GameTasks::root() const {
    const auto data = InstallPlaces::dataFolder(scope_);
    return data ? std::optional(*data + "/GameExplorer/" + id_.text()) : std::nullopt;
}

bool GameTasks::create(bool support, std::int32_t index, const std::string& name,
                       const std::string& target, const char* arguments) const {
    const auto base = root();
    if (!base) {
        return false;
    }
    const std::string folder = *base + "/" + kindFolder(support) + "/" + std::to_string(index);
    if (!fits(folder)) {
        return false;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !validName(name)) {
        return false;
    }
    const std::string file = folder + "/" + name + ".desktop";
    return fits(file) && taskEntry(name, target, arguments).save(file);
}

void GameTasks::attachTo(DesktopEntry& entry) const {
    entry.keepOnly(DesktopEntry::mainGroup);
    entry.remove(DesktopEntry::mainGroup, "Actions");
    const auto base = root();
    std::string actions;
    for (const bool support : {false, true}) {
        for (const auto& [index, folder] :
             indexFolders(fs::path(base.value_or("")) / kindFolder(support))) {
            const std::string prefix =
                std::string(support ? "support-" : "play-") + std::to_string(index) + "-";
            actions += attachFolder(entry, folder, prefix);
        }
    }
    if (!actions.empty()) {
        entry.set(DesktopEntry::mainGroup, "Actions", actions);
    }
}

void GameTasks::removeAll() const {
    const auto base = root();
    std::error_code error;
    if (base) {
        fs::remove_all(*base, error);
    }
}
