#include "TestUpdate.h"

#include <QFile>
#include <sodium.h>
#include <stdexcept>

QByteArray TestUpdate::Sign(const QByteArray& content) {
    QFile keyFile(QStringLiteral(QB_TEST_SIGNING_KEY));
    if (sodium_init() < 0 || !keyFile.open(QIODevice::ReadOnly))
        throw std::runtime_error("the test signing key cannot be read");
    const QByteArray seed = QByteArray::fromHex(keyFile.readAll().trimmed());
    if (seed.size() != crypto_sign_SEEDBYTES)
        throw std::runtime_error("the test signing key has the wrong length");
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    QByteArray secret(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_seed_keypair(publicKey, reinterpret_cast<unsigned char*>(secret.data()),
                             reinterpret_cast<const unsigned char*>(seed.constData()));
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(content.constData()),
                         static_cast<unsigned long long>(content.size()),
                         reinterpret_cast<const unsigned char*>(secret.constData()));
    return signature;
}

QByteArray TestUpdate::MarkerProgram(const QString& markerPath, qsizetype size) {
    QByteArray program =
        "#!/bin/sh\necho started > '" + QFile::encodeName(markerPath) + "'\nexit 0\n#";
    if (program.size() < size)
        program.append(size - program.size(), 'x');
    return program;
}
