#pragma once

#include <filesystem>
#include <string>

namespace orgola::test {

// Runs in a folder for the length of a test and returns to where it was.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& path) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace orgola::test
