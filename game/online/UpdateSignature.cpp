#include "online/UpdateSignature.h"

#include <sodium.h>

QByteArray UpdateSignature::PublicKey() {
    return QByteArray::fromHex(QB_UPDATE_PUBLIC_KEY);
}

bool UpdateSignature::Verify(const QByteArray& content, const QByteArray& signature,
                             const QByteArray& publicKey) {
    if (sodium_init() < 0 || signature.size() != SignatureBytes ||
        publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    return crypto_sign_verify_detached(
               reinterpret_cast<const unsigned char*>(signature.constData()),
               reinterpret_cast<const unsigned char*>(content.constData()),
               static_cast<unsigned long long>(content.size()),
               reinterpret_cast<const unsigned char*>(publicKey.constData())) == 0;
}
