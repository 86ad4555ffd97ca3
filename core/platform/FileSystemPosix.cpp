#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "ErrnoCodes.h"
#include "Error.h"
#include "FileSystem.h"

namespace orgola::platform {

const char kPathSeparator = '/';

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

[[noreturn]] void throwFileError(int errnoValue, const std::string& path) {
    throw Error::file(
        windowsErrorCode(errnoValue, errnoValue != ENOENT || isFolder(folderOf(path))));
}

// The file a link leads to, so that replacing it keeps the link.
std::string linkTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
}

void writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Error::file(windowsErrorCode(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Opens without waiting for the other end of a pipe, which may never come, then blocks as usual.
int openWithoutWaiting(const std::string& path, int flags) {
    const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    }
    return descriptor;
}

// Writes to something that is no regular file (a device, a pipe), which cannot be replaced.
void writeInPlace(const std::string& path, std::string_view bytes) {
    const int descriptor = openWithoutWaiting(path, O_WRONLY | O_TRUNC);
    if (descriptor < 0) {
        throwFileError(errno, path);
    }
    try {
        writeAll(descriptor, bytes);
    } catch (...) {
        ::close(descriptor);
        throw;
    }
    if (::close(descriptor) != 0) {
        throwFileError(errno, path);
    }
}

bool isReadOnly(const struct stat& info, const std::string& path) {
    // Like Windows' read-only attribute, a file without any write permission refuses everyone,
    // also a user whose rights would let the write through.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// A new, empty, uniquely named file beside path, whose name says what it is for.
std::pair<int, std::string> createTemporaryBeside(const std::string& path) {
    const std::string stem =
        folderOf(path) + "/." + nameOf(path) + ".tmp-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0;; ++attempt) {
        std::string candidate = stem + std::to_string(attempt);
        const int descriptor =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return {descriptor, std::move(candidate)};
        }
        if (errno != EEXIST || attempt >= 1000) {
            throw Error::file(windowsErrorCode(errno, isFolder(folderOf(path))));
        }
    }
}

}  // namespace

std::string currentDirectory() {
    std::vector<char> buffer(256);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            // The folder has been removed (ENOENT) or may not be read: no name for it.
            throw Error::file(windowsErrorCode(errno, false));
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

FileReader::FileReader(const std::string& path) : handle_(openWithoutWaiting(path, O_RDONLY)) {
    if (handle_ < 0) {
        throwFileError(errno, path);
    }
    struct stat info {};
    if (::fstat(static_cast<int>(handle_), &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(static_cast<int>(handle_));
        throw Error::file(windowsErrorCode(EISDIR));
    }
}

FileReader::~FileReader() {
    ::close(static_cast<int>(handle_));
}

std::size_t FileReader::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle_), buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            throw Error::file(windowsErrorCode(errno));
        }
    }
}

void replaceFile(const std::string& requestedPath, std::string_view bytes) {
    const std::string path = linkTarget(requestedPath);
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            throw Error::file(windowsErrorCode(EISDIR));
        }
        if (!S_ISREG(existing.st_mode)) {
            writeInPlace(path, bytes);
            return;
        }
        if (isReadOnly(existing, path)) {
            throw Error::file(windowsErrorCode(EACCES));
        }
    }

    auto [descriptor, temporary] = createTemporaryBeside(path);
    try {
        if (exists) {
            // The new file takes the place of the old one with the old one's permissions.
            ::fchmod(descriptor, existing.st_mode & 07777);
        }
        writeAll(descriptor, bytes);
        if (::fsync(descriptor) != 0) {
            throw Error::file(windowsErrorCode(errno));
        }
        const int closed = ::close(descriptor);
        descriptor = -1;
        if (closed != 0) {
            throw Error::file(windowsErrorCode(errno));
        }
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            throwFileError(errno, path);
        }
    } catch (...) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace orgola::platform
