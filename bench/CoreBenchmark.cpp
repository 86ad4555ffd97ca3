#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "SettingsFile.h"
#include "UploadScript.h"

namespace {

using namespace orgola;

void assembleScript(benchmark::State& state) {
    std::string buffer;
    for (auto _ : state) {
        Settings settings{{}, Chip::Attiny45, Programmer::Hidaspx, Trigger::Dark, "3", "13"};
        assembleUploadScript(settings, buffer);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(assembleScript);

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orgola-bench-XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void writeScript(benchmark::State& state) {
    ScratchFolder folder;
    Settings settings;
    std::string buffer;
    assembleUploadScript(settings, buffer);
    for (auto _ : state) {
        writeUploadScript(folder.file(kUploadScriptFileName), buffer);
    }
}
BENCHMARK(writeScript);

void saveAndLoadSettings(benchmark::State& state) {
    ScratchFolder folder;
    const std::string path = folder.file(kSettingsFileName);
    for (auto _ : state) {
        saveSettings(path, Settings{});
        Settings loaded;
        loadSettings(path, loaded);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(saveAndLoadSettings);

}  // namespace
