#pragma once

#include <string>
#include <string_view>

namespace orgola::platform {

// Code page 932 (Shift-JIS, Windows' Japanese code page), the encoding of both files the
// system writes. Texts inside the program are UTF-8.

// A character without a code page 932 form of its own (one that would not read back as the
// same character, such as U+301C or the yen sign) is written as "?", as is invalid UTF-8.
std::string toCp932(std::string_view utf8);

// A byte sequence that is not code page 932 reads as U+FFFD, one byte at a time.
std::string fromCp932(std::string_view bytes);

}  // namespace orgola::platform
