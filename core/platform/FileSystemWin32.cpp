#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "Error.h"
#include "FileSystem.h"
#include "Utf16.h"

namespace orgola::platform {

const char kPathSeparator = '\\';

namespace {

// The code the user sees for what GetLastError reports: Windows' own, but a full disk reads
// as 101, the code the program's messages know it by.
int userErrorCode(DWORD error) {
    switch (error) {
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_DISK_FULL:
            return 101;
        default:
            return static_cast<int>(error);
    }
}

[[noreturn]] void throwLastError() {
    throw Error::file(userErrorCode(::GetLastError()));
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::wstring folderOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator);
}

std::wstring nameOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

void writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            throwLastError();
        }
        if (written == 0) {
            throw Error::file(101);
        }
        bytes.remove_prefix(written);
    }
}

// A new, empty, uniquely named file beside path, whose name says what it is for.
std::pair<HANDLE, std::wstring> createTemporaryBeside(const std::wstring& path) {
    const std::wstring stem = folderOf(path) + L"\\." + nameOf(path) + L".tmp-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (int attempt = 0;; ++attempt) {
        std::wstring candidate = stem + std::to_wstring(attempt);
        const HANDLE file = ::CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return {file, std::move(candidate)};
        }
        if (::GetLastError() != ERROR_FILE_EXISTS || attempt >= 1000) {
            throwLastError();
        }
    }
}

}  // namespace

std::string currentDirectory() {
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    const DWORD length = ::GetCurrentDirectoryW(size, folder.data());
    if (length == 0 || length >= size) {
        throwLastError();
    }
    folder.resize(length);
    if (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();  // "C:\" is the one folder Windows names with its separator
    }
    return fromUtf16(folder);
}

FileReader::FileReader(const std::string& path)
    : handle_(reinterpret_cast<std::intptr_t>(
          ::CreateFileW(toUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
    if (handleOf(handle_) == INVALID_HANDLE_VALUE) {
        throwLastError();  // a folder gives 5, access denied
    }
}

FileReader::~FileReader() {
    ::CloseHandle(handleOf(handle_));
}

std::size_t FileReader::read(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 20));
    if (!::ReadFile(handleOf(handle_), buffer, wanted, &got, nullptr)) {
        if (::GetLastError() == ERROR_BROKEN_PIPE) {
            return 0;  // the writing end of a pipe has gone: the end of the file
        }
        throwLastError();
    }
    return got;
}

void replaceFile(const std::string& requestedPath, std::string_view bytes) {
    const std::wstring path = toUtf16(requestedPath);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        throw Error::file(ERROR_ACCESS_DENIED);
    }

    auto [file, temporary] = createTemporaryBeside(path);
    try {
        writeAll(file, bytes);
        if (!::FlushFileBuffers(file)) {
            throwLastError();
        }
        const BOOL closed = ::CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
        if (!closed) {
            throwLastError();
        }
        // The new file takes the old one's place in one step; a file held open without sharing
        // refuses (32, in use) and stays as it was.
        if (!::MoveFileExW(temporary.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            throwLastError();
        }
        ::SetFileAttributesW(path.c_str(), attributes == INVALID_FILE_ATTRIBUTES
                                               ? FILE_ATTRIBUTE_NORMAL
                                               : attributes & ~FILE_ATTRIBUTE_HIDDEN);
    } catch (...) {
        const DWORD error = ::GetLastError();
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
        }
        ::DeleteFileW(temporary.c_str());
        ::SetLastError(error);
        throw;
    }
}

}  // namespace orgola::platform
