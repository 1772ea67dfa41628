#pragma once

#include <QByteArray>

// The update program is started only when it carries the maker's Ed25519 signature: a detached
// signature of 64 bytes, kept beside the program on the server, checked against the public key
// built into the game (the build option QB_UPDATE_PUBLIC_KEY).
namespace UpdateSignature {

inline constexpr qsizetype SignatureBytes = 64;

// The built-in public key, 32 bytes.
QByteArray PublicKey();

// True when signature is a valid signature of content under publicKey.
bool Verify(const QByteArray& content, const QByteArray& signature,
            const QByteArray& publicKey = PublicKey());

} // namespace UpdateSignature
