#pragma once

#include <cstddef>

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#endif

namespace orgola::test {

// How many files (Windows: handles of any kind) the process holds open, to show that a failure
// leaves none behind.
inline std::size_t openHandleCount() {
#ifdef _WIN32
    DWORD count = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &count);
    return count;
#else
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                      std::filesystem::directory_iterator{}));
#endif
}

}  // namespace orgola::test
