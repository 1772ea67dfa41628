#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The files offered under "/downloads/": only plain files directly inside the folder, named
// with letters, digits, '.', '_' and '-' and not starting with a dot. Anything else — a path,
// "..", a hidden file, a symbolic link, a folder — is not found, so nothing outside the folder
// can ever be read through it.
class DownloadFolder {
public:
    explicit DownloadFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    static bool IsOfferedName(std::string_view name);
    std::optional<std::string> Read(std::string_view name) const;

private:
    std::filesystem::path m_folder;
};
