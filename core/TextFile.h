#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orgola {

// Text files as the system keeps them: code page 932 bytes with CR LF line ends. Texts in the
// program are UTF-8. Failures throw Error::file (see platform/FileSystem.h for the codes).

// The longest line text kept, in bytes: a file without line ends, however large, is never read
// into memory whole.
inline constexpr std::size_t kMaxLineBytes = 1024 * 1024;

// Reads at most maxLines lines. A line ends at LF; every CR is dropped from the text (the one
// before LF with it). Text after the last LF is a line too. A line keeps its first kMaxLineBytes
// bytes and the rest of it is skipped; the rest of the file after maxLines lines is not read.
std::vector<std::string> readTextLines(const std::string& path, std::size_t maxLines);

// Gives the file exactly these texts, each followed by CR LF, or leaves it as it was.
void writeTextFile(const std::string& path, const std::vector<std::string>& texts);

}  // namespace orgola
