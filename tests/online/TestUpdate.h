#pragma once

#include <QByteArray>
#include <QString>

// Stand-in update programs for the tests, signed with the test key pair the master server's
// tests keep (tests/server/fixtures/TEST-ONLY-update-signing.key).
namespace TestUpdate {

// A detached Ed25519 signature of content made with the test key.
QByteArray Sign(const QByteArray& content);

// A shell program that writes "started" into markerPath when it runs; padding bytes of comment
// after it make it as large as a test needs.
QByteArray MarkerProgram(const QString& markerPath, qsizetype size = 0);

} // namespace TestUpdate
