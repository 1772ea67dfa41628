#include "DigestCache.h"

DigestCache::DigestCache() {
    crypto_generichash_keygen(m_key.data());
}

DigestCache::Tag DigestCache::tagOf(int id, std::string_view digest) const {
    const std::string message = std::to_string(id) + ':' + std::string(digest);
    Tag tag;
    crypto_generichash(tag.data(), tag.size(),
                       reinterpret_cast<const unsigned char*>(message.data()), message.size(),
                       m_key.data(), m_key.size());
    return tag;
}

std::optional<std::string> DigestCache::Find(int id, std::string_view digest) const {
    const Tag tag = tagOf(id, digest);
    const std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(id);
    if (it == m_entries.end() || sodium_memcmp(it->second.tag.data(), tag.data(), tag.size()) != 0)
        return std::nullopt;
    return it->second.storedHash;
}

void DigestCache::Remember(int id, std::string_view digest, const std::string& storedHash) {
    Entry entry{tagOf(id, digest), storedHash};
    const std::lock_guard lock(m_mutex);
    m_entries.insert_or_assign(id, std::move(entry));
}

void DigestCache::Forget(int id) {
    const std::lock_guard lock(m_mutex);
    m_entries.erase(id);
}
