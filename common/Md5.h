#pragma once

#include <string>
#include <string_view>

// MD5 of a text as the online services and the utility use it: the Windows-1252 bytes of the
// UTF-8 text, digested, as 32 lowercase hexadecimal digits.
std::string MD5(std::string_view utf8Text);

// MD5 of raw bytes, 32 lowercase hexadecimal digits.
std::string md5HexOfBytes(std::string_view bytes);
