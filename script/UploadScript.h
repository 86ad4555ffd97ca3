#pragma once

#include <string>

#include "Settings.h"

namespace orgola {

// The script's name in the base directory.
inline constexpr const char* kUploadScriptFileName = "upload.bat";

// Builds the text of upload.bat from the choices in settings into buffer (whatever it held
// first is replaced): the compile line gets the chip, the repeat count as it is typed, the delay
// macros and the trigger; the hex, score and programming lines follow the chip and programmer.
// Lines end in CR LF. On the way the delay text in settings is rewritten with its even-second
// rounding.
// Throws Error::notInteger when the delay is no integer (the delay is left as it was) or when
// its rounding reaches 2^31 (the delay keeps the rounded text), Error::notFloat when the delay
// is written in hexadecimal, and Error::unsafeText when the repeat count holds a character with
// a meaning on a command line (checked before the delay is rounded); buffer then holds the
// script up to the failure.
void assembleUploadScript(Settings& settings, std::string& buffer);

// Writes the assembled script followed by one more CR LF, as code page 932. Throws Error::file;
// a failed write leaves the previous file as it was.
void writeUploadScript(const std::string& path, const std::string& buffer);

}  // namespace orgola
