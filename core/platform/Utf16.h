#pragma once

#include <string>
#include <string_view>

namespace orgola::platform {

// UTF-8 texts and paths to and from Windows' UTF-16 (invalid UTF-8 becomes U+FFFD).
std::wstring toUtf16(std::string_view utf8);
std::string fromUtf16(std::wstring_view utf16);

}  // namespace orgola::platform
