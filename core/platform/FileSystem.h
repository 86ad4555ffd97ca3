#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orgola::platform {

// Files and folders as the system uses them, in UTF-8 paths. Every failure throws Error::file
// with the code a Windows user would see for it: 2 file not found, 3 folder not found or bad
// name, 4 too many open files, 5 access denied (also a folder where a file should be, a
// read-only file or file system), 32 file in use, 101 disk full. On Windows these are the codes
// of GetLastError (a full disk's 39 and 112 read as 101), and so are other failures; elsewhere
// other failures get a code outside those.

// The separator between a folder and a name in a path.
extern const char kPathSeparator;

// The folder the process is running in, without a trailing separator.
std::string currentDirectory();

// A file opened for reading; closed when the reader goes.
class FileReader {
public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Reads up to size bytes; 0 at the end of the file.
    std::size_t read(char* buffer, std::size_t size);

private:
    std::intptr_t handle_;  // a file descriptor, or a Windows HANDLE
};

// Gives the file at path exactly these bytes, or leaves it as it was: the bytes go to a new file
// in the same folder that then takes the place of the old one, so a failure on the way (a full
// disk, say) loses nothing and leaves no other file behind. An existing read-only file is not
// replaced (access denied). A device such as /dev/null is written in place.
void replaceFile(const std::string& path, std::string_view bytes);

}  // namespace orgola::platform
