#include "InstanceStore.h"

#include "AtomicFile.h"
#include "InstallPlaces.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string InstanceStore::fileName(const std::string& valueName) {
    if (valueName.empty()) {
        return "@";
    }
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < valueName.size(); ++i) {
        const auto c = static_cast<unsigned char>(valueName[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || (c == '.' && i > 0);
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> InstanceStore::path(const std::string& valueName) const {
    const auto folder = InstallPlaces::store(scope_);
    return folder ? std::optional(*folder + "/" + fileName(valueName)) : std::nullopt;
}

bool InstanceStore::write(const std::string& valueName, const Guid& id) const {
    const auto file = path(valueName);
    if (!file) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(*file).parent_path(), error);
    const auto& b = id.bytes();
    return !error && AtomicFile::write(*file, std::string(b.begin(), b.end()));
}

std::optional<Guid> InstanceStore::read(const std::string& valueName) const {
    const auto file = path(valueName);
    const auto bytes = file ? AtomicFile::read(*file) : std::nullopt;
    Guid::Bytes value;
    if (!bytes || bytes->size() != value.size()) {
        return std::nullopt;
    }
    std::copy(bytes->begin(), bytes->end(), value.begin());
    return Guid(value);
}

bool InstanceStore::contains(const std::string& valueName) const {
    const auto file = path(valueName);
    std::error_code error;
    return file && std::filesystem::is_regular_file(*file, error);
}

bool InstanceStore::remove(const std::string& valueName) const {
    const auto file = path(valueName);
    std::error_code error;
    return file && std::filesystem::remove(*file, error);
}
