#pragma once

#include <string>

// Sends bytes to a loopback port exactly as given and returns whatever comes back until the
// server closes the connection or a second passes without anything more. For requests no
// well-behaved client library would send.
std::string RawExchange(int port, const std::string& bytes);

// The status code of the first answer in what RawExchange returned, or 0 when there was none.
int StatusOf(const std::string& answer);
