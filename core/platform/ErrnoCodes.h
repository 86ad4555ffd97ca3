#pragma once

namespace orgola::platform {

// Added to an errno value that has no Windows counterpart among the codes the user knows, so
// that "I/O エラー (10005)" (EIO) can never be mistaken for code 5, access denied.
constexpr int kOtherErrnoBase = 10000;

// The Windows error code a user would see for what errno reports. ENOENT has two meanings on
// Windows (a missing file, 2, or a missing folder, 3): folderExists tells which.
int windowsErrorCode(int errnoValue, bool folderExists = true);

}  // namespace orgola::platform
