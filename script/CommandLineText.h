#pragma once

#include <string_view>

namespace orgola {

// Whether text can stand inside a command line of a batch script without changing what the line
// does: no character that cmd.exe gives a meaning there (& | < > ^ % ") and no control character
// (a CR or LF would start a command of its own).
bool isPlainCommandLineText(std::string_view text);

}  // namespace orgola
