#pragma once

#include <string>
#include <string_view>

// Every text that leaves the program as bytes (User.dat text fields, language files, protocol
// lines, MD5 input) is Windows-1252, one byte per character. Inside the programs text is UTF-8
// (std::string) or QString. These two functions are the only place that converts between them.
namespace cp1252 {

// UTF-8 -> Windows-1252. A character outside the code page becomes '?'; invalid UTF-8 bytes
// become '?' too. One output byte per input character.
std::string fromUtf8(std::string_view utf8);

// Windows-1252 -> UTF-8. The five bytes the code page leaves undefined (81 8D 8F 90 9D) map to
// the C1 control characters of the same value, so every byte string survives a round trip.
std::string toUtf8(std::string_view bytes);

} // namespace cp1252
