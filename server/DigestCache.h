#pragma once

#include <array>
#include <mutex>
#include <optional>
#include <sodium.h>
#include <string>
#include <string_view>
#include <unordered_map>

// Remembers, per account, the digest that last passed the slow password check, so that a
// steady stream of reports does not pay for Argon2id every time. The digest itself is never
// kept: only a keyed BLAKE2b hash of it under a key made when the server starts, together with
// the stored password hash it was checked against. A report whose account no longer has that
// stored hash (password changed, account removed and added again) finds nothing here.
class DigestCache {
public:
    DigestCache();

    // The stored password hash the digest was verified against, if it was.
    std::optional<std::string> Find(int id, std::string_view digest) const;
    void Remember(int id, std::string_view digest, const std::string& storedHash);
    void Forget(int id);

private:
    using Tag = std::array<unsigned char, crypto_generichash_BYTES>;
    struct Entry {
        Tag tag;
        std::string storedHash;
    };

    Tag tagOf(int id, std::string_view digest) const;

    std::array<unsigned char, crypto_generichash_KEYBYTES> m_key;
    mutable std::mutex m_mutex;
    std::unordered_map<int, Entry> m_entries;
};
