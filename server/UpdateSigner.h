#pragma once

#include <array>
#include <filesystem>
#include <sodium.h>
#include <string>

// Ed25519 signatures for the files offered to the game's updater. A key file holds the 32-byte
// seed of the private key as 64 lowercase hexadecimal digits (one line); the public key the
// game carries is derived from it. A signature file holds the 64-byte detached signature as
// raw bytes and is named after the signed file with ".sig" added.
class UpdateSigner {
public:
    using PublicKey = std::array<unsigned char, crypto_sign_PUBLICKEYBYTES>;
    using Signature = std::array<unsigned char, crypto_sign_BYTES>;

    // Throws std::runtime_error when the file is missing or not a key file.
    explicit UpdateSigner(const std::filesystem::path& keyFile);
    ~UpdateSigner();
    UpdateSigner(const UpdateSigner&) = delete;
    UpdateSigner& operator=(const UpdateSigner&) = delete;

    // Makes a new key file (readable by its owner only); refuses to replace an existing one.
    static void MakeKeyFile(const std::filesystem::path& keyFile);

    const PublicKey& Public() const { return m_public; }
    std::string PublicHex() const;
    Signature Sign(const std::string& content) const;
    // Signs the file and writes FILE.sig beside it; returns the signature file's path.
    std::filesystem::path SignFile(const std::filesystem::path& file) const;

private:
    std::array<unsigned char, crypto_sign_SECRETKEYBYTES> m_secret{};
    PublicKey m_public{};
};
