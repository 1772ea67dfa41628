#include "UpdateSigner.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {
using Seed = std::array<unsigned char, crypto_sign_SEEDBYTES>;

std::string hexOf(const unsigned char* bytes, std::size_t size) {
    std::string hex(size * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), bytes, size);
    hex.pop_back();
    return hex;
}

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

Seed seedFrom(const std::filesystem::path& keyFile) {
    std::string text = readAll(keyFile);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    Seed seed{};
    std::size_t length = 0;
    if (text.size() != seed.size() * 2 ||
        sodium_hex2bin(seed.data(), seed.size(), text.data(), text.size(), nullptr, &length,
                       nullptr) != 0 ||
        length != seed.size())
        throw std::runtime_error(keyFile.string() +
                                 " is not a key file (64 hexadecimal digits expected)");
    return seed;
}

void writeExclusively(const std::filesystem::path& file, const std::string& content) {
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw std::runtime_error("cannot create " + file.string() + " (does it exist already?)");
    const bool written =
        write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    if (close(fd) != 0 || !written)
        throw std::runtime_error("cannot write " + file.string());
}
} // namespace

UpdateSigner::UpdateSigner(const std::filesystem::path& keyFile) {
    Seed seed = seedFrom(keyFile);
    crypto_sign_seed_keypair(m_public.data(), m_secret.data(), seed.data());
    sodium_memzero(seed.data(), seed.size());
}

UpdateSigner::~UpdateSigner() {
    sodium_memzero(m_secret.data(), m_secret.size());
}

void UpdateSigner::MakeKeyFile(const std::filesystem::path& keyFile) {
    Seed seed;
    randombytes_buf(seed.data(), seed.size());
    std::string text = hexOf(seed.data(), seed.size()) + '\n';
    sodium_memzero(seed.data(), seed.size());
    writeExclusively(keyFile, text);
    sodium_memzero(text.data(), text.size());
}

std::string UpdateSigner::PublicHex() const {
    return hexOf(m_public.data(), m_public.size());
}

UpdateSigner::Signature UpdateSigner::Sign(const std::string& content) const {
    Signature signature;
    crypto_sign_detached(signature.data(), nullptr,
                         reinterpret_cast<const unsigned char*>(content.data()), content.size(),
                         m_secret.data());
    return signature;
}

std::filesystem::path UpdateSigner::SignFile(const std::filesystem::path& file) const {
    const Signature signature = Sign(readAll(file));
    std::filesystem::path target = file;
    target += ".sig";
    const std::filesystem::path partial = target.string() + ".partial";
    std::filesystem::remove(partial);
    writeExclusively(partial, std::string(signature.begin(), signature.end()));
    std::filesystem::permissions(
        partial, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                     std::filesystem::perms::group_read | std::filesystem::perms::others_read);
    std::filesystem::rename(partial, target);
    return target;
}
