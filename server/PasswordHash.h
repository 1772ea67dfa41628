#pragma once

#include <string>
#include <string_view>

// The stored form of an account's password: a slow, salted Argon2id hash of the 32-character
// digest the game sends, so a copied database gives no digest that could be replayed.
namespace PasswordHash {
// Throws std::runtime_error when the hash cannot be made (out of memory).
std::string Hash(std::string_view digest);
bool Verify(const std::string& stored, std::string_view digest);
} // namespace PasswordHash
