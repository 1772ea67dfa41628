#pragma once

#include <QByteArray>
#include <QString>

// The master server's short answers, fetched the way the game has always asked for them: the
// caller waits for the whole answer while timers, sockets and painting go on, but clicks and
// keys wait until the answer is there (or the time is up), so nothing the player does can run
// in between.
namespace BlockingHttp {

inline constexpr int DefaultTimeoutMs = 60'000;
// More than any answer of the master server; a longer body is not an answer.
inline constexpr qint64 MaxAnswerBytes = 64 * 1024;

// The time-out of every request that names none of its own: DefaultTimeoutMs unless set.
int TimeoutMs();
void SetTimeoutMs(int timeoutMs);

// The body of the answer to a GET of address, as Windows-1252 text. Empty when no answer came:
// no connection, the time-out, or a body longer than MaxAnswerBytes. An HTTP error page is an
// answer like any other; its text decides.
QString Get(const QString& address, int timeoutMs = TimeoutMs());

// The text of an answer's body: Windows-1252 bytes, every byte one character.
QString AnswerText(const QByteArray& body);

// Whether the address answers at all with a success status within timeoutMs.
bool Answers(const QString& address, int timeoutMs);

} // namespace BlockingHttp
