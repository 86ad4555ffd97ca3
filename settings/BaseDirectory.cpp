#include "BaseDirectory.h"

#include "platform/FileSystem.h"

namespace orgola {

std::string baseDirectory() {
    return platform::currentDirectory() + platform::kPathSeparator;
}

}  // namespace orgola
