#include "PasswordHash.h"

#include <sodium.h>
#include <stdexcept>

std::string PasswordHash::Hash(std::string_view digest) {
    char stored[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(stored, digest.data(), digest.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("not enough memory to hash the password");
    return stored;
}

bool PasswordHash::Verify(const std::string& stored, std::string_view digest) {
    return crypto_pwhash_str_verify(stored.c_str(), digest.data(), digest.size()) == 0;
}
