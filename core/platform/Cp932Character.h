#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orgola::platform {

// One character at a time, through the platform's own converter (iconv, or Windows' code page
// functions). Cp932.cpp builds the text conversions on these.

// The code page 932 bytes of one character given as its UTF-8 bytes, or nothing when the
// converter has no form for it.
std::optional<std::string> encodeCp932Character(std::string_view utf8Character);

// The UTF-8 bytes of the code page 932 character that makes up all of bytes (one or two bytes),
// or nothing when they are no such character. needsTrailByte is set when bytes is a lone lead
// byte, which needs a second byte to make a character.
std::optional<std::string> decodeCp932Character(std::string_view bytes, bool& needsTrailByte);

}  // namespace orgola::platform
