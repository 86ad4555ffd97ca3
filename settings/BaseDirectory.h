#pragma once

#include <string>

namespace orgola {

// The folder of both files: the current directory followed by the path separator, appended
// whatever the directory ends with. Throws Error::file when the current directory is gone.
std::string baseDirectory();

}  // namespace orgola
