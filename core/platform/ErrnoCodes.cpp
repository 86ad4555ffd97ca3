#include "ErrnoCodes.h"

#include <cerrno>

namespace orgola::platform {

int windowsErrorCode(int errnoValue, bool folderExists) {
    switch (errnoValue) {
        case ENOENT:
            return folderExists ? 2 : 3;
        case ENOTDIR:
        case ENAMETOOLONG:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return 5;
        case EBUSY:
        case ETXTBSY:
            return 32;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return 101;
        default:
            return kOtherErrnoBase + errnoValue;
    }
}

}  // namespace orgola::platform
